kind: text
{{#colors}}{{name}}{{^last}}, {{/last}}
