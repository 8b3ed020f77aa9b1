#include "ColorObject.h"

#include "ColorModels.h"
#include "ColorText.h"

namespace tintorium {

TColorObject::TColorObject(TColor color, TColorModel model) : model_(model) { SetColor(color, model); }

TColor TColorObject::GetColor() const {
  switch (model_) {
    case cmHSB: return HSBToColor(hsb_);
    case cmCMYK: return CMYKToColor(cmyk_);
    case cmLAB: return LabToColor(lab_);
    default: return RGBValuesToColor(rgb_);
  }
}

std::string TColorObject::ValuesText() const {
  switch (model_) {
    case cmHSB: return tintorium::ValuesText(hsb_, true);
    case cmCMYK: return tintorium::ValuesText(cmyk_, true);
    case cmLAB: return tintorium::ValuesText(lab_, true);
    default: return tintorium::ValuesText(rgb_, true);
  }
}

std::string TColorObject::HexText() const { return tintorium::HexText(rgb_); }

void TColorObject::SetRGB(const TRGBValues& v) {
  rgb_ = v;
  Recompute(cmRGB);
}

void TColorObject::SetHSB(const THSBValues& v) {
  hsb_ = v;
  Recompute(cmHSB);
}

void TColorObject::SetCMYK(const TCMYKValues& v) {
  cmyk_ = v;
  Recompute(cmCMYK);
}

void TColorObject::SetLab(const TLabValues& v) {
  lab_ = v;
  Recompute(cmLAB);
}

void TColorObject::SetColor(TColor color, TColorModel model) {
  switch (model) {
    case cmRGB: rgb_ = ColorToRGBValues(color); break;
    case cmHSB: hsb_ = ColorToHSB(color); break;
    case cmCMYK: cmyk_ = ColorToCMYK(color); break;
    case cmLAB: lab_ = ColorToLab(color); break;
    default: break;
  }
  Recompute(model);
}

void TColorObject::Recompute(TColorModel model) {
  model_ = model;
  switch (model) {
    case cmRGB:
      cmyk_ = RGBToCMYK(rgb_);
      lab_ = RGBToLab(rgb_);
      hsb_ = RGBToHSB(rgb_);
      break;
    case cmHSB:
      rgb_ = HSBToRGB(hsb_);
      cmyk_ = RGBToCMYK(rgb_);
      lab_ = RGBToLab(rgb_);
      break;
    case cmCMYK:
      rgb_ = CMYKToRGB(cmyk_);
      lab_ = RGBToLab(rgb_);
      hsb_ = RGBToHSB(rgb_);
      break;
    case cmLAB:
      rgb_ = LabToRGB(lab_);
      cmyk_ = RGBToCMYK(rgb_);
      hsb_ = RGBToHSB(rgb_);
      break;
    default: break;
  }
}

void TColorObject::ConvertTo(TColorModel model) {
  if (model == model_) return;
  switch (model) {
    case cmRGB: SetRGB(rgb_); break;
    case cmHSB: SetHSB(hsb_); break;
    case cmCMYK: SetCMYK(cmyk_); break;
    case cmLAB: SetLab(lab_); break;
    default: model_ = model; break;
  }
}

void TColorObject::Assign(const TColorObject& source) {
  model_ = source.model_;
  rgb_ = source.rgb_;
  cmyk_ = source.cmyk_;
  lab_ = source.lab_;
  hsb_ = source.hsb_;
}

TChannelValues ChannelValuesOf(const TColorObject& color, TColorModel model) {
  switch (model) {
    case cmRGB: {
      const TRGBValues v = color.GetRGB();
      return {v.R, v.G, v.B, 0};
    }
    case cmHSB: {
      const THSBValues v = color.GetHSB();
      return {v.H, v.S, v.B, 0};
    }
    case cmCMYK: {
      const TCMYKValues v = color.GetCMYK();
      return {v.C, v.M, v.Y, v.K};
    }
    case cmLAB: {
      const TLabValues v = color.GetLab();
      return {v.L, v.a, v.b, 0};
    }
  }
  return {0, 0, 0, 0};
}

void SetChannelValues(TColorObject& color, TColorModel model, const TChannelValues& v) {
  switch (model) {
    case cmRGB: color.SetRGB({v[0], v[1], v[2]}); break;
    case cmHSB: color.SetHSB({v[0], v[1], v[2]}); break;
    case cmCMYK: color.SetCMYK({v[0], v[1], v[2], v[3]}); break;
    case cmLAB: color.SetLab({v[0], v[1], v[2]}); break;
  }
}

bool SameColor(const TColorObject& a, const TColorObject& b) {
  if (a.Model() != b.Model()) return false;
  switch (a.Model()) {
    case cmHSB: return a.GetHSB() == b.GetHSB();
    case cmCMYK: return a.GetCMYK() == b.GetCMYK();
    case cmLAB: return a.GetLab() == b.GetLab();
    default: return a.GetRGB() == b.GetRGB();
  }
}

}  // namespace tintorium
