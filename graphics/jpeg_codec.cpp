// graphics/jpeg_codec.cpp
#include "graphics/jpeg_codec.hpp"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "data/error.hpp"

namespace graphics {
namespace {

struct TJpegError {
  jpeg_error_mgr Manager;
  std::jmp_buf Jump;
  char Message[JMSG_LENGTH_MAX] = "unknown error";
};

[[noreturn]] void OnError(j_common_ptr cinfo) {
  auto* e = reinterpret_cast<TJpegError*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, e->Message);
  std::longjmp(e->Jump, 1);
}

// Warnings are ignored, except the one for data that stops before the picture is complete.
void OnMessage(j_common_ptr cinfo, int level) {
  if (level == -1 && cinfo->err->msg_code == JWRN_JPEG_EOF) OnError(cinfo);
}

// The library calls, isolated in one frame: errors arrive as a long jump back here.
// NOTE: nothing with a destructor may be created in this function.
bool ReadJpeg(jpeg_decompress_struct* cinfo, TJpegError* err, std::string_view bytes, TImage* out) {
  if (setjmp(err->Jump)) return false;
  jpeg_create_decompress(cinfo);
  jpeg_mem_src(cinfo, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(cinfo, TRUE);
  if (cinfo->image_width > static_cast<unsigned>(kMaxImageSide) ||
      cinfo->image_height > static_cast<unsigned>(kMaxImageSide) ||
      static_cast<int64_t>(cinfo->image_width) * cinfo->image_height > kMaxImagePixels) {
    // The library's own text for this names its limit, not ours, and not the picture's size.
    std::snprintf(err->Message, sizeof err->Message,
                  "the picture is %u x %u pixels; at most %d x %d and %lld pixels in all are "
                  "supported",
                  static_cast<unsigned>(cinfo->image_width),
                  static_cast<unsigned>(cinfo->image_height), kMaxImageSide, kMaxImageSide,
                  static_cast<long long>(kMaxImagePixels));
    return false;
  }
  cinfo->out_color_space = JCS_RGB;
  jpeg_start_decompress(cinfo);
  if (cinfo->output_components != 3) ERREXIT(cinfo, JERR_BAD_J_COLORSPACE);
  out->Width = static_cast<int>(cinfo->output_width);
  out->Height = static_cast<int>(cinfo->output_height);
  out->HasAlpha = false;
  out->Pixels.resize(static_cast<size_t>(out->Width) * out->Height * 3);
  while (cinfo->output_scanline < cinfo->output_height) {
    JSAMPROW target =
        out->Pixels.data() + static_cast<size_t>(cinfo->output_scanline) * out->Width * 3;
    jpeg_read_scanlines(cinfo, &target, 1);
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

bool WriteJpeg(jpeg_compress_struct* cinfo, TJpegError* err, const TImage* image, int quality,
               unsigned char** buffer, unsigned long* size, std::vector<uint8_t>* row) {
  if (setjmp(err->Jump)) return false;
  jpeg_create_compress(cinfo);
  jpeg_mem_dest(cinfo, buffer, size);
  cinfo->image_width = static_cast<JDIMENSION>(image->Width);
  cinfo->image_height = static_cast<JDIMENSION>(image->Height);
  cinfo->input_components = 3;
  cinfo->in_color_space = JCS_RGB;
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, TRUE);
  jpeg_start_compress(cinfo, TRUE);
  const int channels = image->Channels();
  while (cinfo->next_scanline < cinfo->image_height) {
    const uint8_t* src =
        image->Pixels.data() + static_cast<size_t>(cinfo->next_scanline) * image->Width * channels;
    JSAMPROW target = row->data();
    if (channels == 3) {
      target = const_cast<JSAMPROW>(src);  // the library only reads input rows
    } else {
      for (int x = 0; x < image->Width; ++x) std::memcpy(row->data() + x * 3, src + x * 4, 3);
    }
    jpeg_write_scanlines(cinfo, &target, 1);
  }
  jpeg_finish_compress(cinfo);
  return true;
}

}  // namespace

bool LooksLikeJpeg(std::string_view bytes) {
  return bytes.size() >= 3 && static_cast<uint8_t>(bytes[0]) == 0xFF &&
         static_cast<uint8_t>(bytes[1]) == 0xD8 && static_cast<uint8_t>(bytes[2]) == 0xFF;
}

TImage DecodeJpeg(std::string_view bytes, std::string_view name) {
  jpeg_decompress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  TJpegError err;
  cinfo.err = jpeg_std_error(&err.Manager);
  err.Manager.error_exit = OnError;
  err.Manager.emit_message = OnMessage;
  TImage image;
  const bool ok = !bytes.empty() && ReadJpeg(&cinfo, &err, bytes, &image);
  jpeg_destroy_decompress(&cinfo);
  if (bytes.empty()) std::snprintf(err.Message, sizeof err.Message, "the entry is empty");
  if (!ok)
    throw data::Error("Cannot decode JPEG picture \"" + std::string(name) + "\": " + err.Message);
  return image;
}

std::string EncodeJpeg(const TImage& image, int quality) {
  if (image.Empty()) throw data::Error("Cannot encode an empty picture as JPEG");
  jpeg_compress_struct cinfo;
  std::memset(&cinfo, 0, sizeof cinfo);
  TJpegError err;
  cinfo.err = jpeg_std_error(&err.Manager);
  err.Manager.error_exit = OnError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  std::vector<uint8_t> row(static_cast<size_t>(image.Width) * 3);
  const bool ok =
      WriteJpeg(&cinfo, &err, &image, std::clamp(quality, 0, 100), &buffer, &size, &row);
  jpeg_destroy_compress(&cinfo);
  std::string out;
  if (ok) out.assign(reinterpret_cast<const char*>(buffer), size);
  std::free(buffer);
  if (!ok) throw data::Error(std::string("Cannot encode JPEG picture: ") + err.Message);
  return out;
}

}  // namespace graphics
