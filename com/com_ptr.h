#pragma once
// Owning pointer to a COM interface: one reference, released once.
#include <unknwn.h>

#include <utility>

namespace activex {

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  // Takes over a reference the caller already owns.
  static ComPtr Adopt(T* raw) {
    ComPtr p;
    p.ptr_ = raw;
    return p;
  }
  // Adds a reference of its own.
  static ComPtr Share(T* raw) {
    if (raw) raw->AddRef();
    return Adopt(raw);
  }
  ComPtr(const ComPtr& other) : ptr_(other.ptr_) {
    if (ptr_) ptr_->AddRef();
  }
  ComPtr(ComPtr&& other) noexcept : ptr_(std::exchange(other.ptr_, nullptr)) {}
  ComPtr& operator=(ComPtr other) noexcept {
    std::swap(ptr_, other.ptr_);
    return *this;
  }
  ~ComPtr() { Reset(); }

  void Reset() {
    if (ptr_) std::exchange(ptr_, nullptr)->Release();
  }
  // Reset, answering what the object's Release returned (0: it is gone).
  ULONG ResetCounting() { return ptr_ ? std::exchange(ptr_, nullptr)->Release() : 0; }
  T* Get() const { return ptr_; }
  T* operator->() const { return ptr_; }
  explicit operator bool() const { return ptr_ != nullptr; }
  // For out-parameters: releases what is held first.
  T** Out() {
    Reset();
    return &ptr_;
  }
  T* Detach() { return std::exchange(ptr_, nullptr); }
  // The slot itself, lent as a by-reference argument whose callee may put another object
  // there (releasing the one it found); what it leaves is released with this pointer.
  T** Slot() { return &ptr_; }

  template <typename U>
  ComPtr<U> As(REFIID iid) const {
    ComPtr<U> result;
    if (ptr_) ptr_->QueryInterface(iid, reinterpret_cast<void**>(result.Out()));
    return result;
  }

 private:
  T* ptr_ = nullptr;
};

}  // namespace activex
