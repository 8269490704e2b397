#pragma once
// The run-time errors that the simulated platform raises where a real container would.
#include <cstdint>

#include "host/error.h"

namespace host::sim {

inline constexpr int32_t kFileNotFound = 53;
inline constexpr int32_t kResourceNotFound = 326;
inline constexpr int32_t kMemberNotSupported = 438;  // "Object doesn't support this property or method"

inline Error MemberNotSupported() { return Error::Runtime(kMemberNotSupported); }

}  // namespace host::sim
