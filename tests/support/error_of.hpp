// tests/support/error_of.hpp — the message of the error a piece of code raises, so a test can
// compare it with the exact text players and modders see.
#pragma once

#include <string>
#include <utility>

#include "data/error.hpp"

namespace support_test {

// Runs fn and returns the data::Error message it raised, or "(no error)".
template <class Fn>
std::string ErrorOf(Fn&& fn) {
  try {
    std::forward<Fn>(fn)();
  } catch (const data::Error& e) {
    return e.what();
  }
  return "(no error)";
}

}  // namespace support_test
