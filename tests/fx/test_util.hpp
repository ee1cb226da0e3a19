// tests/fx/test_util.hpp — small helpers shared by the effects tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "data/error.hpp"
#include "fx/vector.hpp"

// Runs fn and returns the data::Error message it raised, or "(no error)".
template <class Fn>
std::string ErrorOf(Fn&& fn) {
  try {
    fn();
  } catch (const data::Error& e) {
    return e.what();
  }
  return "(no error)";
}

#define EXPECT_VEC_NEAR(actual, ex, ey, ez, tol) \
  do {                                           \
    const fx::TVector v_ = (actual);             \
    EXPECT_NEAR(v_.x, (ex), (tol)) << v_;        \
    EXPECT_NEAR(v_.y, (ey), (tol)) << v_;        \
    EXPECT_NEAR(v_.z, (ez), (tol)) << v_;        \
  } while (0)
