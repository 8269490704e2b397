// For Each over the panes: the enumerator that NewEnum (DISPID_NEWENUM) hands out.

#include <gtest/gtest.h>

#include "splitter_test.h"

namespace {

class PaneEnumeration : public SplitterTest {
 protected:
  void SetUp() override {
    SplitterTest::SetUp();
    Add();
    Add();
    Add();
    Pane(2).Put(L"Name", L"B");
  }

  void TearDown() override {
    if (enumerator_) enumerator_->Release();
    SplitterTest::TearDown();
  }

  IEnumVARIANT* Enumerator() {
    VariantValue result = panes_.Invoke(DISPID_NEWENUM, DISPATCH_METHOD | DISPATCH_PROPERTYGET, {}, L"NewEnum");
    EXPECT_NE(result.AsUnknown(), nullptr);
    IEnumVARIANT* enumerator = nullptr;
    if (result.AsUnknown()) result.AsUnknown()->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&enumerator));
    return enumerator;
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

  IEnumVARIANT* enumerator_ = nullptr;
};

using NameList = std::vector<std::wstring>;

TEST_F(PaneEnumeration, NextSkipResetAndClone) {
  enumerator_ = Enumerator();
  ASSERT_NE(enumerator_, nullptr);
  HRESULT answer;
  EXPECT_EQ(Next(enumerator_, 2, &answer), (NameList{L"Pane 1", L"B"}));
  EXPECT_EQ(answer, S_OK);

  IEnumVARIANT* clone = nullptr;
  ASSERT_EQ(enumerator_->Clone(&clone), S_OK);
  ASSERT_NE(clone, nullptr);

  EXPECT_EQ(enumerator_->Skip(1), S_OK);
  EXPECT_EQ(Next(enumerator_, 2, &answer), (NameList{L"Pane 4"}));
  EXPECT_EQ(answer, S_FALSE);
  EXPECT_EQ(enumerator_->Skip(1), S_FALSE);

  // The clone goes on from where the original stood when it was cloned.
  EXPECT_EQ(Next(clone, 1, &answer), (NameList{L"Pane 3"}));
  clone->Release();

  EXPECT_EQ(enumerator_->Reset(), S_OK);
  EXPECT_EQ(Next(enumerator_, 4, &answer), (NameList{L"Pane 1", L"B", L"Pane 3", L"Pane 4"}));
  EXPECT_EQ(answer, S_OK);
}

TEST_F(PaneEnumeration, EnumeratedPanesAreTheCollectionsOwn) {
  enumerator_ = Enumerator();
  ASSERT_NE(enumerator_, nullptr);
  VARIANT item;
  VariantInit(&item);
  ASSERT_EQ(enumerator_->Next(1, &item, nullptr), S_OK);
  VariantValue first = VariantValue::Adopt(item);
  EXPECT_EQ(DispatchClient::From(first).Identity(), Pane(1).Identity());
}

}  // namespace
