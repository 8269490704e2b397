#pragma once
// One owner type per kind of Win32 or COM handle: move-only, freed once, on every exit
// a throw included. Plain handles are one line each over UniqueHandle; the kinds that
// need context to undo (the window of a DC, the object a selection replaced, the level
// of a saved DC state, a lock on global memory) are small types of their own below.
#include <windows.h>
#include <ole2.h>
#include <oleauto.h>

#include <utility>

namespace win32 {

template <typename Handle, auto Free>
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(Handle handle) : handle_(handle) {}
  UniqueHandle(UniqueHandle&& other) noexcept : handle_(std::exchange(other.handle_, Handle{})) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, Handle{}));
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  Handle get() const { return handle_; }
  explicit operator bool() const { return handle_ != Handle{}; }
  Handle release() { return std::exchange(handle_, Handle{}); }
  void reset(Handle handle = Handle{}) {
    if (Handle old = std::exchange(handle_, handle)) Free(old);
  }
  // For an out-parameter: frees what is held, then lends the slot to be written.
  Handle* put() {
    reset();
    return &handle_;
  }

 private:
  Handle handle_{};
};

using UniqueWindow = UniqueHandle<HWND, &::DestroyWindow>;
using UniqueGdiObject = UniqueHandle<HGDIOBJ, &::DeleteObject>;
using UniqueBitmap = UniqueHandle<HBITMAP, &::DeleteObject>;
using UniqueFont = UniqueHandle<HFONT, &::DeleteObject>;
using UniqueMemoryDc = UniqueHandle<HDC, &::DeleteDC>;
using UniqueCursor = UniqueHandle<HCURSOR, &::DestroyCursor>;
using UniqueHook = UniqueHandle<HHOOK, &::UnhookWindowsHookEx>;
using UniqueKernelHandle = UniqueHandle<HANDLE, &::CloseHandle>;
using UniqueRegistryKey = UniqueHandle<HKEY, &::RegCloseKey>;
using UniqueBstr = UniqueHandle<BSTR, &::SysFreeString>;
using UniqueSafeArray = UniqueHandle<SAFEARRAY*, &::SafeArrayDestroy>;
using UniqueTaskMemory = UniqueHandle<void*, &::CoTaskMemFree>;
using UniqueGlobal = UniqueHandle<HGLOBAL, &::GlobalFree>;
using UniqueDeferredPositions = UniqueHandle<HDWP, &::EndDeferWindowPos>;

// Owners that undo with context: not copyable, not movable, scoped to one block.
struct ScopedOwner {
  ScopedOwner() = default;
  ScopedOwner(const ScopedOwner&) = delete;
  ScopedOwner& operator=(const ScopedOwner&) = delete;
};

// GetDC of a window's client area (null: the screen), or GetWindowDC of the whole window
// with its frame, and ReleaseDC of the same window.
class WindowDc : ScopedOwner {
 public:
  enum Area { kClientArea, kWholeWindow };
  explicit WindowDc(HWND window, Area area = kClientArea)
      : window_(window), dc_(area == kWholeWindow ? ::GetWindowDC(window) : ::GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint of one WM_PAINT.
class PaintDc : ScopedOwner {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  ~PaintDc() { ::EndPaint(window_, &paint_); }
  HDC get() const { return dc_; }
  const RECT& Dirty() const { return paint_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a DC; what it replaced goes back in when the scope ends.
class SelectedObject : ScopedOwner {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? ::SelectObject(dc, object) : nullptr) {}
  ~SelectedObject() {
    if (previous_) ::SelectObject(dc_, previous_);
  }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// SaveDC now, RestoreDC of that level when the scope ends.
class SavedDcState : ScopedOwner {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), level_(::SaveDC(dc)) {}
  ~SavedDcState() {
    if (level_) ::RestoreDC(dc_, level_);
  }

 private:
  HDC dc_;
  int level_;
};

// GlobalLock of global memory, GlobalUnlock when the scope ends; data() is null when
// the lock failed.
class LockedGlobal : ScopedOwner {
 public:
  explicit LockedGlobal(HGLOBAL memory) : memory_(memory), data_(memory ? ::GlobalLock(memory) : nullptr) {}
  ~LockedGlobal() {
    if (data_) ::GlobalUnlock(memory_);
  }
  void* data() const { return data_; }

 private:
  HGLOBAL memory_;
  void* data_;
};

// SafeArrayAccessData, SafeArrayUnaccessData when the scope ends; data() is null when
// the access failed.
class AccessedArray : ScopedOwner {
 public:
  explicit AccessedArray(SAFEARRAY* array) : array_(array) {
    if (array_ && FAILED(::SafeArrayAccessData(array_, &data_))) data_ = nullptr;
  }
  ~AccessedArray() {
    if (data_) ::SafeArrayUnaccessData(array_);
  }
  void* data() const { return data_; }

 private:
  SAFEARRAY* array_;
  void* data_ = nullptr;
};

// A VARIANT cleared (VariantClear) when it goes; movable, so a vector can hold them.
class UniqueVariant {
 public:
  UniqueVariant() { ::VariantInit(&value_); }
  UniqueVariant(UniqueVariant&& other) noexcept : value_(other.value_) { ::VariantInit(&other.value_); }
  UniqueVariant& operator=(UniqueVariant&& other) noexcept {
    if (this != &other) {
      reset();
      value_ = other.value_;
      ::VariantInit(&other.value_);
    }
    return *this;
  }
  UniqueVariant(const UniqueVariant&) = delete;
  UniqueVariant& operator=(const UniqueVariant&) = delete;
  ~UniqueVariant() { reset(); }

  VARIANT& get() { return value_; }
  const VARIANT& get() const { return value_; }
  // Clears what is held and lends the VARIANT to be written (an out-parameter).
  VARIANT* put() {
    reset();
    return &value_;
  }
  void reset() { ::VariantClear(&value_); }
  // Hands the contents over to the caller, leaving VT_EMPTY.
  VARIANT release() {
    VARIANT value = value_;
    ::VariantInit(&value_);
    return value;
  }

 private:
  VARIANT value_;
};

// A storage medium returned by IDataObject::GetData, let go with ReleaseStgMedium.
class UniqueStgMedium : ScopedOwner {
 public:
  UniqueStgMedium() = default;
  ~UniqueStgMedium() { ::ReleaseStgMedium(&medium_); }
  STGMEDIUM* put() { return &medium_; }
  const STGMEDIUM& get() const { return medium_; }

 private:
  STGMEDIUM medium_{};
};

// The attributes a type description (TYPEATTR) or a type library (TLIBATTR) lends,
// released back to it when the scope ends.
template <typename Source, typename Attributes, HRESULT (STDMETHODCALLTYPE Source::*Get)(Attributes**),
          void (STDMETHODCALLTYPE Source::*Release)(Attributes*)>
class LentAttributes : ScopedOwner {
 public:
  explicit LentAttributes(Source* source) : source_(source) {
    if (FAILED(result_ = (source_->*Get)(&attributes_))) attributes_ = nullptr;
  }
  ~LentAttributes() {
    if (attributes_) (source_->*Release)(attributes_);
  }
  HRESULT result() const { return result_; }
  const Attributes* operator->() const { return attributes_; }
  explicit operator bool() const { return attributes_ != nullptr; }

 private:
  Source* source_;
  Attributes* attributes_ = nullptr;
  HRESULT result_;
};

using TypeAttributes = LentAttributes<ITypeInfo, TYPEATTR, &ITypeInfo::GetTypeAttr, &ITypeInfo::ReleaseTypeAttr>;
using LibraryAttributes = LentAttributes<ITypeLib, TLIBATTR, &ITypeLib::GetLibAttr, &ITypeLib::ReleaseTLibAttr>;

// One description of a type description by its index (a FUNCDESC, or a VARDESC of an
// enumeration's constant), released back to it when the scope ends.
template <typename Description, HRESULT (STDMETHODCALLTYPE ITypeInfo::*Get)(UINT, Description**),
          void (STDMETHODCALLTYPE ITypeInfo::*Release)(Description*)>
class IndexedDescription : ScopedOwner {
 public:
  IndexedDescription(ITypeInfo* info, UINT index) : info_(info) {
    if (FAILED((info_->*Get)(index, &description_))) description_ = nullptr;
  }
  ~IndexedDescription() {
    if (description_) (info_->*Release)(description_);
  }
  const Description* operator->() const { return description_; }
  explicit operator bool() const { return description_ != nullptr; }

 private:
  ITypeInfo* info_;
  Description* description_ = nullptr;
};

using FunctionDescription = IndexedDescription<FUNCDESC, &ITypeInfo::GetFuncDesc, &ITypeInfo::ReleaseFuncDesc>;
using VariableDescription = IndexedDescription<VARDESC, &ITypeInfo::GetVarDesc, &ITypeInfo::ReleaseVarDesc>;

}  // namespace win32
