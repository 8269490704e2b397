#pragma once
// Runs a late-bound call that must fail and hands back what it raised.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "automation/dispatch_error.h"

template <class Call>
std::optional<DispatchError> CaptureDispatchError(Call&& call) {
  try {
    call();
  } catch (const DispatchError& error) {
    return error;
  }
  return std::nullopt;
}

inline constexpr const wchar_t* kErrorSource = L"OrvaneSplitter";
inline constexpr const wchar_t* kHelpFile = L"OvSplitter.hlp";

// Component: the control's own errors, with its source and help file. Unattributed:
// those raised without a source ("Index out of bounds.", "Key already exists.").
// Runtime: errors of the language runtime, whose source is not checked.
enum class ErrorOrigin { Component, Unattributed, Runtime };

#define EXPECT_DISPATCH_ERROR(call, number, description, origin)                                           \
  do {                                                                                                     \
    auto raised_ = CaptureDispatchError([&] { call; });                                                    \
    ASSERT_TRUE(raised_.has_value()) << "no error from " #call;                                            \
    EXPECT_EQ(static_cast<unsigned long>(raised_->Number()), static_cast<unsigned long>(number)) << #call; \
    EXPECT_EQ(raised_->Description(), std::wstring(description)) << #call;                                 \
    if ((origin) == ErrorOrigin::Component) {                                                              \
      EXPECT_EQ(raised_->Source(), kErrorSource) << #call;                                                 \
      EXPECT_EQ(raised_->HelpFile(), kHelpFile) << #call;                                                  \
    } else if ((origin) == ErrorOrigin::Unattributed) {                                                    \
      EXPECT_EQ(raised_->Source(), L"") << #call;                                                          \
    }                                                                                                      \
  } while (false)
