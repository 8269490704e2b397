// Every member a client can call, found in the objects' type information, called through
// IDispatch::Invoke with every argument count from none to one past the declared count,
// every kind of Variant (and its by-reference forms) in the first position, named
// arguments and wrong invoke flags. Each call must come back with an HRESULT that a client
// can read; afterwards every object of the server is gone and no GDI object is left over.
// A member that hangs runs into the run's time limit. Beside the sweep, the answers to the
// misfits that the control checks itself.

#include <gtest/gtest.h>

#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "automation/dispatch_client.h"
#include "expect_dispatch_error.h"
#include "automation/gdi_census.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "automation/server_module.h"
#include "automation/name_dispatch.h"
#include "automation/splitter_instance.h"
#include "test_object.h"

namespace {

using activex::ComPtr;

// The Variants a client may pass, by value; each also goes by reference (below).
enum class Kind { Empty, Null, I2, I4, R8, Currency, Date, Bool, NumericText, Text, Object, Nothing, Array, Missing };
constexpr Kind kKinds[] = {Kind::Empty,    Kind::Null,  Kind::I2,      Kind::I4,         Kind::R8,
                           Kind::Currency, Kind::Date,  Kind::Bool,    Kind::Text,       Kind::Object,
                           Kind::Nothing,  Kind::Array, Kind::Missing, Kind::NumericText};

// VT_BYREF | the value's own type, or a reference to a Variant holding it (what script
// engines pass for a variable).
enum class Form { Value, TypedReference, VariantReference };

// The arguments of one call, owning everything they point to.
class Arguments {
 public:
  explicit Arguments(IDispatch* object) : object_(object) {}
  Arguments(const Arguments&) = delete;
  Arguments& operator=(const Arguments&) = delete;

  // Appends in source order; Invoke takes the last first.
  void Add(Kind kind, Form form) {
    VARIANT& held = storage_.emplace_back().get();
    held = Make(kind);
    VARIANT slot = held;  // a view of the value, which storage_ owns, or a reference to it
    if (form == Form::VariantReference) {
      slot.vt = VT_BYREF | VT_VARIANT, slot.pvarVal = &held;
    } else if (form == Form::TypedReference && HasTypedReference(kind)) {
      // every by-reference member shares the one pointer slot
      slot.vt = static_cast<VARTYPE>(VT_BYREF | held.vt), slot.byref = &held.lVal;
    }
    slots_.insert(slots_.begin(), slot);
  }

  size_t Count() const { return slots_.size(); }
  DISPPARAMS* Params(const DISPID* named, UINT namedCount) {
    params_ = {slots_.empty() ? nullptr : slots_.data(), const_cast<DISPID*>(named), static_cast<UINT>(slots_.size()),
               namedCount};
    return &params_;
  }

 private:
  static bool HasTypedReference(Kind kind) {
    return kind != Kind::Empty && kind != Kind::Null && kind != Kind::Missing;
  }
  VARIANT Make(Kind kind) const {
    // The numbers, each converted from a double to its own type.
    static const std::map<Kind, std::pair<VARTYPE, double>> kNumbers = {{Kind::I2, {VT_I2, 2}},
                                                                        {Kind::I4, {VT_I4, 2}},
                                                                        {Kind::R8, {VT_R8, 2.5}},
                                                                        {Kind::Currency, {VT_CY, 1.5}},
                                                                        {Kind::Date, {VT_DATE, 45000.25}},
                                                                        {Kind::Bool, {VT_BOOL, -1}}};
    VARIANT v;
    VariantInit(&v);
    if (auto number = kNumbers.find(kind); number != kNumbers.end()) {
      v.vt = VT_R8, v.dblVal = number->second.second;
      VariantChangeType(&v, &v, 0, number->second.first);
    } else if (kind == Kind::Null) {
      v.vt = VT_NULL;
    } else if (kind == Kind::NumericText || kind == Kind::Text) {
      v.vt = VT_BSTR, v.bstrVal = SysAllocString(kind == Kind::Text ? L"abc" : L"2");
    } else if (kind == Kind::Object || kind == Kind::Nothing) {
      v.vt = VT_DISPATCH, v.pdispVal = kind == Kind::Object ? object_ : nullptr;
      if (v.pdispVal) v.pdispVal->AddRef();
    } else if (kind == Kind::Array) {
      SAFEARRAYBOUND bound{2, 0};
      v.vt = VT_ARRAY | VT_I4, v.parray = SafeArrayCreate(VT_I4, 1, &bound);
    } else if (kind == Kind::Missing) {
      v.vt = VT_ERROR, v.scode = DISP_E_PARAMNOTFOUND;
    }
    return v;
  }

  IDispatch* object_;
  std::vector<VARIANT> slots_;                // views of storage_ or references into it
  std::deque<win32::UniqueVariant> storage_;  // every value; a deque keeps addresses
  DISPPARAMS params_{};
};

class PlainObject final : public TestObject<NameDispatch, &IID_IDispatch> {
 public:
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
    return DISP_E_MEMBERNOTFOUND;
  }
};

// One member of an interface, as the type library declares it.
struct Member {
  std::wstring interfaceName;
  std::wstring name;
  DISPID id;
  WORD flags;        // the DISPATCH_ flag of its kind
  UINT declared;     // parameters, without the return value
  bool objectFirst;  // its first parameter takes an object
};

std::string Describe(const Member& m) {
  return Narrow(m.interfaceName + L"." + m.name) + " (flags " + std::to_string(m.flags) + ")";
}

bool TakesObject(ITypeInfo* info, const TYPEDESC& declared) {
  const TYPEDESC* type = &declared;
  while (type->vt == VT_PTR && type->lptdesc) type = type->lptdesc;
  if (type->vt == VT_DISPATCH || type->vt == VT_UNKNOWN) return true;
  if (type->vt != VT_USERDEFINED) return false;
  ComPtr<ITypeInfo> referenced;
  if (FAILED(info->GetRefTypeInfo(type->hreftype, referenced.Out()))) return false;
  win32::TypeAttributes attributes(referenced.Get());
  return attributes && attributes->typekind != TKIND_ENUM;
}

// The members a client calls on an object, as its dispatch description gives them (with
// those of the interfaces it extends), under the object's interface name.
std::vector<Member> MembersOf(IDispatch* object, const std::wstring& interfaceName) {
  std::vector<Member> members;
  ComPtr<ITypeInfo> dispatch;
  if (FAILED(object->GetTypeInfo(0, LOCALE_USER_DEFAULT, dispatch.Out()))) return members;
  win32::TypeAttributes attributes(dispatch.Get());
  for (UINT f = 0; attributes && f < attributes->cFuncs; ++f) {
    win32::FunctionDescription function(dispatch.Get(), f);
    if (!function || (function->wFuncFlags & FUNCFLAG_FRESTRICTED)) continue;
    win32::UniqueBstr memberName;
    dispatch->GetDocumentation(function->memid, memberName.put(), nullptr, nullptr, nullptr);
    UINT declared = 0;
    for (SHORT p = 0; p < function->cParams; ++p)
      if (!(function->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FRETVAL)) ++declared;
    bool objectFirst = declared > 0 && TakesObject(dispatch.Get(), function->lprgelemdescParam[0].tdesc);
    members.push_back({interfaceName, memberName.get(), function->memid,
                       static_cast<WORD>(function->invkind) /* INVOKE_ and DISPATCH_ flags agree */, declared,
                       objectFirst});
  }
  return members;
}

// A failure a client can read: a dispatch error, or an exception with its number and text.
::testing::AssertionResult Readable(HRESULT hr, const EXCEPINFO& exception) {
  if (SUCCEEDED(hr)) return ::testing::AssertionSuccess();
  if (hr == DISP_E_EXCEPTION) {
    if (FAILED(exception.scode) && exception.bstrDescription && *exception.bstrDescription)
      return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "an exception without a failing number and a description";
  }
  if (HRESULT_FACILITY(hr) == FACILITY_DISPATCH) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "HRESULT 0x" << std::hex << static_cast<unsigned long>(hr);
}

class DispatchSweep : public ::testing::Test {
 protected:
  void SetUp() override {
    SplitterInstance warm;  // loads the server, its cursors and cached GDI objects
    warm.Panes().Call(L"Add");
  }

  static DispatchClient ObjectFor(const SplitterInstance& splitter, const std::wstring& interfaceName) {
    DispatchClient panes = splitter.Panes();
    if (interfaceName == L"_OvPanes") return panes;
    if (interfaceName == L"_OvPane2") return panes.Object(L"Item", 1);
    return splitter.Control();
  }

  // One call; counts its HRESULT and fails the test when a client could not read it. A
  // property's new value is named as clients name it, unless `named` says otherwise.
  void Call(const Member& member, IDispatch* target, WORD flags, Arguments& arguments, const std::string& what,
            std::optional<const DISPID*> named = std::nullopt) {
    static constexpr DISPID kPut = DISPID_PROPERTYPUT;
    const bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    const DISPID* names = named.value_or(put && arguments.Count() ? &kPut : nullptr);
    DISPPARAMS* params = arguments.Params(names, names ? 1 : 0);
    win32::UniqueVariant result;
    EXCEPINFO exception{};
    UINT argumentError = 0;
    HRESULT hr = target->Invoke(member.id, IID_NULL, LOCALE_USER_DEFAULT, flags, params, result.put(), &exception,
                                &argumentError);
    const win32::UniqueBstr source(exception.bstrSource), description(exception.bstrDescription),
        helpFile(exception.bstrHelpFile);
    EXPECT_TRUE(Readable(hr, exception)) << Describe(member) << " called with flags " << flags << ", " << params->cArgs
                                         << " arguments, " << what;
    ++calls_;
  }

  // Every argument count, every kind and form of Variant in the first position, the other
  // positions a value of their declared kind.
  void Sweep(const Member& member, IDispatch* target) {
    const bool put = member.flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    for (UINT count = 0; count <= member.declared + 1; ++count)
      for (Kind kind : kKinds)
        for (Form form : {Form::Value, Form::TypedReference, Form::VariantReference}) {
          if (count == 0 && (kind != Kind::Empty || form != Form::Value)) continue;
          Arguments arguments(&argumentObject_);
          if (count > 0) arguments.Add(kind, form);
          for (UINT position = 1; position < count; ++position)
            arguments.Add(position + 1 == count && put && member.objectFirst ? Kind::Nothing : Kind::I4, Form::Value);
          Call(member, target, member.flags, arguments,
               "first kind " + std::to_string(static_cast<int>(kind)) + ", form " +
                   std::to_string(static_cast<int>(form)));
        }
  }

  // A bogus named argument, a new value not named, and every other set of invoke flags.
  void Misuse(const Member& member, IDispatch* target) {
    static constexpr DISPID kBogus = 0x7777;
    for (const DISPID* named : {&kBogus, static_cast<const DISPID*>(nullptr)}) {
      Arguments arguments(&argumentObject_);
      arguments.Add(Kind::I4, Form::Value);
      Call(member, target, member.flags, arguments, "a bogus named argument or none", named);
    }
    for (WORD flags : {WORD{0}, WORD{DISPATCH_METHOD}, WORD{DISPATCH_PROPERTYGET}, WORD{DISPATCH_PROPERTYPUT},
                       WORD{DISPATCH_PROPERTYPUTREF}, WORD{DISPATCH_METHOD | DISPATCH_PROPERTYPUT}, WORD{0x40}}) {
      if (flags == member.flags) continue;
      for (UINT count : {0u, 1u}) {
        Arguments arguments(&argumentObject_);
        if (count) arguments.Add(Kind::I4, Form::Value);
        Call(member, target, flags, arguments, "wrong invoke flags");
      }
    }
  }

  PlainObject argumentObject_;
  unsigned calls_ = 0;
};

// OLEDrag starts the platform's modal drag loop and AboutBox shows a modal window: both
// wait for the user, so they are left out.
bool WaitsForTheUser(const Member& member) { return member.name == L"OLEDrag" || member.name == L"AboutBox"; }

TEST_F(DispatchSweep, EveryMemberAnswersEveryArgumentWithAnHresultAndLeavesNothingBehind) {
  std::vector<Member> members;
  {
    SplitterInstance splitter;
    splitter.Panes().Call(L"Add");
    for (const wchar_t* name : {L"_OvSplitter2", L"_OvPanes", L"_OvPane2"}) {
      std::vector<Member> found = MembersOf(ObjectFor(splitter, name).Pointer(), name);
      EXPECT_FALSE(found.empty()) << "no members of " << Narrow(name);
      members.insert(members.end(), found.begin(), found.end());
    }
  }

  const ULONG objectReferences = argumentObject_.references;
  // The system keeps some GDI objects once made (brushes of system colours): a leak is what
  // a second round adds to the first.
  unsigned gdiAfter[2];
  for (unsigned& gdi : gdiAfter) {
    for (const Member& member : members) {
      if (WaitsForTheUser(member)) continue;
      {
        // A new control for each member: a member may clear or remove what the next one needs.
        SplitterInstance splitter;
        splitter.Panes().Call(L"Add");
        DispatchClient target = ObjectFor(splitter, member.interfaceName);
        Sweep(member, target.Pointer());
        Misuse(member, target.Pointer());
      }
      EXPECT_EQ(ServerCanUnloadNow(), S_OK) << Describe(member) << " left an object of the server alive";
      EXPECT_EQ(argumentObject_.references, objectReferences) << Describe(member) << " still holds its argument";
    }
    gdi = GdiObjectsInUse();
  }
  EXPECT_EQ(gdiAfter[1], gdiAfter[0]) << "GDI objects after the first and the second round";
  std::printf("%u members, %u calls, GDI objects %u after each round\n", static_cast<unsigned>(members.size()), calls_,
              gdiAfter[1]);
}

// The answers of the checks made before the type library's Invoke, which would keep a
// reference to the object or call through a null one.
TEST(DeclaredArguments, MisfitsAnswerWithTheirErrorAndKeepNoArgument) {
  PlainObject object;
  {
    SplitterInstance splitter;
    DispatchClient control = splitter.Control();
    DispatchClient panes = splitter.Panes();
    panes.Call(L"Add", VariantValue::Missing(), L"second");
    struct Case {
      const char* what;
      std::function<void()> call;
      HRESULT number;
    };
    const Case cases[] = {
        {"an object that is no picture for MouseIcon",
         [&] { control.PutRef(L"MouseIcon", VariantValue(static_cast<IDispatch*>(&object))); }, DISP_E_TYPEMISMATCH},
        {"five arguments for the four of Add",
         [&] { panes.Call(L"Add", 1, L"k", 1, L"c", VariantValue(static_cast<IDispatch*>(&object))); },
         DISP_E_BADPARAMCOUNT},
        {"an item of a MouseIcon that is Nothing", [&] { control.Get(L"MouseIcon", 1); },
         static_cast<HRESULT>(0x800A01A8)},  // "Object required"
        {"an argument for a Long property", [&] { control.Get(L"hWnd", 1); }, DISP_E_BADPARAMCOUNT}};
    for (const Case& c : cases) {
      std::optional<DispatchError> raised = CaptureDispatchError(c.call);
      ASSERT_TRUE(raised.has_value()) << c.what;
      EXPECT_EQ(static_cast<unsigned long>(raised->Number()), static_cast<unsigned long>(c.number)) << c.what;
    }
    EXPECT_EQ(panes.Get(L"Count").AsLong(), 2) << "the Add with too many arguments added nothing";
    // What passes: the rest of the arguments to the value's default member, a read as a method.
    EXPECT_EQ(control.Object(L"Panes", 2).Get(L"Key").AsString(), L"second");
    EXPECT_EQ(panes.Call(L"Count").AsLong(), 2);
  }
  EXPECT_EQ(object.references, 1u);
}

}  // namespace
