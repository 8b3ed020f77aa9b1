kind: css; extension: css; title: CSS theme block (@theme)
/* {{palette}}: {{count}} colors as theme variables (--color-NAME) */
@theme {
{{#colors}}
  --color-{{slug}}: #{{hex}}; /* {{name}} */
{{/colors}}
}
