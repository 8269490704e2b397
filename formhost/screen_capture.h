#pragma once
// A rectangle of the screen as it is shown, saved as a 24-bit BMP file.

#include <windows.h>

#include <string>

// Throws std::runtime_error when the pixels cannot be read or the file not written.
void SaveScreenRectangle(const RECT& screen, const std::wstring& path);
