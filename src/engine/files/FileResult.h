#pragma once
// How every engine reader and writer reports its outcome.
//
// Convention for the whole engine: readers and writers never throw for a missing, damaged or hostile file or
// for an input/output failure. They return a TFileResult (writers) or a TReadResult<T> (readers). A failure
// carries the text to show the user (Message) and, when the text is one of the program's language texts, its
// language key (MessageKey, e.g. "sCantOpen"), so a window can show the translated text instead. Showing the
// message is the caller's job; the engine never opens a window.

#include <QString>

#include <utility>

namespace tintorium {

/// Language keys and English texts of the messages the engine reports.
inline constexpr const char* kCantOpenKey = "sCantOpen";
inline constexpr const char* kCantOpenText = "Could not read file!";
inline constexpr const char* kCantSaveKey = "sCantSave";
inline constexpr const char* kCantSaveText = "Could not save file!";
inline constexpr const char* kFileNotFoundKey = "sFileNotFound";
inline constexpr const char* kFileNotFoundText = "File not found";

class [[nodiscard]] TFileResult {
 public:
  /// Success.
  TFileResult() = default;
  static TFileResult Failure(QString message, QString messageKey = {}) {
    TFileResult result;
    result.ok_ = false;
    result.message_ = std::move(message);
    result.messageKey_ = std::move(messageKey);
    return result;
  }
  static TFileResult CantOpen() { return Failure(QString::fromLatin1(kCantOpenText), QString::fromLatin1(kCantOpenKey)); }
  static TFileResult CantSave() { return Failure(QString::fromLatin1(kCantSaveText), QString::fromLatin1(kCantSaveKey)); }
  static TFileResult FileNotFound() {
    return Failure(QString::fromLatin1(kFileNotFoundText), QString::fromLatin1(kFileNotFoundKey));
  }

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  /// Empty on success.
  const QString& Message() const { return message_; }
  /// Language key of Message, or empty when the text has none.
  const QString& MessageKey() const { return messageKey_; }

 private:
  bool ok_ = true;
  QString message_;
  QString messageKey_;
};

/// A reader's value and outcome. On failure Value holds whatever the reader documents (usually nothing).
template <typename T>
struct [[nodiscard]] TReadResult {
  T Value{};
  TFileResult Status;

  bool Ok() const { return Status.Ok(); }
  explicit operator bool() const { return Status.Ok(); }
};

}  // namespace tintorium
