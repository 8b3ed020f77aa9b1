#include "SystemColors.h"

#include <array>
#include <atomic>

namespace tintorium {

namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

// The classic desktop scheme, in index order (scroll bar ... info background).
constexpr std::array<TColor, SystemColorCount> ClassicColors{
    Rgb(212, 208, 200),  // scroll bar
    Rgb(58, 110, 165),   // background
    Rgb(10, 36, 106),    // active caption
    Rgb(128, 128, 128),  // inactive caption
    Rgb(212, 208, 200),  // menu
    Rgb(255, 255, 255),  // window
    Rgb(0, 0, 0),        // window frame
    Rgb(0, 0, 0),        // menu text
    Rgb(0, 0, 0),        // window text
    Rgb(255, 255, 255),  // caption text
    Rgb(212, 208, 200),  // active border
    Rgb(212, 208, 200),  // inactive border
    Rgb(128, 128, 128),  // application workspace
    Rgb(10, 36, 106),    // highlight
    Rgb(255, 255, 255),  // highlight text
    Rgb(212, 208, 200),  // button face
    Rgb(128, 128, 128),  // button shadow
    Rgb(128, 128, 128),  // gray text
    Rgb(0, 0, 0),        // button text
    Rgb(212, 208, 200),  // inactive caption text
    Rgb(255, 255, 255),  // button highlight
    Rgb(64, 64, 64),     // 3D dark shadow
    Rgb(212, 208, 200),  // 3D light
    Rgb(0, 0, 0),        // info text
    Rgb(255, 255, 225),  // info background
};

// Atomic so that a refill from the user interface never tears a value read elsewhere.
struct TSystemColorTable {
  std::array<std::atomic<TColor>, SystemColorCount> values;
  TSystemColorTable() {
    for (int i = 0; i < SystemColorCount; ++i) values[i].store(ClassicColors[i], std::memory_order_relaxed);
  }
};

std::array<std::atomic<TColor>, SystemColorCount>& Table() {
  static TSystemColorTable table;
  return table.values;
}

bool InTable(int index) { return index >= 0 && index < SystemColorCount; }

}  // namespace

TColor SystemColorValue(int index) {
  if (!InTable(index)) return clBlack;
  return Table()[index].load(std::memory_order_relaxed);
}

void SetSystemColorValue(int index, TColor rgb) {
  if (!InTable(index)) return;
  Table()[index].store(rgb & 0xFFFFFF, std::memory_order_relaxed);
}

void ResetSystemColors() {
  for (int i = 0; i < SystemColorCount; ++i) Table()[i].store(ClassicColors[i], std::memory_order_relaxed);
}

TColor ColorToRGB(TColor color) {
  if (!IsSystemColor(color)) return color;
  return SystemColorValue(static_cast<int>(color & 0xFF));
}

}  // namespace tintorium
