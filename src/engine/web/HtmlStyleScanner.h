#pragma once
// The CSS of an HTML page, the text of its <style> elements and of its style="..." attributes, handed to a colour
// scanner as it passes; everything else of the page is skipped.

#include "engine/web/CssColorScanner.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace tintorium {

class THtmlStyleScanner {
 public:
  THtmlStyleScanner(TCssColorMatchSink found, bool utf16Units);

  void Put(char32_t unit);
  void Finish();

 private:
  enum class TState : std::uint8_t {
    Text,
    TagOpen,       // after "<"
    Markup,        // after "<!"
    Comment,       // inside <!-- -->
    Bogus,         // <?...>, <!DOCTYPE ...>, an end tag: skipped to ">"
    TagName,
    BeforeAttribute,
    AttributeName,
    AfterAttributeName,
    BeforeValue,
    QuotedValue,
    UnquotedValue,
    RawText,       // the content of <style> or <script>, up to its end tag
  };
  static constexpr std::size_t kMaxTagName = 16;

  void Step(char32_t c);
  void EndStartTag();
  void RawTextUnit(char32_t c);
  void StartValue();
  void EndValue();

  TCssColorScanner css_;
  TState state_ = TState::Text;
  std::string tagName_;       // lower case, cut at kMaxTagName
  std::string attributeName_;  // lower case, cut at kMaxTagName
  char32_t quote_ = 0;
  bool styleValue_ = false;   // the attribute value in progress is a style attribute
  bool styleText_ = false;    // the raw text in progress is a style element's
  std::string endTag_;        // "</style" or "</script"
  std::size_t matched_ = 0;   // the characters of endTag_ seen so far; held back from the scanner
  std::string held_;          // those characters as they were written
  int dashes_ = 0;            // "-" seen at the end of a comment, or at the start after "<!"
};

}  // namespace tintorium
