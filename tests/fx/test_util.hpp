// tests/fx/test_util.hpp — comparing vectors in the effects tests.
#pragma once

#include <gtest/gtest.h>

#include "fx/vector.hpp"

#define EXPECT_VEC_NEAR(actual, ex, ey, ez, tol) \
  do {                                           \
    const fx::TVector v_ = (actual);             \
    EXPECT_NEAR(v_.x, (ex), (tol)) << v_;        \
    EXPECT_NEAR(v_.y, (ey), (tol)) << v_;        \
    EXPECT_NEAR(v_.z, (ez), (tol)) << v_;        \
  } while (0)
