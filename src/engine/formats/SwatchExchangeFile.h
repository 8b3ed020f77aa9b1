#pragma once
// Adobe Swatch Exchange files (.ase): reader and writer. Big-endian: "ASEF", version 1.0 (two 16-bit words),
// a 32-bit block count, then blocks of a 16-bit type, a 32-bit length and that many bytes: a colour (0x0001),
// a group start (0xC001) or a group end (0xC002). Names are a 16-bit length in UTF-16 code units that counts
// the terminating zero, then the code units. A colour holds its name, a four-letter model ("RGB ", "CMYK",
// "LAB ", "Gray"), 32-bit floats (3, 4, 3 or 1) and a 16-bit colour type (0 global, 1 spot, 2 normal).
//
// Errors follow interchange/FileResult.h: "File not found" (sFileNotFound), "Could not read file!" (sCantOpen),
// kAseSignatureText, kAseVersionText, kTruncatedText (the file ends before the blocks it announces),
// kAseBlockText (a block's contents run past its length), kAseModelText, kAseNumberText, "Could not save
// file!" (sCantSave).

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace tintorium {

inline constexpr const char* kAseSignatureText =
    "This is not an Adobe Swatch Exchange file: it does not start with \"ASEF\".";
/// %1 is the version found, as "major.minor".
inline constexpr const char* kAseVersionText =
    "Adobe Swatch Exchange version %1 is not supported; only version 1.0 is.";
/// %1 is the block's number, counted from 1.
inline constexpr const char* kAseBlockText = "The file is damaged: block %1 is shorter than what it holds.";
/// %1 is the block's number, %2 the model as found.
inline constexpr const char* kAseModelText = "Block %1 holds a colour in an unknown model (\"%2\").";
/// %1 is the block's number.
inline constexpr const char* kAseNumberText = "The file is damaged: the colour in block %1 has a value that is not a number.";

/// What separates a group's name from a colour's name in the names AseColorObjects gives.
inline constexpr char16_t kAseGroupSeparator[] = u" / ";

enum class TAseModel : std::uint8_t { RGB, CMYK, Lab, Gray };

/// The colour type word; any other value a file holds is kept as it is.
enum TAseColorType : std::uint16_t { actGlobal = 0, actSpot = 1, actNormal = 2 };

struct TAseSwatch {
  QString Name;   // as stored, up to its terminating zero; may be empty
  QString Group;  // the group the colour stands in; empty outside any group
  TAseModel Model = TAseModel::RGB;
  /// As stored (finite): RGB, CMYK and Gray 0-1; Lab L 0-1 (a fraction of 100) and a, b as they are.
  std::array<float, 4> Values{};
  std::uint16_t Type = actNormal;
  /// The colour in the core's models: RGB and Gray in cmRGB, CMYK in cmCMYK (per cent, through CMYKToRGB),
  /// Lab in cmLAB (L = stored L x 100). Values are rounded and limited to each model's range.
  TColorObject Color;
};

/// Reads every colour in file order. Groups do not nest: a group start ends the group still open, as
/// Illustrator reads it (writers often leave out group ends); a group end outside a group is ignored, and a
/// group still open at the end of the file ends there. Unknown block types are skipped by their length;
/// bytes a block holds after its contents, and bytes after the announced blocks, are ignored. Nothing the
/// file merely claims is allocated. On failure no colours are returned.
TReadResult<std::vector<TAseSwatch>> ReadAseFile(const QString& fileName);
TReadResult<std::vector<TAseSwatch>> ParseAseData(QByteArrayView data);

/// Writes version 1.0 with one normal RGB colour block per entry, no groups: GetRGB (limited to 0-255) / 255
/// as floats, and the name (cut to 65534 code units, never inside a surrogate pair). Saved through a temporary
/// file, so a failure leaves the previous file intact.
TFileResult WriteAseFile(const QString& fileName, const TColors& colors);
QByteArray EncodeAseData(const TColors& colors);

/// Colour objects as TAseSwatch::Color, named "group / name" inside a group and "name" outside; an empty
/// name is replaced by the colour's HexText. Writing these names and reading them back gives them unchanged.
TColors AseColorObjects(const std::vector<TAseSwatch>& swatches);

}  // namespace tintorium
