#include "engine/web/CssTokenizer.h"

namespace tintorium {
namespace {

bool IsWhitespace(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLineEnd(char32_t c) { return c == '\n' || c == '\r' || c == '\f'; }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsNameStart(char32_t c, bool scss) { return IsLetter(c) || c == '_' || c >= 0x80 || (scss && c == '$'); }
bool IsNameChar(char32_t c) { return IsLetter(c) || IsDigit(c) || c == '_' || c == '-' || c >= 0x80; }

bool IsUrl(std::string_view name) {
  return name.size() == 3 && (name[0] | 0x20) == 'u' && (name[1] | 0x20) == 'r' && (name[2] | 0x20) == 'l';
}

}  // namespace

TCssTokenizer::TCssTokenizer(TCssTokenListener& listener, bool utf16Units, bool scss)
    : listener_(listener), utf16_(utf16Units), scss_(scss) {}

void TCssTokenizer::AppendUnit(std::string& out, char32_t unit) const {
  if (unit < 0x80 || !utf16_) {
    out.push_back(static_cast<char>(unit));
  } else if (unit < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
    out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
  }
}

void TCssTokenizer::Reset() {
  state_ = TState::Data;
  nameLength_ = 0;
  after_ = TCssToken::Ident;
}

void TCssTokenizer::Put(char32_t unit) {
  const bool inComment = state_ == TState::Comment || state_ == TState::CommentStar ||
                         state_ == TState::LineComment || state_ == TState::Slash;
  // A "/" where a comment may start is passed on only once it is known not to start one.
  const bool slashWaits = unit == '/' && state_ != TState::String && state_ != TState::StringEscape &&
                          state_ != TState::Url && state_ != TState::UrlStart && state_ != TState::IdentEscape &&
                          state_ != TState::Backslash;
  if (textWanted_ && !inComment && !slashWaits) listener_.Text(unit);
  while (!Step(unit)) {
  }
}

void TCssTokenizer::Finish() {
  switch (state_) {
    case TState::Ident:
    case TState::IdentEscape: EndIdent(); break;
    case TState::Number: Emit(TCssToken::Number); break;
    case TState::Hash: nameLength_ == 0 ? Emit(TCssToken::Delim, '#') : Emit(TCssToken::Hash); break;
    case TState::At: Emit(TCssToken::Delim, '@'); break;
    case TState::Minus: Emit(TCssToken::Delim, '-'); break;
    case TState::Dot: Emit(TCssToken::Delim, '.'); break;
    case TState::Backslash: Emit(TCssToken::Delim, '\\'); break;
    case TState::Slash:
      if (textWanted_) listener_.Text('/');
      Emit(TCssToken::Delim, '/');
      break;
    case TState::String:
    case TState::StringEscape: Emit(TCssToken::String); break;
    case TState::UrlStart:
    case TState::Url: Emit(TCssToken::Url); break;
    case TState::Data:
    case TState::Comment:
    case TState::CommentStar:
    case TState::LineComment: break;
  }
  Reset();
}

void TCssTokenizer::Emit(TCssToken kind, char32_t delim) {
  state_ = TState::Data;
  listener_.Token(kind, Name(), delim);
  nameLength_ = 0;
}

void TCssTokenizer::Keep(char32_t c) {
  if (nameLength_ >= kMaxCssName) return;
  if (c < 0x80 || !utf16_) {
    name_[nameLength_++] = static_cast<char>(c);
    return;
  }
  std::string encoded;
  AppendUnit(encoded, c);
  for (const char b : encoded) name_[nameLength_++] = b;
}

void TCssTokenizer::StartName(TState state) {
  nameLength_ = 0;
  state_ = state;
}

void TCssTokenizer::EndIdent() {
  const TCssToken kind = after_;
  after_ = TCssToken::Ident;
  Emit(kind);
}

bool TCssTokenizer::Step(char32_t c) {
  switch (state_) {
    case TState::Data:
      if (IsWhitespace(c)) {
        Emit(TCssToken::Whitespace);
      } else if (c == '"' || c == '\'') {
        quote_ = c;
        StartName(TState::String);
      } else if (c == '#') {
        StartName(TState::Hash);
      } else if (c == '/') {
        state_ = TState::Slash;
      } else if (c == '-') {
        StartName(TState::Minus);
      } else if (c == '.') {
        state_ = TState::Dot;
      } else if (c == '@') {
        state_ = TState::At;
      } else if (c == '\\') {
        state_ = TState::Backslash;
      } else if (IsDigit(c)) {
        state_ = TState::Number;
      } else if (IsNameStart(c, scss_)) {
        StartName(TState::Ident);
        Keep(c);
      } else {
        switch (c) {
          case '(': Emit(TCssToken::OpenParen); break;
          case ')': Emit(TCssToken::CloseParen); break;
          case '[': Emit(TCssToken::OpenSquare); break;
          case ']': Emit(TCssToken::CloseSquare); break;
          case '{': Emit(TCssToken::OpenCurly); break;
          case '}': Emit(TCssToken::CloseCurly); break;
          case ',': Emit(TCssToken::Comma); break;
          case ':': Emit(TCssToken::Colon); break;
          case ';': Emit(TCssToken::Semicolon); break;
          default: Emit(TCssToken::Delim, c);
        }
      }
      return true;
    case TState::Slash:
      if (c == '*') {
        if (textWanted_) listener_.Text(' ');
        state_ = TState::Comment;
        return true;
      }
      if (scss_ && c == '/') {
        if (textWanted_) listener_.Text(' ');
        state_ = TState::LineComment;
        return true;
      }
      if (textWanted_) listener_.Text('/');
      Emit(TCssToken::Delim, '/');
      if (textWanted_ && c != '/') listener_.Text(c);
      return false;
    case TState::Comment:
      if (c == '*') state_ = TState::CommentStar;
      return true;
    case TState::CommentStar:
      if (c == '/') {
        state_ = TState::Data;
      } else if (c != '*') {
        state_ = TState::Comment;
      }
      return true;
    case TState::LineComment:
      if (!IsLineEnd(c)) return true;
      state_ = TState::Data;
      if (textWanted_) listener_.Text(c);
      return false;
    case TState::String:
      if (c == quote_) {
        Emit(TCssToken::String);
        return true;
      }
      if (IsLineEnd(c)) {
        Emit(TCssToken::BadString);
        return false;
      }
      if (c == '\\') state_ = TState::StringEscape;
      return true;
    case TState::StringEscape: state_ = TState::String; return true;
    case TState::Ident:
      if (IsNameChar(c)) {
        Keep(c);
        return true;
      }
      if (c == '\\') {
        state_ = TState::IdentEscape;
        return true;
      }
      if (c == '(' && after_ == TCssToken::Ident) {
        if (IsUrl(Name())) {
          state_ = TState::UrlStart;
        } else {
          Emit(TCssToken::Function);
        }
        return true;
      }
      EndIdent();
      return false;
    case TState::IdentEscape:
      if (IsLineEnd(c)) {
        EndIdent();
        Emit(TCssToken::Delim, '\\');
        return false;
      }
      Keep('\\');
      Keep(c);
      state_ = TState::Ident;
      return true;
    case TState::Backslash:
      if (IsLineEnd(c)) {
        Emit(TCssToken::Delim, '\\');
        return false;
      }
      StartName(TState::Ident);
      Keep('\\');
      Keep(c);
      return true;
    case TState::Minus:
      if (IsDigit(c) || c == '.') {
        state_ = TState::Number;
        return true;
      }
      if (IsNameStart(c, scss_) || c == '-' || c == '\\') {
        state_ = TState::Ident;
        Keep('-');
        return false;
      }
      Emit(TCssToken::Delim, '-');
      return false;
    case TState::Dot:
      if (IsDigit(c)) {
        state_ = TState::Number;
        return true;
      }
      Emit(TCssToken::Delim, '.');
      return false;
    case TState::Number:
      if (IsNameChar(c) || c == '.' || c == '%') return true;
      Emit(TCssToken::Number);
      return false;
    case TState::Hash:
      if (IsNameChar(c)) {
        Keep(c);
        return true;
      }
      nameLength_ == 0 ? Emit(TCssToken::Delim, '#') : Emit(TCssToken::Hash);
      return false;
    case TState::At:
      if (IsNameStart(c, scss_) || c == '-') {
        after_ = TCssToken::AtKeyword;
        StartName(TState::Ident);
        return false;
      }
      Emit(TCssToken::Delim, '@');
      return false;
    case TState::UrlStart:
      if (IsWhitespace(c)) return true;
      if (c == '"' || c == '\'') {
        Emit(TCssToken::Function);
        return false;
      }
      if (c == ')') {
        Emit(TCssToken::Url);
        return true;
      }
      state_ = TState::Url;
      return true;
    case TState::Url:
      if (c == ')') Emit(TCssToken::Url);
      return true;
  }
  return true;
}

}  // namespace tintorium
