// data/error.hpp — the one exception type of the game: a message, shown as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace data {

// Loader and I/O failures everywhere in the game. NOTE: messages are user-facing texts and
// are matched exactly by players' bug reports and by tests; never decorate them on the way up.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace data
