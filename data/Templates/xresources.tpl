kind: text; extension: Xresources; title: Xresources
! {{palette}}: {{count}} colors as names for cpp and as terminal colors (color0, color1, ...)
{{#colors}}
#define {{ident}} #{{hex}}
{{/colors}}

{{#colors}}
*color{{index}}: #{{hex}}
{{/colors}}
