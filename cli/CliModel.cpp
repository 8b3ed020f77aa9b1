#include "CliModel.h"

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

void SetFromValues(TColorObject& object, TCliModel model, const std::int64_t* values) {
  // The values passed InChannelRange: each fits 32 bits, a colour fits as unsigned.
  std::int32_t v[4] = {};
  for (int i = 0; i < CliModelInfo(model).arity; ++i) v[i] = static_cast<std::int32_t>(values[i]);
  switch (model) {
    case TCliModel::Rgb: object.SetRGB({v[0], v[1], v[2]}); break;
    case TCliModel::Hsb: object.SetHSB({v[0], v[1], v[2]}); break;
    case TCliModel::Cmyk: object.SetCMYK({v[0], v[1], v[2], v[3]}); break;
    case TCliModel::Lab: object.SetLab({v[0], v[1], v[2]}); break;
    case TCliModel::Color: object.SetColor(static_cast<TColor>(values[0]), cmRGB); break;
  }
}

int GetValues(const TColorObject& object, TCliModel model, std::int64_t* v) {
  switch (model) {
    case TCliModel::Rgb: {
      const TRGBValues r = object.GetRGB();
      v[0] = r.R, v[1] = r.G, v[2] = r.B;
      return 3;
    }
    case TCliModel::Hsb: {
      const THSBValues h = object.GetHSB();
      v[0] = h.H, v[1] = h.S, v[2] = h.B;
      return 3;
    }
    case TCliModel::Cmyk: {
      const TCMYKValues c = object.GetCMYK();
      v[0] = c.C, v[1] = c.M, v[2] = c.Y, v[3] = c.K;
      return 4;
    }
    case TCliModel::Lab: {
      const TLabValues l = object.GetLab();
      v[0] = l.L, v[1] = l.a, v[2] = l.b;
      return 3;
    }
    case TCliModel::Color: v[0] = object.GetColor(); return 1;
  }
  return 0;
}

}  // namespace tintorium::cli
