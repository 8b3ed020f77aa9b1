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

/// The pixel of an axis `to` long whose middle lies over the middle of pixel `at` of an axis `from` long.
int MapAxis(int at, int from, int to) {
  if (from <= 0 || to <= 0) return 0;
  const auto mapped = static_cast<int>((2LL * at + 1) * to / (2LL * from));
  return std::clamp(mapped, 0, to - 1);
}

}  // namespace

TImagePickers::TImagePickers(QRandomGenerator& random) : random_(random) {}

void TImagePickers::Load(const QImage& picture, QSize natural, QSize panel, int count) {
  picture_ = picture.convertToFormat(QImage::Format_RGB32);
  natural_ = natural.isValid() ? natural : picture_.size();
  pickers_.clear();
  pixels_.clear();
  colors_.clear();
  fitted_ = {};
  Fit(panel);
  Place(count);
}

void TImagePickers::Fit(QSize panel) {
  if (!HasPicture()) return;
  const QSize size = FitPicture(natural_, panel);
  if (size == fitted_.size()) return;
  fitted_ = size == picture_.size() ? picture_
                                    : picture_.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QPoint offset(PickerSampleOffset, PickerSampleOffset);
  for (std::size_t i = 0; i < pickers_.size(); ++i) pickers_[i] = FittedPixelOf(pixels_[i]) - offset;
}

void TImagePickers::Place(int count) {
  pickers_.clear();
  pixels_.clear();
  colors_.clear();
  if (!HasPicture()) return;
  SetCount(count);
}

void TImagePickers::Mix() {
  if (!HasPicture()) return;
  for (int i = 0; i < Count(); ++i) SetPicker(i, MixedPickerSpot(fitted_.size(), random_));
}

void TImagePickers::SetCount(int count) {
  if (!HasPicture()) return;
  const std::size_t wanted = std::size_t(ValidCount(count));
  if (wanted < pickers_.size()) {
    pickers_.resize(wanted);
    pixels_.resize(wanted);
    colors_.resize(wanted);
  }
  while (pickers_.size() < wanted) AddPicker(RandomPickerSpot(fitted_.size(), random_));
}

void TImagePickers::MovePicker(int index, QPoint topLeft) {
  if (index < 0 || index >= Count()) return;
  SetPicker(index, ClampDraggedPicker(topLeft, fitted_.size()));
}

TColor TImagePickers::Sample(QPoint topLeft) const {
  if (fitted_.isNull()) return clNone;
  return PixelColor(PicturePixelAt(SamplePoint(topLeft, fitted_.size())));
}

QPoint TImagePickers::PicturePixelAt(QPoint point) const {
  return {MapAxis(point.x(), fitted_.width(), picture_.width()),
          MapAxis(point.y(), fitted_.height(), picture_.height())};
}

QPoint TImagePickers::FittedPixelOf(QPoint pixel) const {
  return {MapAxis(pixel.x(), picture_.width(), fitted_.width()),
          MapAxis(pixel.y(), picture_.height(), fitted_.height())};
}

TColor TImagePickers::PixelColor(QPoint pixel) const {
  return picture_.valid(pixel) ? ColorOfPixel(picture_.pixel(pixel)) : clNone;
}

void TImagePickers::AddPicker(QPoint topLeft) {
  pickers_.push_back(topLeft);
  pixels_.emplace_back();
  colors_.push_back(clNone);
  SetPicker(Count() - 1, topLeft);
}

void TImagePickers::SetPicker(int index, QPoint topLeft) {
  const auto i = std::size_t(index);
  pickers_[i] = topLeft;
  pixels_[i] = PicturePixelAt(SamplePoint(topLeft, fitted_.size()));
  colors_[i] = PixelColor(pixels_[i]);
}

}  // namespace tintorium
