#pragma once
// Reading W3C Design Tokens files (.tokens.json): the colour tokens, at any depth of groups.

#include "core/ColorObject.h"
#include "engine/files/FileResult.h"

#include <QByteArrayView>
#include <QString>

namespace tintorium {

/// The largest file read; a bigger one fails as unreadable rather than being held in memory.
inline constexpr qint64 kMaxDesignTokensBytes = qint64(16) * 1024 * 1024;
/// Groups nested deeper than this are not entered.
inline constexpr int kMaxDesignTokenDepth = 64;

/// True for a path ending in ".tokens.json" (any letter case).
bool IsDesignTokensPath(const QString& path);

/// The colour tokens of a Design Tokens document, in document order: a token is an object with "$value" whose
/// "$type" (its own, or the nearest group's) is "color", or that has no type and a value that reads as a colour.
/// A value is a CSS colour text (every notation ParseCssColor reads; alpha dropped) or an object
/// {"colorSpace": "srgb", "components": [r, g, b]} with components 0-1 (another colour space needs a "hex"
/// member). A token inside groups is named "group / name". Other tokens, aliases ("{a.b}") and values that read
/// as no colour are skipped. Text that is no JSON object fails with "Could not read file!".
TReadResult<TColors> ParseDesignTokens(QByteArrayView json);

/// The same for a file. A missing file fails with "File not found", one over kMaxDesignTokensBytes (or a pipe
/// that goes on beyond it) with "Could not read file!".
TReadResult<TColors> ReadDesignTokensFile(const QString& fileName);

}  // namespace tintorium
