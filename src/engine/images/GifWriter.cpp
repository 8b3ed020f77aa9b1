#include "engine/images/GifWriter.h"

#include "engine/images/ImageQuantizer.h"

#include <QIODevice>

#include <gif_lib.h>

#include <memory>

namespace tintorium {
namespace {

constexpr int kMaxGifSide = 65535;

int WriteToDevice(GifFileType* gif, const GifByteType* data, int length) {
  auto* device = static_cast<QIODevice*>(gif->UserData);
  return static_cast<int>(device->write(reinterpret_cast<const char*>(data), length));
}

struct TMapDeleter {
  void operator()(ColorMapObject* map) const { GifFreeMapObject(map); }
};

// GIF colour tables hold a power of two of entries; the unused tail is black.
std::unique_ptr<ColorMapObject, TMapDeleter> MakeColorMap(const QList<QRgb>& palette) {
  int size = 2;
  while (size < palette.size()) size *= 2;
  std::unique_ptr<ColorMapObject, TMapDeleter> map(GifMakeMapObject(size, nullptr));
  if (!map) return map;
  for (int i = 0; i < size; ++i) {
    const QRgb c = i < palette.size() ? palette[i] : qRgb(0, 0, 0);
    map->Colors[i] = GifColorType{static_cast<GifByteType>(qRed(c)), static_cast<GifByteType>(qGreen(c)),
                                  static_cast<GifByteType>(qBlue(c))};
  }
  return map;
}

bool WriteGifFile(GifFileType* gif, const TQuantizedImage& image) {
  const auto map = MakeColorMap(image.Palette);
  if (!map) return false;
  if (EGifPutScreenDesc(gif, image.Width, image.Height, 8, 0, map.get()) != GIF_OK) return false;
  if (EGifPutImageDesc(gif, 0, 0, image.Width, image.Height, false, nullptr) != GIF_OK) return false;
  // giflib takes the row without const; it only reads it.
  auto* pixels = const_cast<GifPixelType*>(image.Indices.data());
  for (int y = 0; y < image.Height; ++y) {
    if (EGifPutLine(gif, pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(image.Width),
                    image.Width) != GIF_OK) {
      return false;
    }
  }
  return true;
}

}  // namespace

bool WriteGifImage(QIODevice& device, const TQuantizedImage& image) {
  if (image.Width <= 0 || image.Height <= 0 || image.Width > kMaxGifSide || image.Height > kMaxGifSide ||
      image.Palette.isEmpty() || image.Palette.size() > 256 ||
      image.Indices.size() != static_cast<std::size_t>(image.Width) * static_cast<std::size_t>(image.Height)) {
    return false;
  }
  int error = 0;
  GifFileType* gif = EGifOpen(&device, WriteToDevice, &error);
  if (gif == nullptr) return false;
  const bool written = WriteGifFile(gif, image);
  const bool closed = EGifCloseFile(gif, &error) == GIF_OK;
  return written && closed;
}

bool WriteGifImage(QIODevice& device, const QImage& image) {
  if (image.isNull() || image.width() > kMaxGifSide || image.height() > kMaxGifSide) return false;
  const auto quantized = QuantizeImage(image, 256);
  return quantized && WriteGifImage(device, *quantized);
}

}  // namespace tintorium
