#include "engine/images/ImagePalette.h"

#include "engine/files/BoundedRead.h"
#include "engine/images/ImageQuantizer.h"

#include <QFileInfo>
#include <QImageReader>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>

namespace tintorium {
namespace {

QString HexOf(int r, int g, int b) {
  return QStringLiteral("%1%2%3")
      .arg(r, 2, 16, QLatin1Char('0'))
      .arg(g, 2, 16, QLatin1Char('0'))
      .arg(b, 2, 16, QLatin1Char('0'))
      .toUpper();
}

struct TGifInput {
  QByteArrayView data;
  qsizetype position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* input = static_cast<TGifInput*>(gif->UserData);
  const qsizetype count = std::min<qsizetype>(length, input->data.size() - input->position);
  if (count <= 0) return 0;
  std::memcpy(buffer, input->data.data() + input->position, static_cast<std::size_t>(count));
  input->position += count;
  return static_cast<int>(count);
}

QStringList ColorMapTexts(const ColorMapObject* map) {
  QStringList texts;
  for (int i = 0; i < map->ColorCount; ++i) {
    const GifColorType& c = map->Colors[i];
    texts.append(HexOf(c.Red, c.Green, c.Blue));
  }
  return texts;
}

bool SkipExtension(GifFileType* gif) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
  }
  return true;
}

// Without a global table the first image descriptor may carry its own; its pixels are not read.
bool FirstLocalColorMap(GifFileType* gif, QStringList& texts) {
  for (;;) {
    GifRecordType type = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &type) != GIF_OK) return false;
    if (type == TERMINATE_RECORD_TYPE) return true;
    if (type == EXTENSION_RECORD_TYPE) {
      if (!SkipExtension(gif)) return false;
      continue;
    }
    if (type != IMAGE_DESC_RECORD_TYPE || DGifGetImageDesc(gif) != GIF_OK) return false;
    if (gif->Image.ColorMap != nullptr) texts = ColorMapTexts(gif->Image.ColorMap);
    return true;
  }
}

}  // namespace

TReadResult<QStringList> ReadGifPalette(const QString& fileName) {
  TReadResult<QStringList> result;
  if (!QFileInfo::exists(fileName)) return result;
  TBoundedBytes bytes;
  result.Status = bytes.Open(fileName);
  return result.Ok() ? ParseGifPalette(bytes.Data()) : result;
}

TReadResult<QStringList> ParseGifPalette(QByteArrayView data) {
  TReadResult<QStringList> result;
  TGifInput input{data};
  int error = 0;
  GifFileType* gif = DGifOpen(&input, ReadFromMemory, &error);
  if (gif == nullptr) {
    result.Status = TFileResult::CantOpen();
    return result;
  }
  bool ok = true;
  if (gif->SColorMap != nullptr) {
    result.Value = ColorMapTexts(gif->SColorMap);
  } else {
    ok = FirstLocalColorMap(gif, result.Value);
  }
  DGifCloseFile(gif, &error);
  if (!ok) {
    result.Value.clear();
    result.Status = TFileResult::CantOpen();
  }
  return result;
}

TReadResult<QStringList> ReadImagePalette(const QString& fileName) {
  TReadResult<QStringList> result;
  if (!QFileInfo::exists(fileName)) return result;
  QImageReader reader(fileName);
  const QImage image = reader.read();
  const auto quantized = QuantizeImage(image, 256);
  if (!quantized) {
    result.Status = TFileResult::CantOpen();
    return result;
  }
  for (const QRgb c : quantized->Palette) result.Value.append(HexOf(qRed(c), qGreen(c), qBlue(c)));
  return result;
}

}  // namespace tintorium
