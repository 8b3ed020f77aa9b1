kind: markdown; extension: md; title: Markdown table
# {{palette}}

| # | Name | Hex | RGB | OKLCH |
|--:|------|-----|-----|-------|
{{#colors}}
| {{number}} | {{name}} | `#{{hex}}` | {{r}}, {{g}}, {{b}} | `{{oklch}}` |
{{/colors}}
