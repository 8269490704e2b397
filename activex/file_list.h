#pragma once
// A list of file paths as the bytes of the clipboard's file format (CF_HDROP: a
// DROPFILES header, then the paths, each ended by a NUL, and one more NUL) and back.
#include <cstdint>
#include <vector>

#include "host/text.h"

namespace activex {

// Written as Unicode paths.
std::vector<uint8_t> BytesOfFileList(const std::vector<host::String>& paths);
// Reads Unicode and ANSI lists alike; damaged bytes give the paths found before the damage.
std::vector<host::String> FileListOf(const std::vector<uint8_t>& bytes);

}  // namespace activex
