// fuzzy infer --input: one output row per input row, TSV or CSV, standard input, "nan" where no
// rule fired, bad rows with their lines; and the method and digit options of a single row.
#include <gtest/gtest.h>

#include "tools/tests/ProgramRunner.h"

namespace fuzzy::tool::test {
namespace {

const std::string Tipping = SourceFile("examples/tipping.fzy");
const std::string TippingRules = SourceFile("examples/tipping.rules");

using InferBatch = TProgramFixture<>;

TEST_F(InferBatch, WritesInputsThenOutputsWithShortestNumbers) {
  const std::string table = Write("meals.tsv", "service\tfood\n5\t5\n\n5\t2\n0.1\t9.75\n");
  const TRunResult result = Run({"infer", Tipping, TippingRules, "--input", table});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_EQ(result.Out.rfind("service\tfood\ttip\n5\t5\t15\n5\t2\t10.71428571428571", 0), 0u)
      << result.Out;
  EXPECT_NE(result.Out.find("\n0.1\t9.75\t"), std::string::npos) << result.Out;
  EXPECT_EQ(std::count(result.Out.begin(), result.Out.end(), '\n'), 4);
}

TEST_F(InferBatch, ReadsCsvInAnyColumnOrderAndStandardInput) {
  const TRunResult result =
      Run({"infer", Tipping, TippingRules, "--input", "-"}, "\"food\",service\n5, 5\n");
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_EQ(result.Out, "service,food,tip\n5,5,15\n");
}

TEST_F(InferBatch, NanWhereNoRuleFired) {
  const std::string rules = Write("rules", "if service is excellent then tip is generous\n");
  const std::string table = Write("t.tsv", "service\n2\n10\n");
  const TRunResult result = Run({"infer", Tipping, rules, "--input", table});
  ASSERT_EQ(result.ExitStatus, 0) << result.Err;
  EXPECT_EQ(result.Out, "service\ttip\n2\tnan\n10\t25\n");
}

struct TBadTable {
  const char* Name;
  const char* Text;
  int Line;
  const char* Message;
};

std::ostream& operator<<(std::ostream& out, const TBadTable& c) {
  return out << c.Name;
}

const TBadTable BadTables[] = {
    {"NoNumber", "service\tfood\n5\t5\n5\tgood\n", 3, "food: \"good\" is no number"},
    {"NanIsNoInput", "service\tfood\n5\tnan\n", 2, "food: \"nan\" is no number"},
    {"Width", "service\tfood\n5\t5\t5\n", 2, "expected 2 values, found 3"},
    {"OutOfRange", "service,food\n1,1\n\n2,2\n12,3\n", 5,
     "service=12 lies outside its range 0 to 10"},
    {"UnknownColumn", "service\tfood\tprice\n5\t5\t5\n", 0, "column \"price\" is no input"},
    {"MissingColumn", "service\n5\n", 0, "the rules read food, which has no column"},
};

class InferBadTable : public TProgramFixture<::testing::TestWithParam<TBadTable>> {};

TEST_P(InferBadTable, NamesTheFileAndLine) {
  const TBadTable& c = GetParam();
  const std::string table = Write("bad.tsv", c.Text);
  const TRunResult result = Run({"infer", Tipping, TippingRules, "--input", table});
  EXPECT_EQ(result.ExitStatus, 1);
  const std::string location =
      "fuzzy: " + table + (c.Line > 0 ? ":" + std::to_string(c.Line) : "") + ": ";
  EXPECT_EQ(result.Err.rfind(location, 0), 0u) << result.Err;
  EXPECT_NE(result.Err.find(c.Message), std::string::npos) << result.Err;
}

INSTANTIATE_TEST_SUITE_P(Cases, InferBadTable, ::testing::ValuesIn(BadTables),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(InferBatch, MethodsAndDigitsOfTheSingleRowReport) {
  const std::vector<std::string> base{"infer",     Tipping, TippingRules, "--set",
                                      "service=5", "--set", "food=2"};
  std::vector<std::string> digits = base;
  digits.insert(digits.end(), {"--digits", "7"});
  EXPECT_NE(Run(digits).Out.find("tip = 10.7142857 percent"), std::string::npos);
  // Product correlation scales "cheap" to height 0.5 (area 2.5 around 5); with "average" at
  // full strength (area 5 around 15): (2.5 * 5 + 5 * 15) / 7.5.
  std::vector<std::string> product = base;
  product.insert(product.end(), {"--correlation", "product"});
  EXPECT_NE(Run(product).Out.find("tip = 11.6667 percent"), std::string::npos) << Run(product).Out;
  std::vector<std::string> bad = base;
  bad.insert(bad.end(), {"--inference", "maximum"});
  const TRunResult refused = Run(bad);
  EXPECT_NE(refused.ExitStatus, 0);
  EXPECT_NE(refused.Err.find("expected minmax|additive|mean|product|boundedsum"), std::string::npos)
      << refused.Err;
}

}  // namespace
}  // namespace fuzzy::tool::test
