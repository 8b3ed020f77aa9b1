#pragma once
// The replaceable table behind system colours (TColor with top byte 0xFF).
// Headless code sees the classic defaults; the user interface refills it from its palette at start-up.

#include "ColorTypes.h"

namespace tintorium {

inline constexpr int SystemColorCount = 25;

/// The TColor naming system colour `index`.
constexpr TColor SystemColor(int index) { return 0xFF000000u | static_cast<TColor>(index & 0xFF); }

inline constexpr TColor clScrollBar = SystemColor(0);
inline constexpr TColor clBackground = SystemColor(1);
inline constexpr TColor clActiveCaption = SystemColor(2);
inline constexpr TColor clInactiveCaption = SystemColor(3);
inline constexpr TColor clMenu = SystemColor(4);
inline constexpr TColor clWindow = SystemColor(5);
inline constexpr TColor clWindowFrame = SystemColor(6);
inline constexpr TColor clMenuText = SystemColor(7);
inline constexpr TColor clWindowText = SystemColor(8);
inline constexpr TColor clCaptionText = SystemColor(9);
inline constexpr TColor clActiveBorder = SystemColor(10);
inline constexpr TColor clInactiveBorder = SystemColor(11);
inline constexpr TColor clAppWorkSpace = SystemColor(12);
inline constexpr TColor clHighlight = SystemColor(13);
inline constexpr TColor clHighlightText = SystemColor(14);
inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clBtnShadow = SystemColor(16);
inline constexpr TColor clGrayText = SystemColor(17);
inline constexpr TColor clBtnText = SystemColor(18);
inline constexpr TColor clInactiveCaptionText = SystemColor(19);
inline constexpr TColor clBtnHighlight = SystemColor(20);
inline constexpr TColor cl3DDkShadow = SystemColor(21);
inline constexpr TColor cl3DLight = SystemColor(22);
inline constexpr TColor clInfoText = SystemColor(23);
inline constexpr TColor clInfoBk = SystemColor(24);

/// The RGB value of system colour `index` (0-24); an index outside the table gives black.
TColor SystemColorValue(int index);
/// Replaces one entry; indices outside the table are ignored.
void SetSystemColorValue(int index, TColor rgb);
/// Puts the classic defaults back.
void ResetSystemColors();
/// A system colour resolved to 0x00BBGGRR; any other value is returned as it is.
TColor ColorToRGB(TColor color);

}  // namespace tintorium
