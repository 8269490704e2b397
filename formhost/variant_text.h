#pragma once
// A VARIANT as one line of text that names its type, so that it reads back as the same
// type and value:
//
//   Empty   Null   Nothing (an object variable holding no object)
//   I1 -5   I2 -5   I4 -5   I8 -5   Int -5   UI1 5   UI2 5   UI4 5   UI8 5   UInt 5
//   R4 0.1   R8 -2.5e-300   R8 inf   R8 nan   (the shortest text giving the same number)
//   CY -12.3400   Decimal 1.500 (exact, the digits after the point being its scale)
//   Date 2024-01-31 12:30:05   Date 45322.5000001 (the serial number when the date in
//                                                  whole seconds would not read back exactly)
//   BSTR "a \"quote\",\\ a new line\n, ü and \u0001"   Bool True   Error 0x80020004
//   Picture 6C740000...   (the picture's own saved stream, IPersistStream, in hexadecimal)
//   Array I4 (1 To 3) {10, 20, 30}
//   Array BSTR (0 To 1, 1 To 2) {"a", "b", "c", "d"}   (the first dimension varies fastest,
//                                                     as in memory: (0,1) (1,1) (0,2) (1,2))
//   Array Variant (0 To 2) {I2 1, BSTR "x", Array Bool (0 To 0) {False}}
//
// Elements of a typed array go without their type; a Variant array's carry theirs.

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "com/unique_handle.h"
#include "formhost/text_cursor.h"

// Throws std::invalid_argument for a value no text holds (an object other than a picture).
std::wstring VariantText(const VARIANT& value);
// Reads what VariantText writes; throws std::invalid_argument through the cursor.
win32::UniqueVariant ParseVariant(TextCursor& cursor);
