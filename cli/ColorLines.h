#pragma once
// The line `palette show` and `library show` print for one colour: name, model, values, hexadecimal text.

#include "CliCommand.h"
#include "JsonWriter.h"
#include "core/ColorObject.h"

#include <QString>

#include <string>

namespace tintorium::cli {

/// `text` in UTF-8 with tabs and line breaks made spaces, so one colour stays one tab-separated line.
std::string OneLine(const QString& text);

void PrintColorLine(const TCliIO& io, const QString& name, const TColorObject& color);

/// The same colour as a JSON object: {"name", "model", "values" (as the line prints them), "rgb" [R,G,B], "hex"}.
void WriteColorJson(TJsonWriter& json, const QString& name, const TColorObject& color);

}  // namespace tintorium::cli
