#pragma once
// Turns the component's errors into what COM clients receive: the HRESULT, IErrorInfo
// and, through IDispatch::Invoke, EXCEPINFO.
#include <windows.h>
#include <oaidl.h>

#include <exception>
#include <new>

#include "host/error.h"

namespace activex {

// Records the error for the calling thread (SetErrorInfo) and returns its HRESULT.
HRESULT ReportError(const host::Error& error, REFIID source);
// An HRESULT failure with no description of ours: clears the thread's error information.
HRESULT ReportFailure(HRESULT result);

// Fills EXCEPINFO from the error last reported on this thread when it carries `result`.
bool FillExcepInfo(HRESULT result, EXCEPINFO* info);

// The one crossing from the component's errors to COM: runs a member's body, and an
// error of the component becomes its HRESULT with IErrorInfo naming source; out of
// memory becomes E_OUTOFMEMORY and anything else E_UNEXPECTED, neither with a
// description of ours. Nothing unwinds past it into the caller.
template <typename Body>
HRESULT ComBoundary(REFIID source, Body&& body) {
  try {
    body();
    return S_OK;
  } catch (const host::Error& error) {
    return ReportError(error, source);
  } catch (const std::bad_alloc&) {
    return ReportFailure(E_OUTOFMEMORY);
  } catch (...) {
    return ReportFailure(E_UNEXPECTED);
  }
}

}  // namespace activex
