#include "engine/web/CssColorScanner.h"

#include "core/CssColor.h"

#include <algorithm>
#include <array>

namespace tintorium {
namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + ('a' - 'A'));
  }
  return out;
}

// At-rules whose block holds rules; every other at-rule's block holds declarations (@font-face, @page ...).
bool OpensBlockOfRules(std::string_view atName) {
  static constexpr std::array<std::string_view, 8> kNames{"media", "supports",       "document",  "layer",
                                                          "container", "scope", "starting-style", "keyframes"};
  std::string name = Lower(atName);
  for (const std::string_view vendor : {"-webkit-", "-moz-", "-ms-", "-o-"}) {
    if (name.starts_with(vendor)) name.erase(0, vendor.size());
  }
  return std::find(kNames.begin(), kNames.end(), name) != kNames.end();
}

bool IsHexLength(std::size_t length) { return length == 3 || length == 4 || length == 6 || length == 8; }

std::string OneSpaced(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool space = false;
  for (const char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
      space = !out.empty();
    } else {
      if (space) out.push_back(' ');
      space = false;
      out.push_back(c);
    }
  }
  return out;
}

}  // namespace

TCssColorScanner::TCssColorScanner(TCssColorMatchSink found, TCssText text, bool utf16Units)
    : found_(std::move(found)), tokenizer_(*this, utf16Units, text == TCssText::Scss), text_(text) {
  tokenizer_.SetTextWanted(false);
}

void TCssColorScanner::Restart(TCssText text) {
  tokenizer_.Reset();
  text_ = text;
  place_ = TPlace::Idle;
  blocks_.clear();
  deepBlocks_ = 0;
  StartValue();
  place_ = TPlace::Idle;
}

void TCssColorScanner::Finish() {
  tokenizer_.Finish();
  if (place_ == TPlace::Value) EndValue();
  Restart(text_);
}

void TCssColorScanner::Text(char32_t unit) {
  if (frames_.empty()) return;
  tokenizer_.AppendUnit(functionText_, unit);
  // Too long to be one colour: the open functions are no colours, what they hold may still be.
  if (functionText_.size() > kMaxFunctionText) {
    frames_.clear();
    functionText_.clear();
    tokenizer_.SetTextWanted(false);
  }
}

void TCssColorScanner::Token(TCssToken kind, std::string_view name, char32_t delim) {
  switch (place_) {
    case TPlace::Idle: ItemToken(kind, name); break;
    case TPlace::AfterName:
      if (kind == TCssToken::Whitespace) break;
      if (kind == TCssToken::Colon) {
        StartValue();
      } else {
        place_ = TPlace::Prelude;
        PreludeToken(kind);
      }
      break;
    case TPlace::Prelude:
    case TPlace::AtPrelude: PreludeToken(kind); break;
    case TPlace::Value: ValueToken(kind, name, delim); break;
  }
}

bool TCssColorScanner::InDeclarations() const {
  if (deepBlocks_ > 0) return true;
  if (blocks_.empty()) return text_ == TCssText::Declarations;
  return blocks_.back();
}

// The start of a rule, an at-rule or a declaration.
void TCssColorScanner::ItemToken(TCssToken kind, std::string_view name) {
  switch (kind) {
    case TCssToken::Whitespace:
    case TCssToken::Semicolon: break;
    case TCssToken::CloseCurly: CloseBlock(); break;
    case TCssToken::OpenCurly: OpenBlock(true); break;
    case TCssToken::AtKeyword:
      atBlockOfRules_ = OpensBlockOfRules(name);
      place_ = TPlace::AtPrelude;
      break;
    case TCssToken::Ident:
      if (InDeclarations() || (text_ == TCssText::Scss && name.starts_with('$'))) {
        property_.assign(name);
        place_ = TPlace::AfterName;
      } else {
        place_ = TPlace::Prelude;
      }
      break;
    default:
      place_ = TPlace::Prelude;
      PreludeToken(kind);
  }
}

// Selectors and at-rule preludes: no colours, only where they end.
void TCssColorScanner::PreludeToken(TCssToken kind) {
  if (kind == TCssToken::OpenCurly) {
    OpenBlock(place_ != TPlace::AtPrelude || !atBlockOfRules_);
  } else if (kind == TCssToken::Semicolon) {
    place_ = TPlace::Idle;
  } else if (kind == TCssToken::CloseCurly) {
    CloseBlock();
  }
}

void TCssColorScanner::OpenBlock(bool declarations) {
  if (blocks_.size() < kMaxNesting) {
    blocks_.push_back(declarations);
  } else {
    ++deepBlocks_;
  }
  place_ = TPlace::Idle;
}

void TCssColorScanner::CloseBlock() {
  if (deepBlocks_ > 0) {
    --deepBlocks_;
  } else if (!blocks_.empty()) {
    blocks_.pop_back();
  }
  place_ = TPlace::Idle;
}

void TCssColorScanner::StartValue() {
  place_ = TPlace::Value;
  closers_.clear();
  deepBrackets_ = 0;
  broken_ = false;
  important_ = false;
  held_.clear();
  frames_.clear();
  functionText_.clear();
  tokenizer_.SetTextWanted(false);
}

void TCssColorScanner::ValueToken(TCssToken kind, std::string_view name, char32_t delim) {
  const bool open = !closers_.empty() || deepBrackets_ > 0;
  switch (kind) {
    case TCssToken::Semicolon:
      if (open) {
        Break();
      } else {
        EndValue();
        place_ = TPlace::Idle;
      }
      break;
    case TCssToken::CloseCurly:
      if (!open) {
        EndValue();
        CloseBlock();
      } else {
        CloseBracket('}');
      }
      break;
    case TCssToken::OpenCurly:
      if (text_ == TCssText::Scss && !open) {
        // SCSS nests rules without "&": what looked like a declaration was a selector.
        StartValue();
        OpenBlock(true);
        break;
      }
      Break();
      OpenBracket('}', {});
      break;
    case TCssToken::OpenParen: OpenBracket(')', {}); break;
    case TCssToken::OpenSquare: OpenBracket(']', {}); break;
    case TCssToken::Function: OpenBracket(')', name); break;
    case TCssToken::CloseParen: CloseBracket(')'); break;
    case TCssToken::CloseSquare: CloseBracket(']'); break;
    case TCssToken::Ident:
      if (IsCssColorName(name)) Hold(std::string(name));
      break;
    case TCssToken::Hash:
      if (IsHexLength(name.size())) Hold('#' + std::string(name));
      break;
    case TCssToken::Delim:
      if (delim == '!') {
        important_ = true;
      } else if (delim != '*' && delim != '/' && delim != '+' && delim != '-') {
        Break();
      }
      break;
    case TCssToken::Colon:
    case TCssToken::AtKeyword:
    case TCssToken::BadString: Break(); break;
    case TCssToken::Whitespace:
    case TCssToken::String:
    case TCssToken::Url:
    case TCssToken::Number:
    case TCssToken::Comma: break;
  }
}

// A CSS parser drops the whole declaration; its brackets are still followed to find where it ends.
void TCssColorScanner::Break() {
  broken_ = true;
  held_.clear();
  frames_.clear();
  functionText_.clear();
  tokenizer_.SetTextWanted(false);
}

void TCssColorScanner::OpenBracket(char closer, std::string_view function) {
  if (closers_.size() >= kMaxNesting) {
    ++deepBrackets_;
    return;
  }
  closers_.push_back(closer);
  if (function.empty() || broken_ || important_ || !IsCssColorFunction(function)) return;
  // The function's name and "(" have already passed through Text when an outer function is open.
  const std::size_t start = frames_.empty() ? 0 : functionText_.size() - function.size() - 1;
  if (frames_.empty()) functionText_.assign(function).push_back('(');
  frames_.push_back({start, held_.size(), closers_.size()});
  tokenizer_.SetTextWanted(true);
}

void TCssColorScanner::CloseBracket(char closer) {
  if (deepBrackets_ > 0) {
    --deepBrackets_;
    return;
  }
  if (closers_.empty() || closers_.back() != closer) {
    Break();
    return;
  }
  if (!frames_.empty() && frames_.back().Depth == closers_.size()) CloseFrame({});
  closers_.pop_back();
}

// `closers`: the brackets the text still leaves open, closed as the end of the text closes them.
void TCssColorScanner::CloseFrame(std::string_view closers) {
  const TFrame frame = frames_.back();
  frames_.pop_back();
  std::string text = functionText_.substr(frame.TextStart);
  text.append(closers);
  if (frames_.empty()) {
    functionText_.clear();
    tokenizer_.SetTextWanted(false);
  }
  const std::optional<TCssColor> color = ParseCssColor(text);
  if (!color) return;
  held_.resize(frame.HeldStart);
  held_.push_back({color->Color, OneSpaced(text), property_});
}

void TCssColorScanner::Hold(const std::string& notation) {
  if (broken_ || important_) return;
  const std::optional<TCssColor> color = ParseCssColor(notation);
  if (!color) return;
  held_.push_back({color->Color, notation, property_});
  // A declaration of endless colours is handed on in parts, so memory stays bounded.
  if (frames_.empty() && held_.size() >= kMaxHeldColors) {
    for (const TCssColorMatch& match : held_) found_(match);
    held_.clear();
  }
}

void TCssColorScanner::EndValue() {
  while (!frames_.empty() && !broken_) {
    std::string closers(closers_.begin() + static_cast<std::ptrdiff_t>(frames_.back().Depth - 1), closers_.end());
    std::reverse(closers.begin(), closers.end());
    CloseFrame(closers);
  }
  if (!broken_) {
    for (const TCssColorMatch& match : held_) found_(match);
  }
  held_.clear();
  place_ = TPlace::Idle;
}

}  // namespace tintorium
