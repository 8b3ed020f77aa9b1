kind: js; extension: js; title: JavaScript/TypeScript object
// "{{palette}}": {{count}} colors, keyed by name.
export const palette = {
{{#colors}}
  "{{slug}}": { name: "{{name}}", hex: "#{{hex}}", rgb: [{{r}}, {{g}}, {{b}}] }{{^last}},{{/last}}
{{/colors}}
};

export default palette;
