#pragma once
// Pictures loaded on the "Colors from Image" page: which files count as pictures, and reading one into an
// opaque image the right way up.

#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace tintorium {

/// The lower-case suffixes (no dot) of the pictures the page takes: gif, jpg, jpeg, bmp, ico and png, then every
/// other still-image format the installed image plugins read (webp, tif, tiff...).
QStringList PictureSuffixes();
/// Whether `fileName`'s suffix is one of PictureSuffixes (in any case).
bool IsPictureFileName(const QString& fileName);

/// The filter of the open-picture chooser: "All (...)" with every suffix first, then one entry per suffix.
QString PictureFileFilter();

/// A picture as read: its pixels, upright, and the size it has at full resolution.
struct TPicture {
  /// Opaque (Format_RGB32); smaller than NaturalSize when the reader was asked to reduce it.
  QImage Image;
  QSize NaturalSize;
};

/// The picture in `fileName`, turned upright by its orientation tag and made opaque (a PNG's transparency is
/// ignored, so its hidden colours show; other formats are laid over white). A picture larger than `bound` both
/// ways is decoded reduced to the smallest size that still covers `bound` (JPEG decodes that much faster), so
/// nobody keeps more pixels than a screen can show. Empty for a name that is no picture, a file that cannot be
/// decoded, and a picture whose full pixels would take more memory than the image reader allows
/// (QImageReader::allocationLimit, the limit every image reader of the program works under): such a picture is
/// refused from its header, before any pixel is decoded.
std::optional<TPicture> ReadPicture(const QString& fileName, QSize bound = {});

}  // namespace tintorium
