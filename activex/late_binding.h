#pragma once
// Members of other components' objects reached by name at run time, as the form
// languages do; a member the object lacks raises the platform's "Object doesn't support
// this property or method", one that fails raises the object's own error.
#include <windows.h>
#include <oaidl.h>

#include <initializer_list>
#include <optional>

#include "com/com_ptr.h"
#include "host/error.h"
#include "host/variant.h"

namespace activex {

// What an IDispatch::Invoke failure means to the caller: the object's own error from
// EXCEPINFO (number, source, description, help file), or the run-time error the failure
// stands for ("Object doesn't support this property or method" for a member it lacks).
host::Error InvokeFailure(HRESULT result, EXCEPINFO& exception);

// A property read by dispatch id (an ambient property); none when the object fails it.
std::optional<host::Variant> GetById(IDispatch* object, DISPID id);
host::Variant GetByName(IDispatch* object, const wchar_t* name);
host::Variant CallByName(IDispatch* object, const wchar_t* name, std::initializer_list<host::Variant> arguments);
// The object a property holds, or null when it holds none.
ComPtr<IUnknown> ObjectByName(IDispatch* object, const wchar_t* name);
// The identity of a COM object (its IUnknown), for comparing objects.
ComPtr<IUnknown> IdentityOf(IUnknown* object);

}  // namespace activex
