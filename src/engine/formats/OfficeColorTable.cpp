#include "engine/formats/OfficeColorTable.h"

#include "core/ColorText.h"
#include "engine/files/BoundedRead.h"
#include "engine/files/SafeSave.h"

#include <QXmlStreamReader>

#include <string>

namespace tintorium {
namespace {

constexpr const char* kRootAttributes =
    R"(xmlns:office="http://openoffice.org/2000/office" xmlns:style="http://openoffice.org/2000/style" )"
    R"(xmlns:text="http://openoffice.org/2000/text" xmlns:table="http://openoffice.org/2000/table" )"
    R"(xmlns:draw="http://openoffice.org/2000/drawing" xmlns:fo="http://www.w3.org/1999/XSL/Format" )"
    R"(xmlns:xlink="http://www.w3.org/1999/xlink" xmlns:dc="http://purl.org/dc/elements/1.1/" )"
    R"(xmlns:meta="http://openoffice.org/2000/meta" xmlns:number="http://openoffice.org/2000/datastyle" )"
    R"(xmlns:svg="http://www.w3.org/2000/svg" xmlns:chart="http://openoffice.org/2000/chart" )"
    R"(xmlns:dr3d="http://openoffice.org/2000/dr3d" xmlns:math="http://www.w3.org/1998/Math/MathML" )"
    R"(xmlns:form="http://openoffice.org/2000/form" xmlns:script="http://openoffice.org/2000/script")";

// LibreOffice's own tables use the 2000 drawing namespace or ODF's; the root's namespace varies more.
bool IsDrawNamespace(QStringView uri) {
  return uri == QLatin1String(kDrawNamespace) || uri == u"urn:oasis:names:tc:opendocument:xmlns:drawing:1.0";
}

TReadResult<TColors> Failed(const char* text, qint64 line) {
  return {{}, TFileResult::Failure(QString::fromLatin1(text).arg(line))};
}

bool IsXmlChar(char32_t c) {
  return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0x10FFFF);
}

}  // namespace

QString XmlAttributeText(const QString& text) {
  QString out;
  out.reserve(text.size() + 8);
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    char32_t code = c.unicode();
    if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
      out += c;
      out += text[++i];
      continue;
    }
    if (c.isSurrogate()) code = 0xFFFE;  // a lone half: not a character
    switch (code) {
      case u'&': out += QStringLiteral("&amp;"); break;
      case u'<': out += QStringLiteral("&lt;"); break;
      case u'>': out += QStringLiteral("&gt;"); break;
      case u'"': out += QStringLiteral("&quot;"); break;
      case u'\t': out += QStringLiteral("&#9;"); break;
      case u'\n': out += QStringLiteral("&#10;"); break;
      case u'\r': out += QStringLiteral("&#13;"); break;
      default: out += IsXmlChar(code) ? c : QChar(0xFFFD);
    }
  }
  return out;
}

TReadResult<TColors> ParseSocData(QByteArrayView data) {
  QXmlStreamReader xml(QByteArray::fromRawData(data.data(), data.size()));
  TColors colors;
  bool rooted = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (!rooted) {
      if (xml.name() != u"color-table") {
        return {{}, TFileResult::Failure(QString::fromLatin1(kSocRootText))};
      }
      rooted = true;
      continue;
    }
    if (!IsDrawNamespace(xml.namespaceUri()) || xml.name() != u"color") continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QString uri = xml.namespaceUri().toString();
    const QString hex = attributes.value(uri, QStringLiteral("color")).toString();
    if (hex.size() != 7 || hex[0] != u'#' || !IsHexText(hex.mid(1).toStdString())) {
      return Failed(kSocColorText, xml.lineNumber());
    }
    TColorObject color;
    color.SetRGB(ParseHexColor(hex.mid(1).toStdString()));
    QString name = attributes.value(uri, QStringLiteral("name")).toString();
    if (name.isEmpty()) name = QString::fromStdString(color.HexText());
    colors.emplace_back(color, name.toStdU16String());
  }
  if (!rooted) return {{}, TFileResult::Failure(QString::fromLatin1(kSocRootText))};
  if (xml.hasError()) {
    return {{}, TFileResult::Failure(QString::fromLatin1(kXmlBrokenText).arg(xml.lineNumber()).arg(xml.errorString()))};
  }
  return {std::move(colors), {}};
}

TReadResult<TColors> ReadSocFile(const QString& fileName) {
  return ReadParsed(fileName, ParseSocData);
}

QByteArray EncodeSocData(const TColors& colors) {
  QByteArray out;
  out.reserve(1024 + qsizetype(colors.size()) * 72);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:color-table ";
  out += kRootAttributes;
  out += ">\n";
  for (const TColorObjectFx& color : colors) {
    out += "  <draw:color draw:name=\"";
    out += XmlAttributeText(QString::fromStdU16String(color.Name())).toUtf8();
    out += "\" draw:color=\"#";
    out += QByteArray::fromStdString(color.HexText()).toLower();
    out += "\"/>\n";
  }
  out += "</office:color-table>\n";
  return out;
}

TFileResult WriteSocFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, EncodeSocData(colors));
}

}  // namespace tintorium
