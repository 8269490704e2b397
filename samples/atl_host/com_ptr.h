#pragma once
// The two owners the sample needs: an interface pointer released when it goes, and a BSTR
// freed when it goes.
#include <oleauto.h>
#include <unknwn.h>

template <typename T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T* operator->() const { return p_; }
  T* get() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }
  // For an out-parameter: the pointer the callee hands back, owned from then on.
  T** put() { return &p_; }
  void** put_void() { return reinterpret_cast<void**>(&p_); }

 private:
  T* p_ = nullptr;
};

class Bstr {
 public:
  explicit Bstr(const wchar_t* text = nullptr) : b_(text ? SysAllocString(text) : nullptr) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(b_); }
  BSTR* put() { return &b_; }
  const wchar_t* c_str() const { return b_ ? b_ : L""; }

 private:
  BSTR b_;
};
