// content/pipeline/packer.cpp
#include "content/pipeline/packer.hpp"

#include <algorithm>
#include <filesystem>
#include <memory>

#include "data/error.hpp"
#include "data/file_folder.hpp"
#include "data/files.hpp"
#include "graphics/jpeg_codec.hpp"
#include "graphics/png_codec.hpp"

namespace content {
namespace {

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

TPackedEntry Entry(std::string name, uint16_t kind, std::string_view bytes) {
  if (name.size() > static_cast<size_t>(data::kMaxEntryName))
    throw data::Error("Entry name \"" + name + "\" is longer than 32 bytes");
  TPackedEntry e;
  e.Name = std::move(name);
  e.Kind = kind;
  e.Bytes.Write(bytes);
  return e;
}

std::vector<TPackedEntry> PackPng(const std::string& base, std::string_view bytes, int quality) {
  graphics::TImage image = graphics::DecodePng(bytes, base + ".png");
  std::vector<uint8_t> alpha(static_cast<size_t>(image.Width) * image.Height, 255);
  if (image.HasAlpha) {
    BleedTransparentColours(image.Pixels, image.Width, image.Height, 6);
    for (size_t i = 0; i < alpha.size(); ++i) alpha[i] = image.Pixels[i * 4 + 3];
  }
  std::vector<TPackedEntry> out;
  out.push_back(Entry(base + "._JPG", 2, graphics::EncodeJpeg(image, quality)));
  out.push_back(
      Entry(base + "._PNG", 2, graphics::EncodeGrayPng(alpha, image.Width, image.Height)));
  return out;
}

}  // namespace

void BleedTransparentColours(std::vector<uint8_t>& rgba, int width, int height, int passes) {
  std::vector<uint8_t> known(static_cast<size_t>(width) * height);
  for (size_t i = 0; i < known.size(); ++i) known[i] = rgba[i * 4 + 3] != 0;
  for (int pass = 0; pass < passes; ++pass) {
    std::vector<uint8_t> next = known;
    bool changed = false;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const size_t i = static_cast<size_t>(y) * width + x;
        if (known[i]) continue;
        int sum[3] = {0, 0, 0}, n = 0;
        for (int dy = -1; dy <= 1; ++dy) {
          for (int dx = -1; dx <= 1; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= width || ny >= height) continue;
            const size_t j = static_cast<size_t>(ny) * width + nx;
            if (!known[j]) continue;
            for (int c = 0; c < 3; ++c) sum[c] += rgba[j * 4 + c];
            ++n;
          }
        }
        if (n == 0) continue;
        for (int c = 0; c < 3; ++c) rgba[i * 4 + c] = static_cast<uint8_t>((sum[c] + n / 2) / n);
        next[i] = 1;
        changed = true;
      }
    }
    known.swap(next);
    if (!changed) break;
  }
}

std::vector<TPackedEntry> PackFile(const std::string& path, int quality) {
  const std::string name = std::filesystem::path(path).filename().string();
  const size_t dot = name.rfind('.');
  const std::string ext = dot == std::string::npos ? std::string() : Lower(name.substr(dot + 1));
  const std::string base = name.substr(0, dot);
  const std::string bytes = data::ReadWholeFile(path);
  // The first-start conversion splits a name at its first dot.
  if ((ext == "png" || ext == "aim") && base.find('.') != std::string::npos)
    throw data::Error("\"" + name + "\": a picture or AutoImage name may hold only one dot");
  if (ext == "png") return PackPng(base, bytes, quality);
  std::vector<TPackedEntry> out;
  if (ext == "jpg") {
    graphics::DecodeJpeg(bytes, name);  // refuses a broken file now, not at first start
    out.push_back(Entry(name, 2, bytes));
  } else if (ext == "aim") {
    out.push_back(Entry(base + "._aim", 1, bytes));
  } else {
    out.push_back(Entry(name, 1, bytes));
  }
  return out;
}

void PackArchive(const std::vector<std::string>& files, const std::string& outPath, int quality) {
  std::vector<TPackedEntry> entries;
  for (const std::string& f : files) {
    for (TPackedEntry& e : PackFile(f, quality)) entries.push_back(std::move(e));
  }
  std::sort(entries.begin(), entries.end(),
            [](const TPackedEntry& a, const TPackedEntry& b) { return a.Name < b.Name; });
  for (size_t i = 1; i < entries.size(); ++i) {
    if (Lower(entries[i - 1].Name) == Lower(entries[i].Name))
      throw data::Error("Two content files give the entry \"" + entries[i].Name + "\"");
  }
  const std::filesystem::path dir = std::filesystem::path(outPath).parent_path();
  if (!dir.empty()) std::filesystem::create_directories(dir);
  auto folder = data::TFileFolder::CreateNew(outPath);
  for (const TPackedEntry& e : entries) folder->AddFile(e.Name, e.Kind, e.Bytes);
  folder->Save();
}

}  // namespace content
