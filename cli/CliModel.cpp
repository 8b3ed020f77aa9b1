#include "CliModel.h"

#include "core/ColorModels.h"
#include "core/SystemColors.h"

#include <algorithm>

namespace tintorium::cli {

namespace {

constexpr std::array<TCliModelInfo, 5> Models{{
    {"rgb", 3, {{{"R", 0, 255}, {"G", 0, 255}, {"B", 0, 255}, {}}}},
    {"hsb", 3, {{{"H", 0, 360}, {"S", 0, 100}, {"B", 0, 100}, {}}}},
    {"cmyk", 4, {{{"C", 0, 100}, {"M", 0, 100}, {"Y", 0, 100}, {"K", 0, 100}}}},
    {"lab", 3, {{{"L", 0, 100}, {"a", -128, 127}, {"b", -128, 127}, {}}}},
    {"color", 1, {{{"color", 0, 0xFFFFFF}, {}, {}, {}}}},
}};

}  // namespace

std::optional<TCliModel> ParseCliModel(std::string_view name) {
  for (std::size_t i = 0; i < Models.size(); ++i)
    if (Models[i].name == name) return static_cast<TCliModel>(i);
  return std::nullopt;
}

const TCliModelInfo& CliModelInfo(TCliModel model) { return Models[static_cast<std::size_t>(model)]; }

std::string_view CliModelNames() { return "rgb, hsb, cmyk, lab, color"; }

bool ParseCliInteger(const char* p, const char* end, std::int64_t& value) {
  const bool negative = p != end && *p == '-';
  if (p != end && (*p == '-' || *p == '+')) ++p;
  if (p == end) return false;
  constexpr std::int64_t Saturated = std::int64_t{1} << 40;  // beyond every range
  std::int64_t magnitude = 0;
  for (; p != end; ++p) {
    if (*p < '0' || *p > '9') return false;
    magnitude = std::min(magnitude * 10 + (*p - '0'), Saturated);
  }
  value = negative ? -magnitude : magnitude;
  return true;
}

bool InChannelRange(TCliModel model, int index, std::int64_t value) {
  const TCliChannel& channel = CliModelInfo(model).channels[static_cast<std::size_t>(index)];
  if (value >= channel.low && value <= channel.high) return true;
  return model == TCliModel::Color && value >= SystemColor(0) && value < SystemColor(SystemColorCount);
}

namespace {

TRGBValues ToRGB(TCliModel from, const std::int64_t* v) {
  const auto i = [v](int k) { return static_cast<std::int32_t>(v[k]); };
  switch (from) {
    case TCliModel::Rgb: return {i(0), i(1), i(2)};
    case TCliModel::Hsb: return HSBToRGB({i(0), i(1), i(2)});
    case TCliModel::Cmyk: return CMYKToRGB({i(0), i(1), i(2), i(3)});
    case TCliModel::Lab: return LabToRGB({i(0), i(1), i(2)});
    case TCliModel::Color: return ColorToRGBValues(static_cast<TColor>(v[0]));
  }
  return {};
}

}  // namespace

int ConvertValues(TCliModel from, const std::int64_t* values, TCliModel to, std::int64_t* result) {
  const int arity = CliModelInfo(to).arity;
  // A setter stores its record as given.
  if (from == to && from != TCliModel::Color) {
    for (int k = 0; k < arity; ++k) result[k] = values[k];
    return arity;
  }
  const TRGBValues rgb = ToRGB(from, values);
  switch (to) {
    case TCliModel::Rgb: result[0] = rgb.R, result[1] = rgb.G, result[2] = rgb.B; break;
    case TCliModel::Hsb: {
      const THSBValues h = RGBToHSB(rgb);
      result[0] = h.H, result[1] = h.S, result[2] = h.B;
      break;
    }
    case TCliModel::Cmyk: {
      const TCMYKValues c = RGBToCMYK(rgb);
      result[0] = c.C, result[1] = c.M, result[2] = c.Y, result[3] = c.K;
      break;
    }
    case TCliModel::Lab: {
      const TLabValues l = RGBToLab(rgb);
      result[0] = l.L, result[1] = l.a, result[2] = l.b;
      break;
    }
    // GetColor converts the authoritative record, which comes to the colour of its RGB form.
    case TCliModel::Color: result[0] = RGBValuesToColor(rgb); break;
  }
  return arity;
}

// rgb, hsb, cmyk and lab stand in the colour object's order.
static_assert(static_cast<int>(TCliModel::Rgb) == cmRGB && static_cast<int>(TCliModel::Hsb) == cmHSB &&
              static_cast<int>(TCliModel::Cmyk) == cmCMYK && static_cast<int>(TCliModel::Lab) == cmLAB);

void SetFromValues(TColorObject& object, TCliModel model, const std::int64_t* values) {
  if (model == TCliModel::Color) {
    object.SetColor(static_cast<TColor>(values[0]), cmRGB);
    return;
  }
  // The values passed InChannelRange: each fits 32 bits.
  TChannelValues v{};
  for (std::size_t i = 0; i < static_cast<std::size_t>(CliModelInfo(model).arity); ++i) {
    v[i] = static_cast<std::int32_t>(values[i]);
  }
  SetChannelValues(object, static_cast<TColorModel>(model), v);
}

}  // namespace tintorium::cli
