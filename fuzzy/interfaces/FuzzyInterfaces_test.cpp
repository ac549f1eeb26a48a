#include "fuzzy/interfaces/FuzzyInterfaces.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "fuzzy/interfaces/InterfaceTestSupport.h"

namespace fuzzy {
namespace {

struct NamedGuid {
  const char* Name;
  TGUID Guid;
  const char* Text;
};

// The identifiers are what outside clients bind to, so each must read back as published.
TEST(FuzzyInterfaces, IdentifiersReadBackAsPublishedAndAreDistinct) {
  const std::vector<NamedGuid> guids = {
      {"IFuzzySet", IFuzzySet::IID, "{B5C057E4-FD60-4818-9641-B61A71B492CF}"},
      {"IFuzzyVariable", IFuzzyVariable::IID, "{F749FF55-FFF4-4F92-9B6F-14568D174661}"},
      {"IFuzzyParser", IFuzzyParser::IID, "{7F0ED40B-4048-46BB-8EFB-DAB9532F6A54}"},
      {"IFuzzyStreamToken", IFuzzyStreamToken::IID, "{E86CEA84-8228-4C29-8F78-6B9728B01227}"},
      {"IFuzzyStreamTokenList", IFuzzyStreamTokenList::IID,
       "{FC119D38-7F42-433A-9E04-A0577D6E188C}"},
  };
  std::set<std::string> seen = {IInterface::IID.ToString(), ICloneable::IID.ToString(),
                                IBaseStreamToken::IID.ToString(),
                                IBaseStreamTokenList::IID.ToString()};
  for (const NamedGuid& guid : guids) {
    EXPECT_EQ(guid.Guid.ToString(), guid.Text) << guid.Name;
    EXPECT_TRUE(seen.insert(guid.Guid.ToString()).second) << guid.Name << " shares its IID";
  }
}

TEST(FuzzyInterfaces, ASetAnswersItsInterfacesAndRefusesOthers) {
  const IPtr<IInterface> set =
      static_cast<IInterface*>(testing_support::TStubFuzzySet::Create("warm"));
  const IPtr<IFuzzySet> asSet = InterfaceCast<IFuzzySet>(set);
  ASSERT_TRUE(asSet);
  EXPECT_EQ(asSet->GetName(), "warm");
  EXPECT_TRUE(Supports<ICloneable>(asSet));

  void* raw = &raw;
  EXPECT_EQ(set->QueryInterface(IFuzzyVariable::IID, &raw), E_NOINTERFACE);
  EXPECT_EQ(raw, nullptr);
  EXPECT_FALSE(Supports<IFuzzyParser>(set));
  EXPECT_FALSE(Supports<IFuzzyStreamToken>(set));
}

TEST(FuzzyInterfaces, CastsBetweenInterfacesKeepTheCountBalanced) {
  testing_support::TStubFuzzySet* object = testing_support::TStubFuzzySet::Create();
  const IPtr<IFuzzySet> set = object;
  {
    const IPtr<ICloneable> cloneable = InterfaceCast<ICloneable>(set);
    const IPtr<IFuzzySet> back = InterfaceCast<IFuzzySet>(cloneable);
    EXPECT_EQ(back.get(), set.get());
    EXPECT_EQ(object->GetRefCount(), 3);
  }
  EXPECT_EQ(object->GetRefCount(), 1);
}

}  // namespace
}  // namespace fuzzy
