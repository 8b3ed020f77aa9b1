#include "engine/images/JpegWriter.h"

#include <csetjmp>
#include <cstdio>
#include <cstdlib>

#include <jpeglib.h>

namespace tintorium {
namespace {

struct TJpegError {
  jpeg_error_mgr manager;
  std::jmp_buf jump;
};

// libjpeg's default handler ends the process; this one returns to the encoder's caller instead.
[[noreturn]] void ErrorExit(j_common_ptr info) {
  std::longjmp(reinterpret_cast<TJpegError*>(info->err)->jump, 1);
}

void Silence(j_common_ptr, int) {}

// Kept free of objects with destructors: a libjpeg error jumps out of it.
bool Encode(const QImage& rgb, unsigned char** buffer, unsigned long* size) {
  jpeg_compress_struct info{};
  TJpegError error{};
  info.err = jpeg_std_error(&error.manager);
  error.manager.error_exit = ErrorExit;
  error.manager.emit_message = Silence;
  if (setjmp(error.jump) != 0) {
    jpeg_destroy_compress(&info);
    return false;
  }
  jpeg_create_compress(&info);
  jpeg_mem_dest(&info, buffer, size);
  info.image_width = static_cast<JDIMENSION>(rgb.width());
  info.image_height = static_cast<JDIMENSION>(rgb.height());
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, 100, TRUE);
  for (int c = 0; c < info.num_components; ++c) {
    info.comp_info[c].h_samp_factor = 1;
    info.comp_info[c].v_samp_factor = 1;
  }
  info.optimize_coding = TRUE;
  info.dct_method = JDCT_ISLOW;
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(static_cast<int>(info.next_scanline)));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

}  // namespace

std::optional<QByteArray> EncodeBestJpeg(const QImage& image) {
  if (image.isNull()) return std::nullopt;
  const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
  if (rgb.isNull()) return std::nullopt;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  const bool encoded = Encode(rgb, &buffer, &size);
  std::optional<QByteArray> bytes;
  if (encoded && buffer != nullptr) bytes = QByteArray(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
  std::free(buffer);
  return bytes;
}

}  // namespace tintorium
