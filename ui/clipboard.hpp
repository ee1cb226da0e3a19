// ui/clipboard.hpp — the system clipboard as edits see it; the platform layer implements it.
#pragma once

#include <string>
#include <string_view>

namespace ui {

// Text is UTF-8 on both sides.
class IOrlClipboard {
 public:
  virtual ~IOrlClipboard() = default;
  virtual std::string GetText() = 0;  // empty when the clipboard holds no text
  virtual void SetText(std::string_view text) = 0;
};

// A clipboard that lives only inside the program: tests, tools and headless runs.
class TOrlMemoryClipboard : public IOrlClipboard {
 public:
  std::string GetText() override { return text; }
  void SetText(std::string_view value) override { text = std::string(value); }

 private:
  std::string text;
};

}  // namespace ui
