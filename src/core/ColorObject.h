#pragma once
// One colour held in all four models, with its authoritative model.

#include "ColorTypes.h"

#include <string>
#include <vector>

namespace tintorium {

class TColorObject {
 public:
  TColorObject() = default;                      // black in RGB
  TColorObject(TColor color, TColorModel model);  // Model = model, then SetColor(color, model)
  TColorObject(const TColorObject&) = default;
  TColorObject& operator=(const TColorObject&) = default;
  virtual ~TColorObject() = default;

  TColorModel Model() const { return model_; }
  /// Sets the tag only; recomputes nothing.
  void SetModel(TColorModel model) { model_ = model; }

  TRGBValues GetRGB() const { return rgb_; }
  THSBValues GetHSB() const { return hsb_; }
  TCMYKValues GetCMYK() const { return cmyk_; }
  TLabValues GetLab() const { return lab_; }
  /// Converted from the record named by Model().
  TColor GetColor() const;
  /// Labelled value text of the record named by Model().
  std::string ValuesText() const;
  /// RRGGBB of the RGB record.
  std::string HexText() const;

  /// Store exactly as given (no clamping), then derive the other three.
  void SetRGB(const TRGBValues& v);
  void SetHSB(const THSBValues& v);
  void SetCMYK(const TCMYKValues& v);
  void SetLab(const TLabValues& v);
  void SetColor(TColor color, TColorModel model);
  /// Model := model, then derive the other records from that model's record; outside 0-3 only the tag.
  void Recompute(TColorModel model);
  /// Makes `model` authoritative by re-setting from its own record; no-op when already it.
  void ConvertTo(TColorModel model);
  /// Copies the records and Model without recomputing.
  void Assign(const TColorObject& source);

 private:
  TColorModel model_ = cmRGB;
  TRGBValues rgb_{};
  TCMYKValues cmyk_{0, 0, 0, 100};
  TLabValues lab_{};
  THSBValues hsb_{};
};

/// A colour object with a name (UTF-16, as the user interface holds text).
class TColorObjectFx : public TColorObject {
 public:
  using TColorObject::TColorObject;
  TColorObjectFx(const TColorObject& color, std::u16string name) : TColorObject(color), name_(std::move(name)) {}

  const std::u16string& Name() const { return name_; }
  void SetName(std::u16string name) { name_ = std::move(name); }

 private:
  std::u16string name_;
};

/// An ordered list of named colours: what the export writers take.
using TColors = std::vector<TColorObjectFx>;

/// `model`'s record of `color` as channel values; the unused fourth is 0, and so is all of a model outside 0-3.
TChannelValues ChannelValuesOf(const TColorObject& color, TColorModel model);
/// Sets `color` with `model`'s setter from `values` (stored as given, no clamping); a model outside 0-3 leaves
/// `color` as it was.
void SetChannelValues(TColorObject& color, TColorModel model, const TChannelValues& values);

/// False when the models differ; otherwise whether the authoritative records are equal.
bool SameColor(const TColorObject& a, const TColorObject& b);

}  // namespace tintorium
