#pragma once
// The colours a style sheet uses, in every CSS Color 4 notation: hexadecimal, the colour functions and the named
// colours, where a CSS parser sees a colour: in property values, never in selectors, comments or strings.

#include "core/ColorTypes.h"
#include "engine/web/CssTokenizer.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tintorium {

/// One colour found. Alpha is dropped.
struct TCssColorMatch {
  TColor Color = clBlack;
  std::string Notation;  // as written, each run of spaces and comments made one space
  std::string Property;  // the declaration's property as written: "color", "--accent", "$brand"
};
using TCssColorMatchSink = std::function<void(const TCssColorMatch&)>;

/// What the scanned text is: a style sheet, an SCSS file (variables at the top level, "//" comments), or the
/// declarations of one style attribute.
enum class TCssText : std::uint8_t { StyleSheet, Scss, Declarations };

/// Finds the colours of CSS text fed one unit at a time, in one pass, holding at most one function's text
/// (kMaxFunctionText) and the colours of the declaration in progress. A declaration a CSS parser rejects (an
/// unexpected character, a bracket not closed before ";", a broken string) yields nothing; a colour function
/// that is no valid colour yields the colours inside it ("color-mix(in srgb, red, blue)").
class TCssColorScanner final : private TCssTokenListener {
 public:
  static constexpr std::size_t kMaxFunctionText = 512;
  static constexpr std::size_t kMaxHeldColors = 256;
  static constexpr std::size_t kMaxNesting = 256;

  /// `utf16Units`: units are UTF-16 code units, else bytes.
  TCssColorScanner(TCssColorMatchSink found, TCssText text, bool utf16Units);

  void Put(char32_t unit) { tokenizer_.Put(unit); }
  /// The text has ended: a declaration without ";" counts, open functions are closed.
  void Finish();
  /// Starts a new text of the given kind (the next style element or style attribute).
  void Restart(TCssText text);

 private:
  enum class TPlace : std::uint8_t { Idle, AfterName, Prelude, AtPrelude, Value };
  struct TFrame {
    std::size_t TextStart;
    std::size_t HeldStart;
    std::size_t Depth;  // brackets open inside the declaration when the function opened
  };

  void Token(TCssToken kind, std::string_view name, char32_t delim) override;
  void Text(char32_t unit) override;

  void ItemToken(TCssToken kind, std::string_view name);
  void PreludeToken(TCssToken kind);
  void ValueToken(TCssToken kind, std::string_view name, char32_t delim);
  void OpenBlock(bool declarations);
  void CloseBlock();
  bool InDeclarations() const;
  void StartValue();
  void EndValue();
  void Break();
  void OpenBracket(char closer, std::string_view function);
  void CloseBracket(char closer);
  void CloseFrame(std::string_view closers);
  void Hold(const std::string& notation);

  TCssColorMatchSink found_;
  TCssTokenizer tokenizer_;
  TCssText text_;
  TPlace place_ = TPlace::Idle;
  std::vector<bool> blocks_;       // true: a block of declarations; false: of rules
  std::size_t deepBlocks_ = 0;     // blocks open beyond kMaxNesting
  bool atBlockOfRules_ = false;    // what the at-rule in its prelude opens
  std::string property_;
  // The declaration in progress.
  std::string closers_;            // the brackets open in the value, as the characters that close them
  std::size_t deepBrackets_ = 0;   // brackets open beyond kMaxNesting
  bool broken_ = false;
  bool important_ = false;
  std::vector<TCssColorMatch> held_;  // its colours, handed on when it ends well
  std::vector<TFrame> frames_;        // the colour functions open in it
  std::string functionText_;          // the text of the outermost of them
};

}  // namespace tintorium
