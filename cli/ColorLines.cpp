#include "ColorLines.h"

#include <cstdio>

namespace tintorium::cli {

std::string OneLine(const QString& text) {
  QString line = text;
  for (QChar& c : line) {
    if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
  }
  return line.toUtf8().toStdString();
}

void PrintColorLine(const TCliIO& io, const QString& name, const TColorObject& color) {
  std::string model;
  ModelName(color.Model(), model);
  std::fprintf(io.out, "%s\t%s\t%s\t%s\n", OneLine(name).c_str(), model.empty() ? "?" : model.c_str(),
               color.ValuesText().c_str(), color.HexText().c_str());
}

void WriteColorJson(TJsonWriter& json, const QString& name, const TColorObject& color) {
  std::string model;
  ModelName(color.Model(), model);
  const TRGBValues rgb = color.GetRGB();
  json.BeginObject()
      .Member("name", name.toUtf8().toStdString())
      .Member("model", model.empty() ? "?" : model)
      .Member("values", color.ValuesText())
      .Key("rgb")
      .BeginArray()
      .Integer(rgb.R)
      .Integer(rgb.G)
      .Integer(rgb.B)
      .EndArray()
      .Member("hex", color.HexText())
      .EndObject();
}

}  // namespace tintorium::cli
