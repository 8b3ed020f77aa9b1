#include "engine/schemes/PickerColors.h"

#include "core/Rounding.h"

#include <algorithm>
#include <cmath>

namespace tintorium {

namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

struct TFloatRgb {
  float r, g, b;
};

TFloatRgb Lerp(const TFloatRgb& a, const TFloatRgb& b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

int Channel(float fraction) { return std::clamp(Round(static_cast<long double>(fraction * 255.0f)), 0, 255); }

TColor ToColor(const TFloatRgb& c) { return Rgb(Channel(c.r), Channel(c.g), Channel(c.b)); }

// Magenta, red, yellow, green, cyan, blue, pointing right, down-right, down-left, left, up-left, up-right.
constexpr std::array<TFloatRgb, 6> CornerColors{{
    {1, 0, 1}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}, {0, 1, 1}, {0, 0, 1}}};

constexpr double Pi = 3.14159265358979323846;

}  // namespace

const std::array<TNamedColor, StandardColorCount>& StandardColors() {
  static constexpr std::array<TNamedColor, StandardColorCount> Colors{{
      {"Black", Rgb(0, 0, 0)},          {"Brown", Rgb(153, 51, 0)},           {"Olive Green", Rgb(51, 51, 0)},
      {"Dark Green", Rgb(0, 51, 0)},    {"Dark Teal", Rgb(0, 51, 102)},       {"Dark blue", Rgb(0, 0, 128)},
      {"Indigo", Rgb(51, 51, 153)},     {"Gray-80%", Rgb(51, 51, 51)},        {"Dark Red", Rgb(128, 0, 0)},
      {"Orange", Rgb(255, 102, 0)},     {"Dark Yellow", Rgb(128, 128, 0)},    {"Green", Rgb(0, 128, 0)},
      {"Teal", Rgb(0, 128, 128)},       {"Blue", Rgb(0, 0, 255)},             {"Blue-Gray", Rgb(102, 102, 153)},
      {"Gray-50%", Rgb(128, 128, 128)}, {"Red", Rgb(255, 0, 0)},              {"Light Orange", Rgb(255, 153, 0)},
      {"Lime", Rgb(153, 204, 0)},       {"Sea Green", Rgb(51, 153, 102)},     {"Aqua", Rgb(51, 204, 204)},
      {"Light Blue", Rgb(51, 102, 255)}, {"Violet", Rgb(128, 0, 128)},        {"Grey-40%", Rgb(150, 150, 150)},
      {"Pink", Rgb(255, 0, 255)},       {"Gold", Rgb(255, 204, 0)},           {"Yellow", Rgb(255, 255, 0)},
      {"Bright Green", Rgb(0, 255, 0)}, {"Turquoise", Rgb(0, 255, 255)},      {"Sky Blue", Rgb(0, 204, 255)},
      {"Plum", Rgb(153, 51, 102)},      {"Gray-25%", Rgb(192, 192, 192)},     {"Rose", Rgb(255, 153, 204)},
      {"Tan", Rgb(255, 204, 153)},      {"Light Yellow", Rgb(255, 255, 153)}, {"Light Green", Rgb(204, 255, 204)},
      {"Light Turquoise", Rgb(204, 255, 255)}, {"Pale Blue", Rgb(153, 204, 255)}, {"Lavender", Rgb(204, 153, 255)},
      {"White", Rgb(255, 255, 255)},
  }};
  return Colors;
}

const std::array<std::string_view, 25>& SystemColorHints() {
  static constexpr std::array<std::string_view, 25> Hints{
      "system color: scroll bar",        "system color: background",
      "system color: active caption",    "system color: inactive caption",
      "system color: menu",              "system color: window",
      "system color: window frame",      "system color: menu text",
      "system color: window text",       "system color: caption text",
      "system color: active border",     "system color: inactive border",
      "system color: application workspace", "system color: highlight",
      "system color: highlight text",    "system color: button face",
      "system color: button shadow",     "system color: gray text",
      "system color: button text",       "system color: inactive caption text",
      "system color: button highlight",  "system color: 3D dark shadow",
      "system color: 3D light",          "system color: info text",
      "system color: info background",
  };
  return Hints;
}

std::array<TCombCell, CombCellCount> CombCells(double intensity) {
  const float level = static_cast<float>(std::clamp(intensity, 0.0, 1.0));
  const TFloatRgb centre{level, level, level};
  const double middle = CombAreaSide / 2.0;
  const double cornerDistance = std::cos(Pi / 6) * 2 * 63 / 2;

  std::array<TCombCell, CombCellCount> cells{};
  std::size_t next = 0;
  cells[next++] = {ToColor(centre), middle, middle, CombCellSize};
  for (int ring = 1; ring < CombLevels; ++ring) {
    const float reach = static_cast<float>(ring) / (CombLevels - 1);
    for (int sector = 0; sector < 6; ++sector) {
      const int following = (sector + 1) % 6;
      const TFloatRgb from = Lerp(centre, CornerColors[std::size_t(sector)], reach);
      const TFloatRgb to = Lerp(centre, CornerColors[std::size_t(following)], reach);
      const double fromX = middle + reach * cornerDistance * std::cos(sector * Pi / 3);
      const double fromY = middle + reach * cornerDistance * std::sin(sector * Pi / 3);
      const double toX = middle + reach * cornerDistance * std::cos(following * Pi / 3);
      const double toY = middle + reach * cornerDistance * std::sin(following * Pi / 3);
      for (int step = 0; step < ring; ++step) {
        const float t = static_cast<float>(step) / static_cast<float>(ring);
        cells[next++] = {ToColor(Lerp(from, to, t)), fromX + (toX - fromX) * t, fromY + (toY - fromY) * t,
                         CombCellSize};
      }
    }
  }
  return cells;
}

std::array<TCombCell, GreyRowCount> GreyRowCells() {
  std::array<TCombCell, GreyRowCount> cells{};
  cells.front() = {Rgb(255, 255, 255), 11, 11, 2 * CombCellSize};
  for (int i = 1; i <= 15; ++i) {
    const int grey = 255 - 15 * (i + 1);
    cells[std::size_t(i)] = {Rgb(grey, grey, grey), 33.0 + 5 * (i - 1), i % 2 == 0 ? 14.0 : 6.0, CombCellSize};
  }
  cells.back() = {Rgb(0, 0, 0), 124, 11, 2 * CombCellSize};
  return cells;
}

int IntensityBarGrey(int y, int height) {
  if (height <= 1) return 255;
  return Round(static_cast<long double>(height - 1 - y) * 255 / (height - 1));
}

int IntensityMarkerRow(double intensity, int height) {
  return Round(static_cast<long double>(1 - std::clamp(intensity, 0.0, 1.0)) * std::max(height - 1, 0));
}

double IntensityAt(int offset, int height) {
  if (height <= 0) return 1;
  return std::clamp(1 - static_cast<double>(offset) / height, 0.0, 1.0);
}

}  // namespace tintorium
