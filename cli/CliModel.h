#pragma once
// The colour models the convert command reads and writes, with their channel names and accepted ranges.

#include "core/ColorObject.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tintorium::cli {

enum class TCliModel : std::uint8_t { Rgb, Hsb, Cmyk, Lab, Color };

struct TCliChannel {
  std::string_view name;
  std::int64_t low;
  std::int64_t high;
};

struct TCliModelInfo {
  std::string_view name;
  int arity;
  std::array<TCliChannel, 4> channels;
};

/// The model named `name` (rgb, hsb, cmyk, lab, color).
std::optional<TCliModel> ParseCliModel(std::string_view name);
const TCliModelInfo& CliModelInfo(TCliModel model);
/// The names accepted by ParseCliModel, for messages: "rgb, hsb, cmyk, lab, color".
std::string_view CliModelNames();

/// Parses an optionally signed decimal integer filling [begin, end); values far outside every range saturate.
bool ParseCliInteger(const char* begin, const char* end, std::int64_t& value);

/// Whether `value` is accepted for channel `index` of `model`; colours also accept the system colours.
bool InChannelRange(TCliModel model, int index, std::int64_t value);

/// What a colour object set with `from`'s setter from `values` returns for `to` (its record, or GetColor),
/// computed without deriving the models nobody asked for; returns the count written to `result`.
int ConvertValues(TCliModel from, const std::int64_t* values, TCliModel to, std::int64_t* result);

/// Sets `object` with the model's setter from `values` (arity of the model).
void SetFromValues(TColorObject& object, TCliModel model, const std::int64_t* values);

}  // namespace tintorium::cli
