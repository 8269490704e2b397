#include "host/activex/error_info.h"

#include "host/com/bstr.h"
#include "host/com/com_ptr.h"
#include "host/com/unique_handle.h"

namespace activex {
namespace {

struct LastError {
  HRESULT result = S_OK;
  host::String source, description, helpFile;
};
thread_local LastError lastError;

}  // namespace

HRESULT ReportError(const host::Error& error, REFIID sourceInterface) {
  HRESULT result = static_cast<HRESULT>(error.hresult());
  lastError = {result, error.source(), error.description(), error.helpFile()};
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
  lastError = {};
  SetErrorInfo(0, nullptr);
  return result;
}

bool FillExcepInfo(HRESULT result, EXCEPINFO* info) {
  if (!info || lastError.result != result || SUCCEEDED(result)) return false;
  // Whatever an earlier fill left there goes.
  win32::UniqueBstr oldSource(info->bstrSource), oldDescription(info->bstrDescription), oldHelpFile(info->bstrHelpFile);
  *info = {};
  info->scode = result;
  info->bstrSource = lastError.source.empty() ? nullptr : AllocBstr(lastError.source);
  info->bstrDescription = AllocBstr(lastError.description);
  info->bstrHelpFile = lastError.helpFile.empty() ? nullptr : AllocBstr(lastError.helpFile);
  return true;
}

}  // namespace activex
