kind: xml; extension: xml; title: Android colors.xml
<?xml version="1.0" encoding="utf-8"?>
<!-- {{palette}}: {{count}} colors -->
<resources>
{{#colors}}
    <color name="{{ident}}">#{{HEX}}</color> <!-- {{name}} -->
{{/colors}}
</resources>
