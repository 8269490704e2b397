#pragma once
// A class object of the component: the splitter control or one of its property pages.
#include <windows.h>
#include <unknwn.h>

namespace activex {

class ClassFactory final : public IClassFactory {
 public:
  // Makes a new object of the class and asks it for iid.
  using Creator = HRESULT (*)(REFIID iid, void** out);
  explicit constexpr ClassFactory(Creator create) : create_(create) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  // A static object: it lives as long as the module and counts only as a lock.
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override;
  HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override;

 private:
  Creator create_;
};

}  // namespace activex
