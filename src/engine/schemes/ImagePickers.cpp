#include "engine/schemes/ImagePickers.h"

#include "engine/schemes/PickerGeometry.h"

#include <QRandomGenerator>

#include <algorithm>

namespace tintorium {

namespace {

TColor ColorOfPixel(QRgb pixel) {
  return TColor(qRed(pixel)) | (TColor(qGreen(pixel)) << 8) | (TColor(qBlue(pixel)) << 16);
}

int ValidCount(int count) { return std::clamp(count, 1, MaxPickCount); }

}  // namespace

TImagePickers::TImagePickers(QRandomGenerator& random) : random_(random) {}

void TImagePickers::Load(const QImage& picture, QSize natural, QSize panel, int count) {
  picture_ = picture.convertToFormat(QImage::Format_RGB32);
  natural_ = natural.isValid() ? natural : picture_.size();
  pickers_.clear();  // the old pickers are not refitted: no random draw is spent on them
  colors_.clear();
  fitted_ = {};
  Fit(panel);
  Place(count);
}

void TImagePickers::Fit(QSize panel) {
  if (!HasPicture()) return;
  const QSize size = FitPicture(natural_, panel);
  if (size != fitted_.size())
    fitted_ = size == picture_.size() ? picture_
                                      : picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  for (int i = 0; i < Count(); ++i) {
    pickers_[std::size_t(i)] = RefittedPickerSpot(pickers_[std::size_t(i)], size, random_);
    Resample(i);
  }
}

void TImagePickers::Place(int count) {
  pickers_.clear();
  colors_.clear();
  if (!HasPicture()) return;
  SetCount(count);
}

void TImagePickers::Mix() {
  if (!HasPicture()) return;
  for (int i = 0; i < Count(); ++i) {
    pickers_[std::size_t(i)] = MixedPickerSpot(fitted_.size(), random_);
    Resample(i);
  }
}

void TImagePickers::SetCount(int count) {
  if (!HasPicture()) return;
  const std::size_t wanted = std::size_t(ValidCount(count));
  if (wanted < pickers_.size()) {
    pickers_.resize(wanted);
    colors_.resize(wanted);
  }
  while (pickers_.size() < wanted) AddPicker(RandomPickerSpot(fitted_.size(), random_));
}

void TImagePickers::MovePicker(int index, QPoint topLeft) {
  if (index < 0 || index >= Count()) return;
  pickers_[std::size_t(index)] = ClampDraggedPicker(topLeft, fitted_.size());
  Resample(index);
}

TColor TImagePickers::Sample(QPoint topLeft) const {
  if (fitted_.isNull()) return clNone;
  return ColorOfPixel(fitted_.pixel(SamplePoint(topLeft, fitted_.size())));
}

void TImagePickers::AddPicker(QPoint topLeft) {
  pickers_.push_back(topLeft);
  colors_.push_back(Sample(topLeft));
}

void TImagePickers::Resample(int index) { colors_[std::size_t(index)] = Sample(pickers_[std::size_t(index)]); }

}  // namespace tintorium
