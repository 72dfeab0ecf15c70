#include "base/FatalError.h"
#include "base/GrowBuffer.h"
#include "base/Utf8Reader.h"
#include "base/ValueArray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(ValueArray, GrowsByAnEighthOfItsSizeBetweenFourAnd1024) {
  CZD_ValueArray array(sizeof(int));
  std::vector<int> capacities;
  for (int i = 0; i < 72; ++i) {
    ASSERT_TRUE(array.Add(&i));
    if (capacities.empty() || capacities.back() != array.GetCapacity()) {
      capacities.push_back(array.GetCapacity());
    }
  }
  EXPECT_EQ(capacities, (std::vector<int>{1, 5, 9, 13, 17, 21, 25, 29, 33, 37, 41, 46, 51, 57, 64, 72}));
  for (int i = 0; i < 72; ++i) {
    EXPECT_EQ(*static_cast<int*>(array.GetAt(i)), i);
  }
}

TEST(ValueArray, StepIsCappedAndCanBeFixed) {
  CZD_ValueArray big(1);
  ASSERT_TRUE(big.SetSize(20000));
  ASSERT_TRUE(big.SetSize(20001));
  EXPECT_EQ(big.GetCapacity(), 21024);

  CZD_ValueArray fixed(4, 10);
  ASSERT_TRUE(fixed.SetSize(3));
  ASSERT_TRUE(fixed.SetSize(4));
  EXPECT_EQ(fixed.GetCapacity(), 13);
  ASSERT_TRUE(fixed.SetSize(40));
  EXPECT_EQ(fixed.GetCapacity(), 40);
}

TEST(ValueArray, RefusesBadSizesAndEmpties) {
  CZD_ValueArray array(8);
  ASSERT_TRUE(array.SetSize(4));
  EXPECT_FALSE(array.SetSize(-1));
  EXPECT_EQ(array.GetSize(), 0);
  EXPECT_EQ(array.GetCapacity(), 0);
  ASSERT_TRUE(array.SetSize(4));
  EXPECT_FALSE(array.SetSize(0x10000000 / 8 + 1));
  EXPECT_EQ(array.GetSize(), 0);
  EXPECT_TRUE(array.SetSize(0));
  EXPECT_EQ(CZD_ValueArray(0x10000001).GetUnitSize(), 4);
}

TEST(ValueArray, MakesZeroedRoomAtAnIndex) {
  CZD_ValueArray array(sizeof(int));
  for (int value : {1, 2, 3}) {
    array.Add(&value);
  }
  auto* room = static_cast<int*>(array.InsertSpaceAt(1, 2));
  ASSERT_NE(room, nullptr);
  EXPECT_EQ(room[0], 0);
  EXPECT_EQ(room[1], 0);
  const int expected[] = {1, 0, 0, 2, 3};
  ASSERT_EQ(array.GetSize(), 5);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(*static_cast<int*>(array.GetAt(i)), expected[i]);
  }
  ASSERT_NE(array.InsertSpaceAt(8, 1), nullptr);
  EXPECT_EQ(array.GetSize(), 9);
  EXPECT_EQ(*static_cast<int*>(array.GetAt(7)), 0);
  EXPECT_EQ(array.InsertSpaceAt(-1, 1), nullptr);
  EXPECT_EQ(array.InsertSpaceAt(0, 0), nullptr);
  EXPECT_EQ(array.GetPtrAt(9), nullptr);
  EXPECT_EQ(array.GetPtrAt(-1), nullptr);
}

TEST(ValueArrayDeathTest, CheckedAccessOutsideTheArrayAborts) {
  CZD_ValueArray array(4);
  array.SetSize(2);
  EXPECT_DEATH(array.GetAt(5), "^Invalid index:\n5\n$");
  EXPECT_DEATH(array.GetAt(-1), "^Invalid index:\n-1\n$");
}

TEST(FatalErrorDeathTest, WritesEachMessageAndAborts) {
  EXPECT_DEATH(ZD_FatalError(ZD_FatalCode::kInvalidArraySize), "^Invalid array size\n$");
  EXPECT_DEATH(ZD_FatalError(ZD_FatalCode::kMemoryAllocation), "^Memory allocation error\n$");
}

TEST(GrowBuffer, FirstStepIs128BytesThenAQuarter) {
  CZD_GrowBuffer buffer;
  ASSERT_TRUE(buffer.AppendBytes("x", 1));
  EXPECT_EQ(buffer.GetCapacity(), 128);
  std::vector<char> bytes(2000, 'y');
  ASSERT_TRUE(buffer.AppendBytes(bytes.data(), 128));
  EXPECT_EQ(buffer.GetCapacity(), 256);
  ASSERT_TRUE(buffer.EnsureRoom(1024 - 129));
  EXPECT_EQ(buffer.GetCapacity(), 1024);
  buffer.AppendBytes(bytes.data(), 1024 - 129 + 1);
  EXPECT_EQ(buffer.GetCapacity(), 1280);
  buffer.Clear();
  EXPECT_EQ(buffer.GetLength(), 0);
  EXPECT_EQ(buffer.GetCapacity(), 1280);
}

TEST(GrowBuffer, FixedStepRoundsUpAndCollectsBothKinds) {
  CZD_GrowBuffer buffer(10);
  ASSERT_TRUE(buffer.AppendUnit(u'A'));
  EXPECT_EQ(buffer.GetCapacity(), 10);
  ASSERT_TRUE(buffer.AppendWide(u"\u4E2Dbc"));
  EXPECT_EQ(buffer.GetWideStr().View(), u"A\u4E2Dbc");
  EXPECT_EQ(buffer.GetLength(), 8);
  EXPECT_FALSE(buffer.EnsureRoom(-1));

  CZD_GrowBuffer bytes;
  bytes.AppendBytes("abc", 3);
  EXPECT_EQ(bytes.GetByteStr(), "abc");
}

std::u16string Decode(std::string_view bytes) {
  CZD_Utf8Reader reader;
  for (const char c : bytes) {
    reader.Input(static_cast<unsigned char>(c));
  }
  return std::u16string(reader.GetResult().View());
}

TEST(Utf8Reader, DecodesForgivingly) {
  EXPECT_EQ(Decode("a\xC3\xA9\xE4\xB8\xAD"), u"a\u00E9\u4E2D");
  EXPECT_EQ(Decode("\xF0\x9F\x98\x80"), u"\U0001F600");
  EXPECT_EQ(Decode("\xC0\x80"), u"\uFFFD");
  EXPECT_EQ(Decode("\x80"
                   "a\xBF"),
            u"a");
  EXPECT_EQ(Decode("\xE4\xB8"
                   "b"),
            u"b");
  EXPECT_EQ(Decode("\xFE\xFF"), u"");
  EXPECT_EQ(Decode(std::string_view("\0", 1)), std::u16string(1, u'\0'));
  EXPECT_EQ(Decode("\xFC\x80\x80\x80\x80\x80"), u"\uFFFD");
  EXPECT_EQ(Decode("\xF4\x90\x80\x80"), u"");
}

TEST(Utf8Reader, AppendsCodePointsAsUnitsOrPairs) {
  CZD_Utf8Reader reader;
  reader.AppendCodePoint(0x41);
  reader.AppendCodePoint(0);
  reader.AppendCodePoint(0x10FFFF);
  reader.AppendCodePoint(0x110000);
  EXPECT_EQ(std::u16string(reader.GetResult().View()), std::u16string(u"A\0\U0010FFFF", 4));
  reader.Input(0xC3);
  reader.ClearStatus();
  reader.Input(0xA9);
  EXPECT_EQ(reader.GetResult().GetLength(), 4);
  reader.Clear();
  EXPECT_EQ(reader.GetResult().GetLength(), 0);
}

}  // namespace
