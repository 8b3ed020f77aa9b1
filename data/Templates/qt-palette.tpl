kind: js; extension: h; title: Qt QPalette snippet
// "{{palette}}": {{count}} colors for Qt, with a QPalette from the first of them.
#pragma once

#include <QColor>
#include <QList>
#include <QPair>
#include <QPalette>
#include <QString>

#include <iterator>

inline const QList<QPair<QString, QColor>> kPaletteColors = {
{{#colors}}
    {QStringLiteral("{{name}}"), QColor(QRgb(0x{{hex}}))}{{^last}},{{/last}}
{{/colors}}
};

// Window, window text, base, text, button, button text, highlight and highlighted text, in that order, from the
// palette's first colors; roles without a color keep Qt's default.
inline QPalette PaletteFromColors() {
  static const QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                              QPalette::Text,   QPalette::Button,     QPalette::ButtonText,
                                              QPalette::Highlight, QPalette::HighlightedText};
  QPalette palette;
  for (qsizetype i = 0; i < kPaletteColors.size() && i < qsizetype(std::size(roles)); ++i)
    palette.setColor(roles[i], kPaletteColors[i].second);
  return palette;
}
