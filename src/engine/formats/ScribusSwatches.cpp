#include "engine/formats/ScribusSwatches.h"

#include "core/ColorText.h"
#include "engine/files/BoundedRead.h"
#include "engine/files/SafeSave.h"
#include "engine/formats/OfficeColorTable.h"

#include <QFileInfo>
#include <QXmlStreamReader>

#include <cmath>
#include <optional>
#include <string>

namespace tintorium {
namespace {

int Ink(const std::string& hex, int at) {
  const int value = std::stoi(hex.substr(std::size_t(at) * 2, 2), nullptr, 16);
  return int(std::lround(value * 100.0 / 255.0));
}

std::optional<TColorObject> CmykColor(QStringView text) {
  if (text.size() != 9 || text[0] != u'#') return std::nullopt;
  for (const QChar c : text.mid(1))
    if (!c.isDigit() && !(c.toLower() >= u'a' && c.toLower() <= u'f')) return std::nullopt;
  const std::string hex = text.mid(1).toString().toStdString();
  TColorObject color;
  color.SetCMYK({Ink(hex, 0), Ink(hex, 1), Ink(hex, 2), Ink(hex, 3)});
  return color;
}

std::optional<TColorObject> RgbColor(QStringView text) {
  if (text.size() != 7 || text[0] != u'#') return std::nullopt;
  const std::string hex = text.mid(1).toString().toStdString();
  if (!IsHexText(hex)) return std::nullopt;
  TColorObject color;
  color.SetRGB(ParseHexColor(hex));
  return color;
}

}  // namespace

bool IsScribusSwatchData(QByteArrayView head) {
  QXmlStreamReader xml(QByteArray::fromRawData(head.data(), head.size()));
  while (!xml.atEnd())
    if (xml.readNext() == QXmlStreamReader::StartElement) return xml.name() == u"SCRIBUSCOLORS";
  return false;
}

TReadResult<TColors> ParseScribusData(QByteArrayView data) {
  QXmlStreamReader xml(QByteArray::fromRawData(data.data(), data.size()));
  TColors colors;
  bool rooted = false;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (!rooted) {
      if (xml.name() != u"SCRIBUSCOLORS") return {{}, TFileResult::Failure(QString::fromLatin1(kScribusRootText))};
      rooted = true;
      continue;
    }
    if (xml.name() != u"COLOR") continue;
    const QXmlStreamAttributes attributes = xml.attributes();
    const QStringView space = attributes.value(QStringLiteral("SPACE"));
    const QStringView cmykText = attributes.value(QStringLiteral("CMYK"));
    const QStringView rgbText = attributes.value(QStringLiteral("RGB"));
    const bool cmykFirst = space != u"RGB" && !cmykText.isEmpty();
    std::optional<TColorObject> color = cmykFirst ? CmykColor(cmykText) : RgbColor(rgbText);
    if (!color && !cmykFirst && !cmykText.isEmpty()) color = CmykColor(cmykText);
    if (!color) {
      return {{}, TFileResult::Failure(QString::fromLatin1(kScribusColorText).arg(xml.lineNumber()))};
    }
    QString name = attributes.value(QStringLiteral("NAME")).toString();
    if (name.isEmpty()) name = QString::fromStdString(color->HexText());
    colors.emplace_back(*color, name.toStdU16String());
  }
  if (!rooted) return {{}, TFileResult::Failure(QString::fromLatin1(kScribusRootText))};
  if (xml.hasError()) {
    return {{}, TFileResult::Failure(QString::fromLatin1(kXmlBrokenText).arg(xml.lineNumber()).arg(xml.errorString()))};
  }
  return {std::move(colors), {}};
}

TReadResult<TColors> ReadScribusFile(const QString& fileName) {
  return ReadParsed(fileName, ParseScribusData);
}

QByteArray EncodeScribusData(const TColors& colors, const QString& paletteName) {
  QByteArray out;
  out.reserve(128 + qsizetype(colors.size()) * 64);
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<SCRIBUSCOLORS Name=\"";
  out += XmlAttributeText(paletteName).toUtf8();
  out += "\">\n";
  for (const TColorObjectFx& color : colors) {
    out += " <COLOR NAME=\"";
    out += XmlAttributeText(QString::fromStdU16String(color.Name())).toUtf8();
    out += "\" RGB=\"#";
    out += QByteArray::fromStdString(color.HexText()).toLower();
    out += "\" Spot=\"0\" Register=\"0\"/>\n";
  }
  out += "</SCRIBUSCOLORS>\n";
  return out;
}

TFileResult WriteScribusFile(const QString& fileName, const TColors& colors) {
  return SaveFileAtomically(fileName, EncodeScribusData(colors, QFileInfo(fileName).completeBaseName()));
}

}  // namespace tintorium
