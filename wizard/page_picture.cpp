#include "wizard/page_picture.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <string>

#include "base/failure.h"
#include "base/messages.h"
#include "wizard/picture_resampling.h"
#include "wizard/resource_bytes.h"

extern "C" {
#include <jpeglib.h>
}

namespace wizard {
namespace {

// libjpeg reports errors by calling error_exit, which must not return: jump
// back out of the decoder, then raise the failure outside libjpeg's frames.
struct DecoderErrors {
  jpeg_error_mgr manager;
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

void EscapeDecoder(j_common_ptr info) {
  auto* errors = reinterpret_cast<DecoderErrors*>(info->err);
  (*info->err->format_message)(info, errors->message);
  std::longjmp(errors->escape, 1);
}

// The JPEG resource named name as rows of blue, green, red bytes.
PixelRows DecodeJpeg(const char* name) {
  const std::string jpeg = ResourceBytes(name);
  jpeg_decompress_struct info = {};
  DecoderErrors errors = {};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = EscapeDecoder;
  PixelRows pixels;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    Fail(messages::kCannotDecodePicture, errors.message);
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()),
               static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGR;  // the byte order of a Windows DIB
  jpeg_start_decompress(&info);
  pixels.width = static_cast<int>(info.output_width);
  pixels.height = static_cast<int>(info.output_height);
  pixels.bytes.resize(static_cast<std::size_t>(pixels.Stride()) * pixels.height);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row =
        pixels.bytes.data() + static_cast<std::size_t>(pixels.Stride()) * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return pixels;
}

}  // namespace

HBITMAP PagePicture(int width, int height) {
  const PictureRendering& rendering = RenderingFor(width, height);
  PixelRows pixels = DecodeJpeg(rendering.resource);
  if (pixels.width != width || pixels.height != height)
    pixels = ResamplePixels(pixels, width, height);

  BITMAPINFO header = {};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = pixels.width;
  header.bmiHeader.biHeight = -pixels.height;  // top row first
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 24;
  header.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) Fail(messages::kCannotShowPicture, "");
  std::copy(pixels.bytes.begin(), pixels.bytes.end(), static_cast<unsigned char*>(bits));
  return bitmap;
}

}  // namespace wizard
