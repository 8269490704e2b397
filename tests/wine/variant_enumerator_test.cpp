// For Each over the panes: the enumerator that NewEnum (DISPID_NEWENUM) hands out.

#include "splitter_test.h"

namespace {

class PaneEnumeration : public SplitterTest {
 protected:
  void SetUp() override {
    Add(), Add(), Add();
    Pane(2).Put(L"Name", L"B");
    VariantValue result = panes_.Invoke(DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, L"NewEnum");
    ASSERT_NE(result.AsUnknown(), nullptr);
    enumerator_ = Interface<IEnumVARIANT>(result.AsUnknown(), IID_IEnumVARIANT);
    ASSERT_TRUE(enumerator_);
  }
  // Next(count) as names, with the HRESULT it answered.
  static std::vector<std::wstring> Next(IEnumVARIANT* enumerator, ULONG count, HRESULT* answer) {
    std::vector<VARIANT> items(count);
    for (VARIANT& item : items) VariantInit(&item);
    ULONG fetched = 0;
    *answer = enumerator->Next(count, items.data(), &fetched);
    std::vector<std::wstring> names;
    for (ULONG i = 0; i < count; ++i) {
      VariantValue item = VariantValue::Adopt(items[i]);
      if (i < fetched) names.push_back(DispatchClient::From(item).Get(L"Name").AsString());
    }
    return names;
  }

  activex::ComPtr<IEnumVARIANT> enumerator_;
};

using NameList = std::vector<std::wstring>;

TEST_F(PaneEnumeration, NextSkipResetAndCloneWalkTheCollectionsOwnPanes) {
  // The enumerated panes are the collection's own objects.
  VARIANT item;
  VariantInit(&item);
  ASSERT_EQ(enumerator_->Next(1, &item, nullptr), S_OK);
  EXPECT_EQ(DispatchClient::From(VariantValue::Adopt(item)).Identity(), Pane(1).Identity());
  HRESULT answer;
  EXPECT_EQ(Next(enumerator_.Get(), 1, &answer), (NameList{L"B"}));
  EXPECT_EQ(answer, S_OK);

  activex::ComPtr<IEnumVARIANT> clone;
  ASSERT_EQ(enumerator_->Clone(clone.Out()), S_OK);
  ASSERT_TRUE(clone);

  EXPECT_EQ(enumerator_->Skip(1), S_OK);
  EXPECT_EQ(Next(enumerator_.Get(), 2, &answer), (NameList{L"Pane 4"}));
  EXPECT_EQ(answer, S_FALSE);
  EXPECT_EQ(enumerator_->Skip(1), S_FALSE);

  // The clone goes on from where the original stood when it was cloned.
  EXPECT_EQ(Next(clone.Get(), 1, &answer), (NameList{L"Pane 3"}));

  EXPECT_EQ(enumerator_->Reset(), S_OK);
  EXPECT_EQ(Next(enumerator_.Get(), 4, &answer), (NameList{L"Pane 1", L"B", L"Pane 3", L"Pane 4"}));
  EXPECT_EQ(answer, S_OK);
}

}  // namespace
