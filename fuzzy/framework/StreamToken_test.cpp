#include "fuzzy/framework/StreamToken.h"

#include <gtest/gtest.h>

#include <string>

namespace fuzzy {
namespace {

IPtr<TBaseStreamToken> Token(int dataType, const std::string& text, double number = 0) {
  return TBaseStreamToken::Create(dataType, text, number);
}

IPtr<TBaseStreamTokenList> ListOf(std::initializer_list<IPtr<TBaseStreamToken>> tokens) {
  IPtr<TBaseStreamTokenList> list = TBaseStreamTokenList::Create();
  for (const auto& token : tokens) list->Add(token);
  return list;
}

// A token with a field of its own, as the fuzzy token adds its value slots.
class TMarkedToken : public TBaseStreamToken {
 public:
  static TMarkedToken* Create() { return Constructed(new TMarkedToken()); }
  std::string ClassName() const override { return "TMarkedToken"; }
  std::string GetMark() const { return FMark; }
  void SetMark(const std::string& value) { FMark = value; }

 protected:
  TMarkedToken() = default;
  IPtr<TBaseStreamToken> NewToken() const override { return TMarkedToken::Create(); }
  void AssignToken(const IBaseStreamToken& source) override {
    TBaseStreamToken::AssignToken(source);
    if (const auto* marked = dynamic_cast<const TMarkedToken*>(&source)) FMark = marked->FMark;
  }

 private:
  std::string FMark;
};

struct PrintCase {
  int DataType;
  const char* Text;
  double Number;
  const char* Printed;
};

class StreamTokenPrint : public ::testing::TestWithParam<PrintCase> {};

TEST_P(StreamTokenPrint, PrintsByKind) {
  const PrintCase& c = GetParam();
  EXPECT_EQ(Token(c.DataType, c.Text, c.Number)->ToString(), c.Printed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, StreamTokenPrint,
    ::testing::Values(PrintCase{btEndOfInput, "", 0, "EOF"}, PrintCase{btAtom, "very", 0, "very"},
                      PrintCase{btString, "deg C", 0, "deg C"}, PrintCase{btInteger, "", 7, "7"},
                      PrintCase{btInteger, "", -12, "-12"},
                      PrintCase{btInteger, "", 1e300, "1e+300"}, PrintCase{btFloat, "", 2.5, "2.5"},
                      PrintCase{btFloat, "", 0.1, "0.1"},
                      PrintCase{btVariable, "speed", 0, "?speed"}, PrintCase{'[', "[", 0, "["}));

TEST(StreamToken, EqualsComparesKindTextAndNumberOnly) {
  const IPtr<TBaseStreamToken> token = Token(btAtom, "high", 1);
  const IPtr<TBaseStreamToken> twin = Token(btAtom, "high", 1);
  twin->SetLineNumber(9);
  twin->SetWhitespace("  ");
  twin->SetTag(3);
  EXPECT_TRUE(token->Equals(twin));
  EXPECT_FALSE(token->Equals(Token(btString, "high", 1)));
  EXPECT_FALSE(token->Equals(Token(btAtom, "High", 1)));
  EXPECT_FALSE(token->Equals(Token(btAtom, "high", 2)));
  EXPECT_FALSE(token->Equals(nullptr));
  EXPECT_FALSE(token->Equals(TInterfacedObject::Create()));
}

TEST(StreamToken, CloneCopiesEveryFieldIntoAnIndependentToken) {
  const IPtr<TBaseStreamToken> token = Token(btFloat, "", 2.5);
  token->SetLineNumber(4);
  token->SetWhitespace("; note\n");
  token->SetTag(11);
  const auto copy = AsInterface<IBaseStreamToken>(token->Clone());
  ASSERT_TRUE(copy);
  EXPECT_NE(copy, IPtr<IBaseStreamToken>(token));
  EXPECT_EQ(copy->GetLineNumber(), 4);
  EXPECT_EQ(copy->GetWhitespace(), "; note\n");
  EXPECT_EQ(copy->GetTag(), 11);
  EXPECT_TRUE(copy->Equals(token));
  copy->SetNumber(3);
  EXPECT_EQ(token->GetNumber(), 2.5);
}

TEST(StreamToken, CloneOfADerivedTokenKeepsItsClassAndFields) {
  const IPtr<TMarkedToken> token = TMarkedToken::Create();
  token->SetMark("kept");
  const IPtr<IInterface> copy = token->Clone();
  EXPECT_EQ(ClassNameOf(copy.get()), "TMarkedToken");
  EXPECT_EQ(dynamic_cast<TMarkedToken*>(copy.get())->GetMark(), "kept");
}

TEST(StreamToken, AssignTakesTokensAndRejectsAnythingElse) {
  const IPtr<TBaseStreamToken> token = Token(btAtom, "low");
  token->Assign(Token(btVariable, "x", 0));
  EXPECT_EQ(token->ToString(), "?x");
  EXPECT_THROW(token->Assign(TInterfacedObject::Create()), EConvertError);
  EXPECT_THROW(token->Assign(nullptr), EConvertError);
  EXPECT_EQ(token->ToString(), "?x");
}

TEST(StreamTokenList, CreatedEmptyAndPrintsItsTokens) {
  const IPtr<TBaseStreamTokenList> list = TBaseStreamTokenList::Create();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->ToString(), "()");
  EXPECT_EQ(list->First(), nullptr);
  EXPECT_EQ(list->Last(), nullptr);
  const auto nested =
      ListOf({Token(btAtom, "tri"), Token(btInteger, "", 0), Token(btFloat, "", 5.5)});
  EXPECT_EQ(nested->ToString(), "(tri 0 5.5)");
}

TEST(StreamTokenList, EditsByPositionAndByToken) {
  const auto a = Token(btAtom, "a");
  const auto b = Token(btAtom, "b");
  const auto c = Token(btAtom, "c");
  const auto list = ListOf({a, c});
  list->Insert(1, b);
  list->Append(Token(btAtom, "d"));
  EXPECT_EQ(list->ToString(), "(a b c d)");
  EXPECT_EQ(list->IndexOf(c), 2);
  EXPECT_EQ(list->Remove(b), 1);
  EXPECT_EQ(list->Remove(b), -1);
  list->Put(0, c);
  list->Delete(2);
  EXPECT_EQ(list->ToString(), "(c c)");
  EXPECT_EQ(list->First(), IPtr<IBaseStreamToken>(c));
  EXPECT_THROW(list->Get(2), EListError);
  EXPECT_THROW(list->Put(-1, a), EListError);
  EXPECT_THROW(list->Insert(3, a), EListError);
  EXPECT_THROW(list->Delete(2), EListError);
  list->Clear();
  EXPECT_EQ(list->GetCount(), 0);
}

TEST(StreamTokenList, AppendingAListToItselfDoublesItOnce) {
  const auto list = ListOf({Token(btAtom, "x"), Token(btAtom, "y")});
  list->Append(IPtr<IBaseStreamTokenList>(list));
  EXPECT_EQ(list->ToString(), "(x y x y)");
  EXPECT_EQ(list->Last(), list->Get(1));
}

TEST(StreamTokenList, EqualsComparesTokensPairwise) {
  const auto list = ListOf({Token(btAtom, "very"), Token(btInteger, "", 2)});
  EXPECT_TRUE(list->Equals(ListOf({Token(btAtom, "very"), Token(btInteger, "", 2)})));
  EXPECT_FALSE(list->Equals(ListOf({Token(btAtom, "very"), Token(btFloat, "", 2)})));
  EXPECT_FALSE(list->Equals(ListOf({Token(btAtom, "very")})));
  EXPECT_FALSE(list->Equals(Token(btAtom, "very")));
  EXPECT_TRUE(ListOf({})->Equals(TBaseStreamTokenList::Create()));
}

TEST(StreamTokenList, CloneAndAssignCopyTheTokens) {
  const auto list = ListOf({Token(btAtom, "high"), Token(btFloat, "", 0.5)});
  list->SetTag(5);
  const auto copy = AsInterface<IBaseStreamTokenList>(list->Clone());
  EXPECT_TRUE(copy->Equals(list));
  EXPECT_EQ(copy->GetTag(), 5);
  EXPECT_NE(copy->FirstBaseStreamToken(), list->First());
  copy->FirstBaseStreamToken()->SetText("low");
  EXPECT_EQ(list->ToString(), "(high 0.5)");

  list->Assign(copy);
  EXPECT_EQ(list->ToString(), "(low 0.5)");
  list->Assign(list);
  EXPECT_EQ(list->ToString(), "(low 0.5)");
  EXPECT_THROW(list->Assign(Token(btAtom, "x")), EConvertError);
}

}  // namespace
}  // namespace fuzzy
