// ui/method_table.hpp — the host's handlers that interface scripts call by name (ExecMethod).
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace ui {

// The handler names are a contract between the interface file and the game: every name an
// interface file uses must be published here.
class TOrlMethodTable {
 public:
  using Handler = std::function<void()>;

  void Publish(std::string name, Handler handler) {
    handlers[std::move(name)] = std::move(handler);
  }
  bool Has(std::string_view name) const { return handlers.find(name) != handlers.end(); }
  // Runs the handler; false (and nothing done) for a name the host does not publish.
  bool Call(std::string_view name) const {
    auto it = handlers.find(name);
    if (it == handlers.end() || !it->second) return false;
    it->second();
    return true;
  }

 private:
  std::map<std::string, Handler, std::less<>> handlers;
};

}  // namespace ui
