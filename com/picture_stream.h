#pragma once
// A picture's own persistent form: the bytes its IPersistStream writes, and the picture
// that OleLoadPicture makes of them again. The OCX keeps them in its binary record, form
// files in hexadecimal.
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <cstdint>
#include <cstring>
#include <new>
#include <optional>
#include <span>
#include <vector>

#include "com/com_ptr.h"
#include "com/unique_handle.h"

namespace win32 {

// Nothing when the object is no picture that saves itself.
inline std::optional<std::vector<uint8_t>> SavedPictureBytes(IUnknown* object) {
  activex::ComPtr<IPicture> picture;
  activex::ComPtr<IPersistStream> persist;
  activex::ComPtr<IStream> stream;
  LARGE_INTEGER none{};
  ULARGE_INTEGER end{};
  HGLOBAL memory = nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IPicture, reinterpret_cast<void**>(picture.Out()))) ||
      FAILED(object->QueryInterface(IID_IPersistStream, reinterpret_cast<void**>(persist.Out()))) ||
      FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) || FAILED(persist->Save(stream.Get(), TRUE)) ||
      FAILED(stream->Seek(none, STREAM_SEEK_CUR, &end)) || FAILED(GetHGlobalFromStream(stream.Get(), &memory)))
    return std::nullopt;
  std::vector<uint8_t> saved(static_cast<size_t>(end.QuadPart));
  LockedGlobal locked(memory);
  if (!locked.data() && !saved.empty()) throw std::bad_alloc();
  if (!saved.empty()) std::memcpy(saved.data(), locked.data(), saved.size());
  return saved;
}

// OleLoadPicture's answer for the bytes; the picture, with a reference, through out.
inline HRESULT LoadPictureBytes(std::span<const uint8_t> saved, IPictureDisp** out) {
  *out = nullptr;
  UniqueGlobal memory(GlobalAlloc(GMEM_MOVEABLE, saved.empty() ? 1 : saved.size()));
  if (!memory) throw std::bad_alloc();
  {
    LockedGlobal locked(memory.get());
    if (!locked.data()) throw std::bad_alloc();
    if (!saved.empty()) std::memcpy(locked.data(), saved.data(), saved.size());
  }
  activex::ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(memory.get(), TRUE, stream.Out()))) throw std::bad_alloc();
  memory.release();  // the stream frees it now
  return OleLoadPicture(stream.Get(), static_cast<LONG>(saved.size()), FALSE, IID_IPictureDisp,
                        reinterpret_cast<void**>(out));
}

}  // namespace win32
