#pragma once
// Text exports of a colour list: HTML chart, CSS, XML and the colour-set text of a paint program.
//
// Every text piece ends in CR LF. Files are UTF-8, so every name survives; they are written through a temporary
// file in the target's folder, so a failed write leaves the previous file as it was.

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QString>

namespace tintorium {

/// The HTML colour chart. Names are escaped (& < > ") so the page is well formed.
QByteArray HtmlChartText(const TColors& colors);
/// One rule per colour: ".name {", "  Color: #RRGGBB;", "}". Names become valid class names (CSS escapes
/// for a leading digit, spaces and other characters; an empty name takes the hexadecimal text).
QByteArray CssText(const TColors& colors);
/// The XML listing: caption, hex and red/green/blue per colour. Names are escaped (& < > ") and characters
/// XML cannot hold become U+FFFD.
QByteArray XmlText(const TColors& colors);
/// The fixed header, then "R: rrr, G:ggg, B:bbb " per colour, each value zero-padded to three digits.
QByteArray PainterColorSetText(const TColors& colors);

/// `name` as a CSS identifier: unchanged when it already is one ("FF8000", "Accent").
QString CssIdentifier(const QString& name);

TFileResult WriteHtmlChart(const QString& fileName, const TColors& colors);
TFileResult WriteCssFile(const QString& fileName, const TColors& colors);
TFileResult WriteXmlFile(const QString& fileName, const TColors& colors);
TFileResult WritePainterColorSet(const QString& fileName, const TColors& colors);

}  // namespace tintorium
