#include "fuzzy/interfaces/FuzzyStreamTokenList.h"

#include <gtest/gtest.h>

#include <string>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/interfaces/FuzzyStreamToken.h"

namespace fuzzy {
namespace {

IPtr<IFuzzyStreamToken> Atom(const std::string& text) {
  return TFuzzyStreamToken::Create(fstAtom, text);
}

TEST(FuzzyStreamTokenList, TypedOperationsKeepTheOrderOfTheBaseList) {
  const IPtr<IFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  EXPECT_FALSE(list->First());
  EXPECT_FALSE(list->Last());

  const IPtr<IFuzzyStreamToken> a = Atom("a"), b = Atom("b"), c = Atom("c"), d = Atom("d");
  EXPECT_EQ(list->Add(a), 0);
  list->Append(c);
  list->Insert(1, b);
  EXPECT_EQ(list->ToString(), "(a b c)");
  EXPECT_EQ(list->First().get(), a.get());
  EXPECT_EQ(list->Last().get(), c.get());
  EXPECT_EQ(list->Get(1).get(), b.get());
  EXPECT_EQ(list->IndexOf(c), 2);

  list->Put(0, d);
  EXPECT_EQ(list->Remove(b), 1);
  EXPECT_EQ(list->Remove(a), -1);
  EXPECT_EQ(list->ToString(), "(d c)");
  EXPECT_THROW(list->Get(2), EListError);
}

TEST(FuzzyStreamTokenList, APlainTokenIsReadAsNullThroughTheTypedGetters) {
  const IPtr<IFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  const IPtr<IBaseStreamTokenList> base = list;
  base->Add(TBaseStreamToken::Create(fstAtom, "plain"));
  EXPECT_FALSE(list->Get(0));
  EXPECT_FALSE(list->First());
  EXPECT_TRUE(base->GetBaseStreamToken(0));
}

TEST(FuzzyStreamTokenList, ACloneIsAFuzzyListOfEqualCopies) {
  const IPtr<IFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  list->Add(Atom("x"));
  list->Add(TFuzzyStreamToken::Create(fstInteger, "", 7));

  const IPtr<IFuzzyStreamTokenList> copy = InterfaceCast<IFuzzyStreamTokenList>(list->Clone());
  ASSERT_TRUE(copy);
  ASSERT_TRUE(copy->Get(1));
  EXPECT_NE(copy->Get(1).get(), list->Get(1).get());
  EXPECT_TRUE(list->Equals(copy));
  EXPECT_TRUE(list->Equals(list->Clone()));

  copy->Get(0)->SetText("y");
  EXPECT_FALSE(list->Equals(copy));
  EXPECT_FALSE(list->Equals(IPtr<IFuzzyStreamTokenList>()));
}

}  // namespace
}  // namespace fuzzy
