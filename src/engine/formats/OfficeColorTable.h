#pragma once
// LibreOffice colour tables (.soc): an XML `office:color-table` of `draw:color` entries, each with `draw:name`
// and `draw:color="#rrggbb"`, UTF-8.
//
// Errors follow FileResult.h: "File not found" (sFileNotFound), "Could not read file!" (sCantOpen),
// kSocRootText for XML whose root is not the colour table, kSocColorText for an entry without a "#rrggbb"
// colour, kXmlBrokenText for text that is not well-formed XML, "Could not save file!" (sCantSave).

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace tintorium {

inline constexpr const char* kSocRootText = "This is not a LibreOffice color table: its root is not a color-table.";
/// %1 is the line number.
inline constexpr const char* kSocColorText = "The color on line %1 of the color table is not a #rrggbb color.";
/// %1 is the line number, %2 the XML reader's message.
inline constexpr const char* kXmlBrokenText = "The file is damaged: line %1 is not well-formed XML (%2).";

/// The namespaces LibreOffice writes on the root, in its order.
inline constexpr const char* kDrawNamespace = "http://openoffice.org/2000/drawing";

/// Every `draw:color` of the table in file order, in cmRGB, named by `draw:name` (by the HexText when empty).
/// The root is any `color-table` element (LibreOffice's own files use three office namespaces); entries are
/// matched by the drawing namespace (2000 or ODF's), not by prefix; anything else is skipped. A failure
/// returns no colours.
TReadResult<TColors> ParseSocData(QByteArrayView data);
TReadResult<TColors> ReadSocFile(const QString& fileName);

/// The table as LibreOffice writes it: the XML declaration, the root with LibreOffice's namespaces, one
/// `draw:color` line per colour (GetRGB as lower-case "#rrggbb"; the name escaped, characters XML cannot hold
/// as U+FFFD). Saved through a temporary file.
QByteArray EncodeSocData(const TColors& colors);
TFileResult WriteSocFile(const QString& fileName, const TColors& colors);

/// `text` escaped for an XML attribute value in double quotes: & < > " and tab, line feed and carriage
/// return as character references; other characters XML 1.0 cannot hold (controls, lone surrogates) as U+FFFD.
QString XmlAttributeText(const QString& text);

}  // namespace tintorium
