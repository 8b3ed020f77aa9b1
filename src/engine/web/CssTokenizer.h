#pragma once
// The tokens of CSS Syntax Level 3, cut from text that arrives one character at a time.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace tintorium {

enum class TCssToken : std::uint8_t {
  Whitespace,
  Ident,
  Function,   // an identifier and its "(": the name without it
  AtKeyword,  // the name without "@"
  Hash,       // the name without "#"
  String,
  BadString,  // a string cut by an unescaped line end
  Url,        // an unquoted url(...), ")" included
  Number,     // numbers, percentages and dimensions alike
  Delim,      // any other single character
  Colon,
  Semicolon,
  Comma,
  OpenParen,
  CloseParen,
  OpenSquare,
  CloseSquare,
  OpenCurly,
  CloseCurly,
};

/// Hears the tokens, and every character outside comments as it passes (a comment passes as one space).
class TCssTokenListener {
 public:
  virtual void Token(TCssToken kind, std::string_view name, char32_t delim) = 0;
  virtual void Text(char32_t unit) = 0;

 protected:
  ~TCssTokenListener() = default;
};

/// Units are bytes (of an 8-bit or UTF-8 text) or UTF-16 code units: only ASCII has a meaning of its own,
/// every other unit is a name character. Names longer than kMaxCssName bytes are cut there.
class TCssTokenizer {
 public:
  static constexpr std::size_t kMaxCssName = 256;

  /// `scss`: "$" starts a name and "//" a comment running to the line end.
  TCssTokenizer(TCssTokenListener& listener, bool utf16Units, bool scss);

  void Put(char32_t unit);
  /// The text has ended: a token in progress is handed on; an open comment or string just ends.
  void Finish();
  /// Forgets everything in progress, as at the start of a new text.
  void Reset();

  /// Whether the listener hears Text at all; off, the characters cost nothing more than the tokens.
  void SetTextWanted(bool wanted) { textWanted_ = wanted; }

  /// `name` as UTF-8 (UTF-16 units) or as the bytes they are, appended to `out`.
  void AppendUnit(std::string& out, char32_t unit) const;

 private:
  enum class TState : std::uint8_t {
    Data,
    Slash,        // "/": a comment or a delimiter
    Comment,      // inside /* */
    CommentStar,  // inside /* */ after "*"
    LineComment,  // SCSS "//" to the line end
    String,
    StringEscape,
    Ident,
    IdentEscape,  // after "\" inside a name
    Minus,        // "-": a number, a name or a delimiter
    Dot,          // ".": a number or a delimiter
    Number,
    Hash,         // "#": a hash token or a delimiter
    At,           // "@": an at-keyword or a delimiter
    UrlStart,     // after "url(": spaces, then a quote or an unquoted address
    Url,
    Backslash,    // "\" at the start of a token
  };

  bool Step(char32_t c);  // false: the character ends the token in progress and is read again
  void Emit(TCssToken kind, char32_t delim = 0);
  void Keep(char32_t c);
  void StartName(TState state);
  void EndIdent();

  TCssTokenListener& listener_;
  bool utf16_;
  bool scss_;
  bool textWanted_ = true;
  TState state_ = TState::Data;
  std::string_view Name() const { return {name_.data(), nameLength_}; }

  // A fixed buffer: names are collected a character at a time, the hottest path of the scan.
  std::array<char, kMaxCssName + 3> name_{};
  std::size_t nameLength_ = 0;
  char32_t quote_ = 0;
  TCssToken after_ = TCssToken::Ident;  // what Ident state makes of its name: an identifier or an at-keyword
};

}  // namespace tintorium
