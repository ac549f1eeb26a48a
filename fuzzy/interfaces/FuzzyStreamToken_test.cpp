#include "fuzzy/interfaces/FuzzyStreamToken.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "fuzzy/framework/Stacks.h"
#include "fuzzy/interfaces/FuzzyStreamTokenList.h"
#include "fuzzy/interfaces/InterfaceTestSupport.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

using testing_support::TStubFuzzySet;

IPtr<TFuzzyStreamToken> NewToken(int kind = fstNone, const std::string& text = "",
                                 double number = 0) {
  return TFuzzyStreamToken::Create(kind, text, number);
}

// A list of an atom, an integer and a float: prints "(a 1 2.5)".
IPtr<IFuzzyStreamTokenList> SampleList() {
  IPtr<IFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  list->Add(NewToken(fstAtom, "a"));
  list->Add(NewToken(fstInteger, "", 1));
  list->Add(NewToken(fstFloat, "", 2.5));
  return list;
}

// The values a slot setter may store; each test owns its own.
struct SlotValues {
  TOwned<TIStack> Object{TIStack::Create()};
  TOwned<TFuzzySet> Set{TFuzzySet::Create(nullptr)};
};

struct SlotCase {
  const char* Name;
  TFuzzyStreamTokenType Kind;
  // Fills the slot with a value (on) or with null.
  std::function<void(TFuzzyStreamToken&, SlotValues&, bool on)> Set;
};

class FuzzyStreamTokenSlots : public ::testing::TestWithParam<SlotCase> {};

TEST_P(FuzzyStreamTokenSlots, ASetterGivesItsKindAndNullGivesKindZero) {
  const SlotCase& slot = GetParam();
  SlotValues values;
  const IPtr<TFuzzyStreamToken> token = NewToken(fstAtom, "word");
  slot.Set(*token, values, true);
  EXPECT_EQ(token->GetDataType(), slot.Kind);
  slot.Set(*token, values, false);
  EXPECT_EQ(token->GetDataType(), fstNone);
  EXPECT_FALSE(token->GetIntfValue());
  EXPECT_EQ(token->GetObjValue(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, FuzzyStreamTokenSlots,
    ::testing::Values(SlotCase{"Interface", fstInterface,
                               [](TFuzzyStreamToken& t, SlotValues&, bool on) {
                                 t.SetIntfValue(on ? IPtr<IInterface>(TInterfacedObject::Create())
                                                   : nullptr);
                               }},
                      SlotCase{"List", fstList,
                               [](TFuzzyStreamToken& t, SlotValues&, bool on) {
                                 t.SetList(on ? SampleList() : nullptr);
                               }},
                      SlotCase{"IFuzzySet", fstIFuzzySet,
                               [](TFuzzyStreamToken& t, SlotValues&, bool on) {
                                 t.SetFuzzySetIntf(on ? IPtr<IFuzzySet>(TStubFuzzySet::Create())
                                                      : nullptr);
                               }},
                      SlotCase{"Object", fstObject,
                               [](TFuzzyStreamToken& t, SlotValues& v, bool on) {
                                 t.SetObjValue(on ? v.Object.get() : nullptr);
                               }},
                      SlotCase{"FuzzySet", fstFuzzySet,
                               [](TFuzzyStreamToken& t, SlotValues& v, bool on) {
                                 t.SetFuzzySet(on ? v.Set.get() : nullptr);
                               }}),
    [](const ::testing::TestParamInfo<SlotCase>& info) { return info.param.Name; });

TEST(FuzzyStreamToken, TypedGettersAnswerNullForAnotherKindOfInterface) {
  const IPtr<TFuzzyStreamToken> list = NewToken();
  list->SetList(SampleList());
  EXPECT_TRUE(list->GetList());
  EXPECT_FALSE(list->GetFuzzySetIntf());

  const IPtr<TFuzzyStreamToken> set = NewToken();
  set->SetFuzzySetIntf(TStubFuzzySet::Create("warm"));
  EXPECT_FALSE(set->GetList());
  ASSERT_TRUE(set->GetFuzzySetIntf());
  EXPECT_EQ(set->GetFuzzySetIntf()->GetName(), "warm");
}

TEST(FuzzyStreamToken, GetFuzzySetAnswersOnlyASet) {
  TOwned<TIStack> object(TIStack::Create());
  TOwned<TFuzzySet> set(TFuzzySet::Create(nullptr));
  const IPtr<TFuzzyStreamToken> token = NewToken();
  token->SetObjValue(object.get());
  EXPECT_EQ(token->GetFuzzySet(), nullptr);
  token->SetObjValue(set.get());
  EXPECT_EQ(token->GetDataType(), fstObject);
  EXPECT_EQ(token->GetFuzzySet(), set.get());
}

TEST(FuzzyStreamToken, BothSlotsAreKeptAndTheLastSetterGivesTheKind) {
  TOwned<TFuzzySet> set(TFuzzySet::Create(nullptr));
  const IPtr<TFuzzyStreamToken> token = NewToken();
  token->SetList(SampleList());
  token->SetFuzzySet(set.get());
  EXPECT_EQ(token->GetDataType(), fstFuzzySet);
  EXPECT_TRUE(token->GetList());
  token->SetList(token->GetList());
  EXPECT_EQ(token->GetDataType(), fstList);
  EXPECT_EQ(token->GetFuzzySet(), set.get());
}

TEST(FuzzyStreamToken, PrintsEachKindOfSlot) {
  TOwned<TIStack> object(TIStack::Create());
  TOwned<TFuzzySet> set(TFuzzySet::Create(nullptr));
  const IPtr<TFuzzyStreamToken> token = NewToken();

  token->SetIntfValue(TInterfacedObject::Create());
  EXPECT_EQ(token->ToString(), "<interface>");
  token->SetList(SampleList());
  EXPECT_EQ(token->ToString(), "(a 1 2.5)");
  token->SetFuzzySetIntf(TStubFuzzySet::Create("warm", "(warm (0.0000 1.0000) )"));
  EXPECT_EQ(token->ToString(), "(warm (0.0000 1.0000) )");
  token->SetObjValue(object.get());
  EXPECT_EQ(token->ToString(), "<object>");
  token->SetFuzzySet(set.get());
  EXPECT_EQ(token->ToString(), "");
  set->SetExpression("very warm");
  EXPECT_EQ(token->ToString(), "very warm");
}

TEST(FuzzyStreamToken, NestedListsPrintInsideTheirParentheses) {
  const IPtr<IFuzzyStreamTokenList> outer = TFuzzyStreamTokenList::Create();
  const IPtr<TFuzzyStreamToken> inner = NewToken();
  inner->SetList(SampleList());
  outer->Add(NewToken(fstAtom, "tri"));
  outer->Add(inner);
  outer->Add(NewToken(fstString, "two words"));
  EXPECT_EQ(outer->ToString(), "(tri (a 1 2.5) two words)");
}

TEST(FuzzyStreamToken, ACloneIsAFuzzyTokenSharingTheSlots) {
  TOwned<TFuzzySet> set(TFuzzySet::Create(nullptr));
  const IPtr<TFuzzyStreamToken> token = NewToken(fstAtom, "x");
  token->SetObjValue(set.get());
  token->SetList(SampleList());
  token->SetLineNumber(4);

  const IPtr<IFuzzyStreamToken> copy = InterfaceCast<IFuzzyStreamToken>(token->Clone());
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->GetDataType(), fstList);
  EXPECT_EQ(copy->GetLineNumber(), 4);
  EXPECT_EQ(copy->GetList().get(), token->GetList().get());
  EXPECT_EQ(copy->GetObjValue(), set.get());
}

TEST(FuzzyStreamToken, AssignFromAPlainTokenEmptiesTheSlots) {
  const IPtr<TFuzzyStreamToken> token = NewToken();
  token->SetList(SampleList());
  token->Assign(IPtr<IInterface>(TBaseStreamToken::Create(fstAtom, "plain")));
  EXPECT_EQ(token->GetDataType(), fstAtom);
  EXPECT_FALSE(token->GetIntfValue());
  EXPECT_EQ(token->ToString(), "plain");
}

}  // namespace
}  // namespace fuzzy
