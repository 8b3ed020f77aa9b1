#pragma once
// Language files: plain text, one key=value entry per line, grouped in sections named after windows.
//
// A section starts at the first line that contains its name anywhere (case-sensitive substring, so a header
// such as [MainForm] is the usual form, but any line containing the name counts). Its entries are the lines
// right after it that contain "="; the first line without "=" ends it. Key and value are split at the first
// "=" and taken exactly as written. Files come from anywhere, so reading is bounded and never trusts them.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace tintorium {

struct TLanguageEntry {
  QString key;
  QString value;
  bool operator==(const TLanguageEntry&) const = default;
};

/// What a window offers to the key rules; widgets implement it, the rules stay free of widgets.
class TLanguageTarget {
 public:
  virtual ~TLanguageTarget() = default;
  /// Whether a component has this name, compared without regard to letter case (never true for "").
  virtual bool HasComponent(const QString& name) const = 0;
  /// Sets the caption of the named components whose kind has one; other kinds ignore it.
  virtual void SetComponentText(const QString& name, const QString& value) = 0;
  /// The window's own title.
  virtual void SetCaption(const QString& value) = 0;
  /// Item `index` (0 or more; an index past the last item is ignored) of the named components: list-view
  /// column, tab, combo or list item, tree node.
  virtual void SetItemText(const QString& name, int index, const QString& value) = 0;
};

class TLanguageFile {
 public:
  /// Anything larger is not a language file; it is refused rather than read into memory.
  static constexpr qint64 kMaxFileBytes = 4 * 1024 * 1024;

  /// Reads a file. Nothing when it is missing, not a regular file, unreadable or larger than kMaxFileBytes.
  static std::optional<TLanguageFile> Load(const QString& path);
  /// The first value of `key` in `section` (as Section() finds it), read only as far as needed; nothing when
  /// the file or the key is missing.
  static std::optional<QString> PeekValue(const QString& path, const QString& section, const QString& key);
  /// Parses raw bytes: UTF-8 (with or without a byte order mark) when valid, otherwise Windows-1252.
  static TLanguageFile FromBytes(const QByteArray& bytes);

  /// The entries of a section in file order (duplicates kept: later ones win when applied).
  QList<TLanguageEntry> Section(const QString& name) const;
  const QStringList& Lines() const { return lines_; }

  /// Splits "key=value" at the first "="; nothing when the line has no "=".
  static std::optional<TLanguageEntry> SplitEntry(const QString& line);

 private:
  QStringList lines_;
};

/// Item indices have at most this many digits.
inline constexpr int kMaxItemIndexDigits = 4;

/// The section of the message texts.
inline constexpr char kGlobalSection[] = "Global";
/// The main window's section: the only one where VarAddAll means something.
inline constexpr char kMainFormSection[] = "MainForm";

/// Applies a window section's entries to `target` by the key rules: a component of that name; else
/// "Caption"; else "VarAddAll" (main window only); else a component name followed by an item index: the key's
/// trailing digits, taking as few as name a component (one first, so files written for one-digit indices keep
/// their meaning).
void ApplyLanguageEntries(const QList<TLanguageEntry>& entries, const QString& section, TLanguageTarget& target);

}  // namespace tintorium
