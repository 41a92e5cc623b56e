#include "wizard/page_picture.h"

#include <csetjmp>
#include <cstdio>
#include <string>

#include "listfiles/failure.h"
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

}  // namespace

HBITMAP DecodePagePicture(const char* name) {
  const std::string jpeg = ResourceBytes(name);
  jpeg_decompress_struct info = {};
  DecoderErrors errors = {};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = EscapeDecoder;
  HBITMAP volatile bitmap = nullptr;  // read again after a longjmp
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    if (bitmap != nullptr) DeleteObject(bitmap);
    Fail("The page picture cannot be decoded: %s", errors.message);
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.data()),
               static_cast<unsigned long>(jpeg.size()));
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_EXT_BGR;  // the byte order of a Windows DIB
  jpeg_start_decompress(&info);

  BITMAPINFO header = {};
  header.bmiHeader.biSize = sizeof header.bmiHeader;
  header.bmiHeader.biWidth = static_cast<LONG>(info.output_width);
  header.bmiHeader.biHeight = -static_cast<LONG>(info.output_height);  // top row first
  header.bmiHeader.biPlanes = 1;
  header.bmiHeader.biBitCount = 24;
  header.bmiHeader.biCompression = BI_RGB;
  void* pixels = nullptr;
  bitmap = CreateDIBSection(nullptr, &header, DIB_RGB_COLORS, &pixels, nullptr, 0);
  if (bitmap == nullptr) {
    jpeg_destroy_decompress(&info);
    Fail("The page picture cannot be shown", "");
  }
  const std::size_t stride = (info.output_width * 3 + 3) & ~static_cast<std::size_t>(3);
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = static_cast<JSAMPROW>(pixels) + stride * info.output_scanline;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return bitmap;
}

}  // namespace wizard
