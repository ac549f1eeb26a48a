#include "fuzzy/framework/PostFix.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <stdexcept>
#include <string>

#include "fuzzy/framework/StreamToken.h"

namespace fuzzy {
namespace {

// The roles and priorities the expression evaluator hands over, over plain atom tokens:
// "[" opens, "]" closes, hedges are prefix operators, and/or keywords and hedge operators
// are binary; everything else is an operand.
const std::set<std::string> kHedges = {"very", "not", "somewhat"};
const std::set<std::string> kBinary = {"and", "or", "and-product", "^", "+X"};

std::string TextOf(const IPtr<IInterface>& token) {
  const IPtr<IBaseStreamToken> base = InterfaceCast<IBaseStreamToken>(token);
  return base ? base->GetText() : std::string();
}

bool IsOpen(const IPtr<IInterface>& token) {
  return TextOf(token) == "[";
}
bool IsClose(const IPtr<IInterface>& token) {
  return TextOf(token) == "]";
}
bool IsOperand(const IPtr<IInterface>& token) {
  const std::string text = TextOf(token);
  return !IsOpen(token) && !IsClose(token) && kHedges.count(text) == 0 && kBinary.count(text) == 0;
}
int InStack(const IPtr<IInterface>& token) {
  if (IsOpen(token)) return 4;
  if (kBinary.count(TextOf(token)) > 0) return 3;
  return kHedges.count(TextOf(token)) > 0 ? 2 : 1;
}
int Incoming(const IPtr<IInterface>& token) {
  if (IsOpen(token)) return 0;
  return kBinary.count(TextOf(token)) > 0 ? 3 : 1;
}

IPtr<IInterfaceList> Tokens(const std::string& text) {
  IPtr<IInterfaceList> list = TInterfaceList::Create();
  std::istringstream words(text);
  std::string word;
  while (words >> word) list->Add(TBaseStreamToken::Create(btAtom, word));
  return list;
}

std::string Joined(const IPtr<IInterfaceList>& list) {
  std::string text;
  for (int i = 0; i < list->GetCount(); ++i) text += (i > 0 ? " " : "") + TextOf(list->GetItem(i));
  return text;
}

IPtr<IInterfaceList> Convert(const IPtr<IInterfaceList>& infix) {
  return PostFix(infix, IsOpen, IsClose, IsOperand, InStack, Incoming);
}

struct PostFixCase {
  const char* Infix;
  const char* Postfix;
};

class PostFixOrder : public ::testing::TestWithParam<PostFixCase> {};

TEST_P(PostFixOrder, FollowsTheExpressionPriorities) {
  const IPtr<IInterfaceList> infix = Tokens(GetParam().Infix);
  const std::string before = Joined(infix);
  EXPECT_EQ(Joined(Convert(infix)), GetParam().Postfix);
  EXPECT_EQ(Joined(infix), before);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PostFixOrder,
    ::testing::Values(PostFixCase{"", ""}, PostFixCase{"high", "high"},
                      PostFixCase{"not high", "high not"},
                      // Hedges apply from the innermost outwards.
                      PostFixCase{"very not high", "high not very"},
                      // Hedges bind tighter than every binary operator, on either side.
                      PostFixCase{"not high and low", "high not low and"},
                      PostFixCase{"high and very low", "high low very and"},
                      // Binary operators share one level and group from left to right.
                      PostFixCase{"high and low or medium", "high low and medium or"},
                      PostFixCase{"high ^ 2 and-product low +X 3", "high 2 ^ low and-product 3 +X"},
                      // Brackets group and disappear.
                      PostFixCase{"[ high or low ] and medium", "high low or medium and"},
                      PostFixCase{"high and [ low or medium ]", "high low medium or and"},
                      PostFixCase{"not [ high or low ]", "high low or not"},
                      PostFixCase{"[ [ high ] ]", "high"}, PostFixCase{"[ ]", ""},
                      // An opening bracket left open is dropped at the end.
                      PostFixCase{"[ high and low", "high low and"},
                      PostFixCase{"very [ high or [ low", "high low or very"},
                      // A closing bracket without its opening one sends out what is stacked.
                      PostFixCase{"high ] and low", "high low and"},
                      PostFixCase{"not high or low ] ]", "high not low or"},
                      PostFixCase{"and", "and"}));

TEST(PostFixInput, NullListGivesAnEmptyResult) {
  EXPECT_EQ(Convert(nullptr)->GetCount(), 0);
}

TEST(PostFixInput, TokensArePassedOnNotCopied) {
  const IPtr<IInterfaceList> infix = Tokens("not high");
  const IPtr<IInterfaceList> postfix = Convert(infix);
  EXPECT_EQ(postfix->GetItem(0), infix->GetItem(1));
  EXPECT_EQ(postfix->GetItem(1), infix->GetItem(0));
}

TEST(PostFixInput, UnassignedCallbackRaises) {
  EXPECT_THROW(PostFix(Tokens("high"), IsOpen, IsClose, IsOperand, InStack, nullptr),
               EInvalidOperation);
}

TEST(PostFixInput, ExceptionFromACallbackPassesThrough) {
  const auto failing = [](const IPtr<IInterface>& token) -> int {
    if (TextOf(token) == "or") throw std::runtime_error("no priority");
    return 3;
  };
  const IPtr<IInterfaceList> infix = Tokens("[ high and low or medium");
  EXPECT_THROW(PostFix(infix, IsOpen, IsClose, IsOperand, InStack, failing), std::runtime_error);
  EXPECT_EQ(infix->GetCount(), 6);
}

}  // namespace
}  // namespace fuzzy
