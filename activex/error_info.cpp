#include "activex/error_info.h"

#include "com/bstr.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"

namespace activex {
namespace {

// The number of the error last reported on this thread; its texts travel in the thread's
// IErrorInfo. Plain data: a thread-local object with a destructor would be destroyed at
// the thread's exit, when this module may already be unloaded.
thread_local HRESULT lastReported = S_OK;

BSTR TakeText(HRESULT (STDMETHODCALLTYPE IErrorInfo::*read)(BSTR*), IErrorInfo& info) {
  BSTR text = nullptr;
  if (FAILED((info.*read)(&text))) return nullptr;
  return text;
}

}  // namespace

HRESULT ReportError(const host::Error& error, REFIID sourceInterface) {
  HRESULT result = static_cast<HRESULT>(error.hresult());
  lastReported = result;
  ComPtr<ICreateErrorInfo> create;
  if (SUCCEEDED(CreateErrorInfo(create.Out()))) {
    create->SetGUID(sourceInterface);
    create->SetSource(const_cast<LPOLESTR>(Wide(error.source())));
    create->SetDescription(const_cast<LPOLESTR>(Wide(error.description())));
    create->SetHelpFile(const_cast<LPOLESTR>(Wide(error.helpFile())));
    create->SetHelpContext(0);
    ComPtr<IErrorInfo> info = create.As<IErrorInfo>(IID_IErrorInfo);
    SetErrorInfo(0, info.Get());
  }
  return result;
}

HRESULT ReportFailure(HRESULT result) {
  lastReported = S_OK;
  SetErrorInfo(0, nullptr);
  return result;
}

bool FillExcepInfo(HRESULT result, EXCEPINFO* info) {
  if (!info || lastReported != result || SUCCEEDED(result)) return false;
  ComPtr<IErrorInfo> error;
  if (GetErrorInfo(0, error.Out()) != S_OK || !error) return false;
  SetErrorInfo(0, error.Get());  // still there for a client that asks for it
  // Whatever an earlier fill left there goes.
  win32::UniqueBstr oldSource(info->bstrSource), oldDescription(info->bstrDescription), oldHelpFile(info->bstrHelpFile);
  *info = {};
  info->scode = result;
  win32::UniqueBstr source(TakeText(&IErrorInfo::GetSource, *error.Get()));
  win32::UniqueBstr description(TakeText(&IErrorInfo::GetDescription, *error.Get()));
  win32::UniqueBstr helpFile(TakeText(&IErrorInfo::GetHelpFile, *error.Get()));
  // An empty source or help file is none; the description is always given.
  info->bstrSource = SysStringLen(source.get()) ? source.release() : nullptr;
  info->bstrDescription = description ? description.release() : SysAllocString(L"");
  info->bstrHelpFile = SysStringLen(helpFile.get()) ? helpFile.release() : nullptr;
  return true;
}

}  // namespace activex
