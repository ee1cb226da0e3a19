// graphics/png_codec.cpp
#include "graphics/png_codec.hpp"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <new>

#include "data/error.hpp"

namespace graphics {
namespace {

struct TPngReader {
  const uint8_t* Data = nullptr;
  size_t Size = 0;
  size_t Pos = 0;
  char Message[256] = "unknown error";
};

// Filled by ReadPngRows; lives in the caller's frame so a long jump never leaves it half-known.
struct TPngRaw {
  uint32_t Width = 0;
  uint32_t Height = 0;
  int ColorType = 0;
  int Channels = 0;
  size_t RowBytes = 0;
  std::vector<uint8_t> Bytes;
  std::vector<png_bytep> Rows;
};

void ReadBytes(png_structp png, png_bytep out, size_t count) {
  auto* r = static_cast<TPngReader*>(png_get_io_ptr(png));
  if (count > r->Size - r->Pos) png_error(png, "the data ends too early");
  std::memcpy(out, r->Data + r->Pos, count);
  r->Pos += count;
}

[[noreturn]] void OnError(png_structp png, png_const_charp message) {
  auto* r = static_cast<TPngReader*>(png_get_error_ptr(png));
  std::snprintf(r->Message, sizeof r->Message, "%s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}  // recoverable damage: the picture still loads

// The libpng calls, isolated in one frame: libpng reports errors by a long jump back here.
// NOTE: nothing with a destructor may be created in this function.
bool ReadPngRows(png_structp png, png_infop info, TPngRaw* raw) {
  if (setjmp(png_jmpbuf(png))) return false;
  // The library's own limit check would stop at the header with a text naming neither the
  // picture's size nor ours: let it read any header PNG allows and check the size here.
  png_set_user_limits(png, 0x7fffffff, 0x7fffffff);
  png_read_info(png, info);
  int bitDepth = 0;
  png_get_IHDR(png, info, &raw->Width, &raw->Height, &bitDepth, &raw->ColorType, nullptr, nullptr,
               nullptr);
  if (raw->Width > static_cast<uint32_t>(kMaxImageSide) ||
      raw->Height > static_cast<uint32_t>(kMaxImageSide) ||
      static_cast<int64_t>(raw->Width) * raw->Height > kMaxImagePixels) {
    char message[160];
    std::snprintf(message, sizeof message,
                  "the picture is %u x %u pixels; at most %d x %d and %lld pixels in all are "
                  "supported",
                  static_cast<unsigned>(raw->Width), static_cast<unsigned>(raw->Height),
                  kMaxImageSide, kMaxImageSide, static_cast<long long>(kMaxImagePixels));
    png_error(png, message);
  }
  const int type = raw->ColorType;
  if (type == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
  if ((type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) && bitDepth < 8)
    png_set_expand_gray_1_2_4_to_8(png);
  if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
  if (bitDepth == 16) png_set_scale_16(png);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  raw->Channels = png_get_channels(png, info);
  raw->RowBytes = png_get_rowbytes(png, info);
  if ((raw->Channels != 3 && raw->Channels != 4) ||
      raw->RowBytes != raw->Width * static_cast<size_t>(raw->Channels))
    png_error(png, "unsupported pixel layout");
  raw->Bytes.resize(raw->RowBytes * raw->Height);
  raw->Rows.resize(raw->Height);
  for (uint32_t y = 0; y < raw->Height; ++y) raw->Rows[y] = raw->Bytes.data() + raw->RowBytes * y;
  png_read_image(png, raw->Rows.data());
  return true;
}

std::string DecodeError(std::string_view name, std::string_view reason) {
  return "Cannot decode PNG picture \"" + std::string(name) + "\": " + std::string(reason);
}

std::string Encode(const uint8_t* pixels, int width, int height, uint32_t format) {
  if (width <= 0 || height <= 0) throw data::Error("Cannot encode an empty picture as PNG");
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(width);
  image.height = static_cast<png_uint_32>(height);
  image.format = format;
  // Working archives are rewritten at every first start and read at every start: speed
  // matters more than the last quarter of size.
  image.flags = PNG_IMAGE_FLAG_FAST;
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, pixels, 0, nullptr))
    throw data::Error(std::string("Cannot encode PNG picture: ") + image.message);
  std::string out(size, '\0');
  if (!png_image_write_to_memory(&image, out.data(), &size, 0, pixels, 0, nullptr))
    throw data::Error(std::string("Cannot encode PNG picture: ") + image.message);
  out.resize(size);
  return out;
}

}  // namespace

bool LooksLikePng(std::string_view bytes) {
  return bytes.size() >= 8 &&
         png_sig_cmp(reinterpret_cast<png_const_bytep>(bytes.data()), 0, 8) == 0;
}

TImage DecodePng(std::string_view bytes, std::string_view name) {
  if (!LooksLikePng(bytes)) throw data::Error(DecodeError(name, "not a PNG file"));
  TPngReader reader;
  reader.Data = reinterpret_cast<const uint8_t*>(bytes.data());
  reader.Size = bytes.size();
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, OnError, OnWarning);
  if (png == nullptr) throw std::bad_alloc();
  png_infop info = png_create_info_struct(png);
  struct TGuard {
    png_structp* Png;
    png_infop* Info;
    ~TGuard() { png_destroy_read_struct(Png, Info, nullptr); }
  } guard{&png, &info};
  if (info == nullptr) throw std::bad_alloc();
  png_set_read_fn(png, &reader, ReadBytes);

  TPngRaw raw;
  if (!ReadPngRows(png, info, &raw)) throw data::Error(DecodeError(name, reader.Message));

  // Only a stored alpha channel counts; a transparent-colour chunk widened to alpha is dropped.
  const bool keepAlpha = (raw.ColorType & PNG_COLOR_MASK_ALPHA) != 0;
  TImage image;
  image.Width = static_cast<int>(raw.Width);
  image.Height = static_cast<int>(raw.Height);
  image.HasAlpha = keepAlpha && raw.Channels == 4;
  if (raw.Channels == image.Channels()) {
    image.Pixels = std::move(raw.Bytes);
  } else {
    image.HasAlpha = raw.Channels == 4;
    image.Pixels = std::move(raw.Bytes);
    image.SetHasAlpha(false);
  }
  return image;
}

std::string EncodePng(const TImage& image) {
  return Encode(image.Pixels.data(), image.Width, image.Height,
                image.HasAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB);
}

std::string EncodeGrayPng(const std::vector<uint8_t>& samples, int width, int height) {
  return Encode(samples.data(), width, height, PNG_FORMAT_GRAY);
}

}  // namespace graphics
