#include "engine/formats/ExportWriters.h"

#include "core/ColorText.h"
#include "engine/files/SafeSave.h"
#include "engine/qtcolor/ShownColor.h"

#include <QList>

#include <algorithm>

namespace tintorium {
namespace {

// The name the program gives itself in the chart's title and generator.
const QString& Title() {
  static const QString title = QStringLiteral("Tintorium");
  return title;
}

const QString kCrLf = QStringLiteral("\r\n");

class TTextPieces {
 public:
  void Add(const QString& piece) {
    text_ += piece;
    text_ += kCrLf;
  }
  QByteArray Bytes() const { return text_.toUtf8(); }

 private:
  QString text_;
};

QString Name(const TColorObjectFx& color) { return QString::fromStdU16String(color.Name()); }
QString Hex(const TColorObjectFx& color) { return QString::fromStdString(HexText(ShownRGB(color))); }

QString EscapeMarkup(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    switch (c.unicode()) {
      case u'&': out += QStringLiteral("&amp;"); break;
      case u'<': out += QStringLiteral("&lt;"); break;
      case u'>': out += QStringLiteral("&gt;"); break;
      case u'"': out += QStringLiteral("&quot;"); break;
      default: out += c;
    }
  }
  return out;
}

bool AllowedInXml(char32_t c) {
  if (c == 0x9 || c == 0xA || c == 0xD) return true;
  if (c < 0x20) return false;
  if (c >= 0xD800 && c <= 0xDFFF) return false;  // a lone surrogate
  return c != 0xFFFE && c != 0xFFFF;
}

QString XmlName(const QString& name) {
  QString clean;
  clean.reserve(name.size());
  for (const char32_t c : name.toUcs4()) {
    const char32_t kept = AllowedInXml(c) ? c : char32_t(0xFFFD);
    clean += QString::fromUcs4(&kept, 1);
  }
  return EscapeMarkup(clean);
}

const char* const kHtmlHead =
    "<html>\r\n<head>\r\n  <title>%1 HTML Export</title>\r\n  <meta name=\"generator\" content=\"%1\">\r\n"
    "  <style type=\"text/css\">\r\n"
    "\tbody {background-color: #FFFFFF;color: #000000;font-family: Tahoma, Verdana;}\r\n"
    "\tdiv.swatch {float: left; width: 256px; margin-bottom: 10px; margin-right: 10px; margin-left: 0px;}\r\n"
    "\tdiv.outer {float: left; border: 1px solid #000000; padding: 0px;}\r\n"
    "\tdiv.shadow {padding: 0px;}\r\n"
    "\th1 {font-size: 18px;font-weight: bold;padding-bottom: 0px;margin-bottom: 8px;border-bottom: 1px solid "
    "#999999;}\r\n"
    "\tdiv.color {width: 80px;height: 55px; padding: 0; margin: 0;}\r\n"
    "\tdiv.caption {float:left; color: #555555; font-size: 12px; line-height: 16px; margin: 0 0 0 10px;}\r\n"
    "\th3 {margin: 0 0 4px 0; padding: 0 0 2px 0;font-size: 12px; font-weight: bold; border-bottom: 1px solid "
    "#E6E6E6;}\r\n"
    "  </style>\r\n</head>\r\n";

const char* const kHtmlSwatch =
    "<div class=\"swatch\">\r\n<div class=\"outer\">\r\n"
    "  <div class=\"shadow\" style=\"border:0px solid #FFFFFF;background-color:#%2;\">\r\n"
    "    <div class=\"color\" style=\"background-color:#%2;\"></div>\r\n    </div>\r\n  </div>\r\n"
    "<div class=\"caption\"><h3>%1</h3>HEX: %2<br />Values: %3</div>\r\n</div>\r\n";

const char* const kXmlColor =
    "<color>\r\n  <caption>%1</caption>\r\n  <hex>%2</hex>\r\n  <rgb>\r\n    <red>%3</red>\r\n"
    "    <green>%4</green>\r\n    <blue>%5</blue>\r\n  </rgb>\r\n</color>";

QString Padded(int value) { return QStringLiteral("%1").arg(value, 3, 10, QLatin1Char('0')); }

QString HexEscape(char32_t c) { return QStringLiteral("\\%1 ").arg(static_cast<uint>(c), 0, 16); }

bool IsIdentifierChar(char32_t c) {
  return c >= 0x80 || c == '-' || c == '_' || (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') ||
         (c >= 'A' && c <= 'Z');
}

}  // namespace

QString CssIdentifier(const QString& name) {
  const QList<uint> points = name.toUcs4();
  QString out;
  for (qsizetype i = 0; i < points.size(); ++i) {
    const char32_t c = points[i];
    const bool digit = c >= '0' && c <= '9';
    if (c == 0) {
      out += QChar(0xFFFD);
    } else if (c < 0x20 || c == 0x7F || (i == 0 && digit) || (i == 1 && digit && points[0] == '-')) {
      out += HexEscape(c);
    } else if (i == 0 && c == '-' && points.size() == 1) {
      out += QStringLiteral("\\-");
    } else if (IsIdentifierChar(c)) {
      out += QString::fromUcs4(&c, 1);
    } else {
      out += u'\\';
      out += QString::fromUcs4(&c, 1);
    }
  }
  return out;
}

QByteArray HtmlChartText(const TColors& colors) {
  TTextPieces text;
  text.Add(QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01 Transitional/EN\">"));
  text.Add(QString::fromLatin1(kHtmlHead).arg(Title()));
  text.Add(QStringLiteral("<body>\r\n<h1>%1 Chart</h1>\r\n").arg(Title()));
  for (const TColorObjectFx& color : colors) {
    text.Add(QString::fromLatin1(kHtmlSwatch)
                 .arg(EscapeMarkup(Name(color)), Hex(color), QString::fromStdString(color.ValuesText())));
  }
  text.Add(QStringLiteral("</body>\r\n</html>"));
  return text.Bytes();
}

QByteArray CssText(const TColors& colors) {
  TTextPieces text;
  for (const TColorObjectFx& color : colors) {
    const QString name = Name(color);
    const QString identifier = CssIdentifier(name.isEmpty() ? Hex(color) : name);
    text.Add(QStringLiteral(".%1 {\r\n  Color: #%2;\r\n}\r\n").arg(identifier, Hex(color)));
  }
  return text.Bytes();
}

QByteArray XmlText(const TColors& colors) {
  TTextPieces text;
  text.Add(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
  text.Add(QStringLiteral("<scheme>"));
  for (const TColorObjectFx& color : colors) {
    const TRGBValues rgb = ShownRGB(color);
    text.Add(QString::fromLatin1(kXmlColor)
                 .arg(XmlName(Name(color)), Hex(color), QString::number(rgb.R), QString::number(rgb.G),
                      QString::number(rgb.B)));
  }
  text.Add(QStringLiteral("</scheme>"));
  return text.Bytes();
}

QByteArray PainterColorSetText(const TColors& colors) {
  TTextPieces text;
  text.Add(QStringLiteral("ROWS 12\r\nCOLS 22\r\nWIDTH 16\r\nHEIGHT 16\r\nTEXTHEIGHT 0\r\nSPACING 1"));
  for (const TColorObjectFx& color : colors) {
    const TRGBValues rgb = ShownRGB(color);
    text.Add(QStringLiteral("R: %1, G:%2, B:%3 ").arg(Padded(rgb.R), Padded(rgb.G), Padded(rgb.B)));
  }
  return text.Bytes();
}

TFileResult WriteHtmlChart(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, HtmlChartText(colors));
}
TFileResult WriteCssFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, CssText(colors));
}
TFileResult WriteXmlFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, XmlText(colors));
}
TFileResult WritePainterColorSet(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, PainterColorSetText(colors));
}

}  // namespace tintorium
