// OvSplitter in an ATL window, from C++: the "AtlAxWin" window class creates the control by its
// ProgID, the program talks to it through its dual interfaces (OvSplitr_h.h, generated from the
// type library in OvSplitr.ocx), and an event sink prints what the control raises.
//   atl_host.exe          a window to try it in; close it to end
//   atl_host.exe --demo   sets up, folds the first pane away and back, prints, and ends
#include <windows.h>
#include <ocidl.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "OvSplitr_h.h"
#include "com_ptr.h"

namespace {

// Prints the control's events; lives as long as the program, so its count is not kept.
class EventSink final : public IDispatch {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID___OvSplitter2) {
      *out = static_cast<IDispatch*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return *count = 0, S_OK; }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  // The arguments come last to first, each by reference.
  HRESULT STDMETHODCALLTYPE Invoke(DISPID event, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override {
    if (event == 7)
      std::printf("SplitterResize(%ls, %ls)\n", NameOf(params->rgvarg[1]).c_str(), NameOf(params->rgvarg[0]).c_str());
    else if (event == 9)
      std::printf("PaneCollapsedChanged(%ls)\n", NameOf(params->rgvarg[0]).c_str());
    std::fflush(stdout);
    return S_OK;
  }

 private:
  static std::wstring NameOf(const VARIANT& argument) {
    IDispatch* object = V_VT(&argument) == (VT_BYREF | VT_DISPATCH) ? *V_DISPATCHREF(&argument) : nullptr;
    ComPtr<_OvPane> pane;
    if (!object || FAILED(object->QueryInterface(IID__OvPane, pane.put_void()))) return L"Nothing";
    Bstr name;
    pane->get_Name(name.put());
    return name.c_str();
  }
};

// A pane of the collection by position, as the newer pane interface.
void PaneAt(_OvPanes* panes, long position, ComPtr<_OvPane2>& newer) {
  VARIANT index;
  V_VT(&index) = VT_I4;
  V_I4(&index) = position;
  ComPtr<_OvPane> pane;
  if (SUCCEEDED(panes->get_Item(&index, pane.put()))) pane->QueryInterface(IID__OvPane2, newer.put_void());
}

void NamePane(_OvPanes* panes, long position, const wchar_t* name) {
  ComPtr<_OvPane2> pane;
  PaneAt(panes, position, pane);
  Bstr text(name);
  if (pane) pane->put_Name(text.put());
}

int Run(bool demo) {
  // Wine and Windows ship the container in atl.dll; newer ATLs name their class AtlAxWin<n>.
  HMODULE atl = LoadLibraryW(L"atl.dll");
  auto init =
      atl ? reinterpret_cast<BOOL(WINAPI*)()>(reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxWinInit"))) : nullptr;
  auto getControl = atl ? reinterpret_cast<HRESULT(WINAPI*)(HWND, IUnknown**)>(
                              reinterpret_cast<void*>(GetProcAddress(atl, "AtlAxGetControl")))
                        : nullptr;
  if (!init || !getControl || !init()) {
    std::fprintf(stderr, "atl.dll with AtlAxWinInit is missing\n");
    return 1;
  }
  HWND frame = CreateWindowExW(0, L"Static", L"OvSplitter in ATL", WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN,
                               CW_USEDEFAULT, CW_USEDEFAULT, 640, 420, nullptr, nullptr, nullptr, nullptr);
  HWND host = CreateWindowExW(0, L"AtlAxWin", L"OrvaneSplitter.OvSplitter", WS_CHILD | WS_VISIBLE, 8, 8, 600, 360,
                              frame, nullptr, nullptr, nullptr);
  ComPtr<IUnknown> control;
  ComPtr<_OvSplitter2> splitter;
  if (!host || FAILED(getControl(host, control.put())) ||
      FAILED(control->QueryInterface(IID__OvSplitter2, splitter.put_void()))) {
    std::fprintf(stderr, "the control did not start: is OvSplitr.ocx registered?\n");
    return 1;
  }

  // Its events, through the connection point of its default event interface.
  static EventSink sink;
  ComPtr<IConnectionPointContainer> container;
  ComPtr<IConnectionPoint> point;
  DWORD cookie = 0;
  control->QueryInterface(IID_IConnectionPointContainer, container.put_void());
  if (FAILED(container->FindConnectionPoint(DIID___OvSplitter2, point.put())) || FAILED(point->Advise(&sink, &cookie)))
    return 1;

  // Three panes: folders that keep their width and fold away, and two that share the rest.
  ComPtr<_OvPanes> panes;
  splitter->get_Panes(panes.put());
  VARIANT missing;
  V_VT(&missing) = VT_ERROR;
  V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
  for (int i = 0; i < 2; ++i) {
    ComPtr<_OvPane> added;
    panes->Add(missing, missing, missing, missing, added.put());
  }
  NamePane(panes.get(), 1, L"Folders");
  NamePane(panes.get(), 2, L"List");
  NamePane(panes.get(), 3, L"Preview");
  splitter->put_ResizeMode(OvResizeProportional);
  splitter->put_SplitterKeyboard(VARIANT_TRUE);
  ComPtr<_OvPane2> folders;
  PaneAt(panes.get(), 1, folders);
  VARIANT_BOOL on = VARIANT_TRUE, off = VARIANT_FALSE;
  folders->put_Fixed(&on);
  folders->put_Collapsible(&on);

  if (demo) {
    folders->put_Collapsed(&on);
    folders->put_Collapsed(&off);
    LONG width = 0;
    folders->get_Width(&width);
    std::printf("Folders: %ld twips\n", static_cast<long>(width));
    DestroyWindow(frame);
  } else {
    MSG message;
    while (IsWindow(frame) && GetMessageW(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  point->Unadvise(cookie);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const bool demo = argc > 1 && std::wcscmp(argv[1], L"--demo") == 0;
  OleInitialize(nullptr);
  const int result = Run(demo);
  OleUninitialize();
  return result;
}
