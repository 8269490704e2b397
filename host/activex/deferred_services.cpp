#include "host/activex/deferred_services.h"

#include "host/error.h"

namespace activex {
namespace {

[[noreturn]] void NotImplemented() { throw host::Error::Runtime(host::err::kNotImplemented); }

}  // namespace

int32_t DeferredServices::ShowMessage(host::StringView, int32_t, host::StringView) { NotImplemented(); }
void DeferredServices::ShowModal(host::ModalWindow&) { NotImplemented(); }
void DeferredServices::StartProgram(host::StringView) { NotImplemented(); }
bool DeferredServices::FileExists(host::StringView) const { NotImplemented(); }

}  // namespace activex
