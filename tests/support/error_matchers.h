#pragma once
// Runs a statement and checks the host::Error it must raise: number and description.
#include <gtest/gtest.h>

#include "host/error.h"

#define EXPECT_OV_ERROR(statement, expectedNumber, expectedDescription)                         \
  do {                                                                                          \
    try {                                                                                       \
      statement;                                                                                \
      ADD_FAILURE() << "no error from " #statement;                                             \
    } catch (const host::Error& e) {                                                            \
      EXPECT_EQ(e.number(), static_cast<int32_t>(expectedNumber)) << #statement;                \
      EXPECT_EQ(host::ToUtf8(e.description()), std::string(expectedDescription)) << #statement; \
    }                                                                                           \
  } while (0)
