#include "engine/web/HtmlStyleScanner.h"

namespace tintorium {
namespace {

bool IsSpace(char32_t c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsLetter(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
char LowerAscii(char32_t c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c); }

}  // namespace

THtmlStyleScanner::THtmlStyleScanner(TCssColorMatchSink found, bool utf16Units)
    : css_(std::move(found), TCssText::StyleSheet, utf16Units) {}

void THtmlStyleScanner::Put(char32_t unit) { Step(unit); }

void THtmlStyleScanner::Finish() {
  if (state_ == TState::RawText && styleText_) {
    for (const char c : held_) css_.Put(static_cast<unsigned char>(c));
    css_.Finish();
  } else if ((state_ == TState::QuotedValue || state_ == TState::UnquotedValue) && styleValue_) {
    css_.Finish();
  }
  state_ = TState::Text;
  held_.clear();
  matched_ = 0;
  styleValue_ = false;
}

void THtmlStyleScanner::StartValue() {
  styleValue_ = attributeName_ == "style";
  if (styleValue_) css_.Restart(TCssText::Declarations);
}

void THtmlStyleScanner::EndValue() {
  if (styleValue_) css_.Finish();
  styleValue_ = false;
  state_ = TState::BeforeAttribute;
}

void THtmlStyleScanner::EndStartTag() {
  state_ = TState::Text;
  matched_ = 0;
  held_.clear();
  if (tagName_ == "style") {
    state_ = TState::RawText;
    styleText_ = true;
    endTag_ = "</style";
    css_.Restart(TCssText::StyleSheet);
  } else if (tagName_ == "script") {
    state_ = TState::RawText;
    styleText_ = false;
    endTag_ = "</script";
  }
}

// The end tag is matched in any letter case; the characters that might begin it wait, so that the style sheet
// ends exactly where the element does.
void THtmlStyleScanner::RawTextUnit(char32_t c) {
  if (c < 0x80 && LowerAscii(c) == endTag_[matched_]) {
    held_.push_back(static_cast<char>(c));
    if (++matched_ < endTag_.size()) return;
    if (styleText_) css_.Finish();
    held_.clear();
    matched_ = 0;
    state_ = TState::Bogus;
    return;
  }
  if (matched_ > 0) {
    if (styleText_) {
      for (const char h : held_) css_.Put(static_cast<unsigned char>(h));
    }
    held_.clear();
    matched_ = 0;
    RawTextUnit(c);
    return;
  }
  if (styleText_) css_.Put(c);
}

void THtmlStyleScanner::Step(char32_t c) {
  switch (state_) {
    case TState::Text:
      if (c == '<') state_ = TState::TagOpen;
      break;
    case TState::TagOpen:
      if (c == '!') {
        state_ = TState::Markup;
        dashes_ = 0;
      } else if (c == '/' || c == '?') {
        state_ = TState::Bogus;
      } else if (IsLetter(c)) {
        state_ = TState::TagName;
        tagName_.assign(1, LowerAscii(c));
      } else {
        state_ = TState::Text;
        Step(c);
      }
      break;
    case TState::Markup:
      if (c == '-' && ++dashes_ == 2) {
        state_ = TState::Comment;
        dashes_ = 0;
      } else if (c != '-') {
        state_ = c == '>' ? TState::Text : TState::Bogus;
      }
      break;
    case TState::Comment:
      if (c == '>' && dashes_ >= 2) {
        state_ = TState::Text;
      } else {
        dashes_ = c == '-' ? dashes_ + 1 : 0;
      }
      break;
    case TState::Bogus:
      if (c == '>') state_ = TState::Text;
      break;
    case TState::TagName:
      if (IsSpace(c) || c == '/') {
        state_ = TState::BeforeAttribute;
      } else if (c == '>') {
        EndStartTag();
      } else if (tagName_.size() < kMaxTagName) {
        tagName_.push_back(LowerAscii(c));
      }
      break;
    case TState::BeforeAttribute:
      if (c == '>') {
        EndStartTag();
      } else if (!IsSpace(c) && c != '/') {
        state_ = TState::AttributeName;
        attributeName_.assign(1, LowerAscii(c));
      }
      break;
    case TState::AttributeName:
      if (IsSpace(c)) {
        state_ = TState::AfterAttributeName;
      } else if (c == '/') {
        state_ = TState::BeforeAttribute;
      } else if (c == '=') {
        state_ = TState::BeforeValue;
      } else if (c == '>') {
        EndStartTag();
      } else if (attributeName_.size() < kMaxTagName) {
        attributeName_.push_back(LowerAscii(c));
      }
      break;
    case TState::AfterAttributeName:
      if (c == '=') {
        state_ = TState::BeforeValue;
      } else if (c == '>') {
        EndStartTag();
      } else if (c == '/') {
        state_ = TState::BeforeAttribute;
      } else if (!IsSpace(c)) {
        state_ = TState::AttributeName;
        attributeName_.assign(1, LowerAscii(c));
      }
      break;
    case TState::BeforeValue:
      if (c == '"' || c == '\'') {
        quote_ = c;
        StartValue();
        state_ = TState::QuotedValue;
      } else if (c == '>') {
        EndStartTag();
      } else if (!IsSpace(c)) {
        StartValue();
        state_ = TState::UnquotedValue;
        Step(c);
      }
      break;
    case TState::QuotedValue:
      if (c == quote_) {
        EndValue();
      } else if (styleValue_) {
        css_.Put(c);
      }
      break;
    case TState::UnquotedValue:
      if (IsSpace(c)) {
        EndValue();
      } else if (c == '>') {
        EndValue();
        EndStartTag();
      } else if (styleValue_) {
        css_.Put(c);
      }
      break;
    case TState::RawText: RawTextUnit(c); break;
  }
}

}  // namespace tintorium
