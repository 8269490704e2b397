#pragma once
// A window of the platform as the portable code sees it: an opaque number, 0 for none.
#include <cstdint>

namespace host {

using WindowHandle = std::uintptr_t;

}  // namespace host
