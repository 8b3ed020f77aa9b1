kind: json; extension: json; title: JSON array
[
{{#colors}}
  {"name": "{{name}}", "slug": "{{slug}}", "hex": "#{{hex}}", "rgb": [{{r}}, {{g}}, {{b}}], "oklch": "{{oklch}}"}{{^last}},{{/last}}
{{/colors}}
]
