#include "fuzzy/framework/Streams.h"

#include <gtest/gtest.h>

namespace fuzzy {
namespace {

TEST(StringStream, ReadsFromTheStartAndStopsAtTheEnd) {
  auto stream = Own(TStringStream::Create("hello"));
  EXPECT_EQ(stream->ReadString(3), "hel");
  EXPECT_EQ(stream->ReadString(10), "lo");
  EXPECT_EQ(stream->ReadString(1), "");
  EXPECT_EQ(stream->GetPosition(), 5);
}

TEST(StringStream, WriteReplacesEverythingFromThePositionOn) {
  auto stream = Own(TStringStream::Create());
  stream->WriteString("alpha beta ");
  stream->SetPosition(6);
  stream->WriteString("x ");
  EXPECT_EQ(stream->GetDataString(), "alpha x ");
  EXPECT_EQ(stream->GetPosition(), 8);
  EXPECT_EQ(stream->GetSize(), 8);
}

TEST(StringStream, WritePastTheEndOfAShortTextExtendsIt) {
  auto stream = Own(TKWStringStream::Create("ab"));
  stream->Seek(0, soEnd);
  stream->WriteString("cd");
  EXPECT_EQ(stream->GetDataString(), "abcd");
}

struct SeekCase {
  std::int64_t start;
  std::int64_t offset;
  TSeekOrigin origin;
  std::int64_t expected;
};

class StringStreamSeek : public testing::TestWithParam<SeekCase> {};

TEST_P(StringStreamSeek, LandsInsideTheText) {
  const SeekCase& c = GetParam();
  auto stream = Own(TStringStream::Create("0123456789"));
  stream->SetPosition(c.start);
  EXPECT_EQ(stream->Seek(c.offset, c.origin), c.expected);
  EXPECT_EQ(stream->GetPosition(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Origins, StringStreamSeek,
                         testing::Values(SeekCase{0, 4, soBeginning, 4},
                                         SeekCase{3, 2, soCurrent, 5},
                                         SeekCase{3, -2, soCurrent, 1}, SeekCase{0, -3, soEnd, 7},
                                         SeekCase{0, 0, soEnd, 10}, SeekCase{0, -20, soCurrent, 0},
                                         SeekCase{5, 20, soCurrent, 10},
                                         SeekCase{5, INT64_MAX, soCurrent, 10},
                                         SeekCase{5, INT64_MIN, soEnd, 0}));

}  // namespace
}  // namespace fuzzy
