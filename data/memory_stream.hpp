// data/memory_stream.hpp — a growable byte buffer with a read/write position.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace data {

// The in-memory stream archives hand out and loaders read from. Reads past the end return
// fewer bytes, never fail; writes at the position overwrite and extend.
class TMemoryStream {
 public:
  TMemoryStream() = default;
  explicit TMemoryStream(std::string_view bytes) : bytes(bytes.begin(), bytes.end()) {}

  size_t Size() const { return bytes.size(); }
  size_t Position() const { return position; }
  void SetPosition(size_t pos) { position = pos; }
  void SetSize(size_t size);  // keeps the position, clamped to the new size
  void Clear();

  size_t Read(void* dest, size_t count);
  void Write(const void* src, size_t count);
  void Write(std::string_view text) { Write(text.data(), text.size()); }

  // The bytes from the position to the end, without moving the position.
  std::string_view Remaining() const;
  std::string_view View() const {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
  }
  std::vector<uint8_t>& Bytes() { return bytes; }
  const std::vector<uint8_t>& Bytes() const { return bytes; }

  // Whole-file helpers; failures raise data::Error naming the path and the system's reason.
  void LoadFromFile(const std::string& path);
  void SaveToFile(const std::string& path) const;

 private:
  std::vector<uint8_t> bytes;
  size_t position = 0;
};

}  // namespace data
