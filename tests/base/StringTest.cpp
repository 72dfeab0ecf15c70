#include "base/ByteStr.h"
#include "base/WideStr.h"

#include <gtest/gtest.h>

namespace {

TEST(ByteStr, CopiesShareTheBlockUntilOneChanges) {
  CZD_ByteStr first("abc");
  CZD_ByteStr second = first;
  EXPECT_EQ(first.GetBlock(), second.GetBlock());
  EXPECT_EQ(first.GetBlock()->m_nRefs, 2);
  second += "def";
  EXPECT_EQ(first, "abc");
  EXPECT_EQ(second, "abcdef");
  EXPECT_NE(first.GetBlock(), second.GetBlock());
  EXPECT_EQ(first.GetBlock()->m_nRefs, 1);
}

TEST(ByteStr, AppendsInPlaceOnlyWhenUnsharedWithRoom) {
  CZD_ByteStr text("ab");
  char* buffer = text.GetBuffer(10);
  ASSERT_NE(buffer, nullptr);
  text.ReleaseBuffer(2);
  const auto* block = text.GetBlock();
  text += "cd";
  EXPECT_EQ(text.GetBlock(), block);
  EXPECT_EQ(text, "abcd");

  CZD_ByteStr shared = text;
  shared += "e";
  EXPECT_NE(shared.GetBlock(), block);
  EXPECT_EQ(shared.GetBlock()->m_nCapacity, 5);
  EXPECT_EQ(text, "abcd");
}

TEST(ByteStr, ConstructsFromTextAndLength) {
  EXPECT_EQ(CZD_ByteStr("abcdef", 3), "abc");
  EXPECT_EQ(CZD_ByteStr("abc", -1).GetLength(), 3);
  EXPECT_EQ(CZD_ByteStr("abc", 0).GetBlock(), nullptr);
  EXPECT_STREQ(CZD_ByteStr().c_str(), "");
  EXPECT_EQ(CZD_ByteStr("abc").GetBlock()->m_nCapacity, 3);
}

TEST(ByteStr, DeletesFindsAndSlices) {
  CZD_ByteStr text("abcdef");
  EXPECT_EQ(text.Delete(-3, 2), 4);
  EXPECT_EQ(text, "cdef");
  EXPECT_EQ(text.Delete(10, 2), 4);
  EXPECT_EQ(text.Delete(1, 99), 1);
  EXPECT_EQ(text, "c");

  const CZD_ByteStr abc("abcabc");
  EXPECT_EQ(abc.Find("bc"), 1);
  EXPECT_EQ(abc.Find("bc", 2), 4);
  EXPECT_EQ(abc.Find('c', 3), 5);
  EXPECT_EQ(abc.Find('x'), -1);
  EXPECT_EQ(abc.Find('a', 6), -1);
  EXPECT_EQ(CZD_ByteStr().Find('a'), -1);

  EXPECT_EQ(abc.Left(-1), "");
  EXPECT_EQ(abc.Left(2), "ab");
  EXPECT_EQ(CZD_ByteStr("abc").Right(99), "abc");
  EXPECT_EQ(abc.Right(2), "bc");
}

TEST(ByteStr, DeletingFromASharedStringCopiesFirst) {
  CZD_ByteStr first("abcdef");
  CZD_ByteStr second = first;
  second.Delete(0, 3);
  second.SetAt(0, 'D');
  EXPECT_EQ(first, "abcdef");
  EXPECT_EQ(second, "Def");
}

TEST(ByteStr, WritableBufferKeepsOrReplacesTheBlock) {
  CZD_ByteStr text("hello");
  CZD_ByteStr copy = text;
  char* buffer = text.GetBuffer(3);
  ASSERT_NE(buffer, nullptr);
  EXPECT_NE(text.GetBlock(), copy.GetBlock());
  EXPECT_EQ(text.GetBlock()->m_nCapacity, 5);
  buffer[2] = 0;
  text.ReleaseBuffer();
  EXPECT_EQ(text, "he");
  EXPECT_EQ(copy, "hello");
  text.GetBuffer(4);
  text.ReleaseBuffer(0);
  EXPECT_TRUE(text.IsEmpty());
}

TEST(ByteStr, ComparesUnsignedBytesThenLength) {
  struct Row {
    const char* a;
    const char* b;
    int order;
  };
  const Row rows[] = {
      {"abc", "abc", 0}, {"abc", "abd", -1}, {"abd", "abc", 1}, {"ab", "abc", -1},
      {"abc", "ab", 1},  {"", "", 0},        {"", "a", -1},     {"\x80", "a", 1},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(CZD_ByteStr(row.a).Compare(row.b), row.order) << row.a << " vs " << row.b;
  }
}

TEST(ByteStr, BlocksOwnedElsewhereAreCopiedNotShared) {
  alignas(8) unsigned char memory[CZD_StrBlock<char>::BytesFor(3)];
  auto* block = CZD_StrBlock<char>::Place(memory, "xyz", 3, -1);
  {
    const CZD_ByteStr borrowed = CZD_ByteStr::AdoptBlock(block);
    CZD_ByteStr copy = borrowed;
    EXPECT_NE(copy.GetBlock(), block);
    EXPECT_EQ(copy, "xyz");
    CZD_ByteStr assigned;
    assigned = borrowed;
    EXPECT_NE(assigned.GetBlock(), block);
  }
  EXPECT_EQ(block->m_nRefs, -1);
}

TEST(WideStr, ComparesIgnoringAsciiCase) {
  EXPECT_EQ(CZD_WideStr(u"StartPage").CompareNoCase(u"startpage"), 0);
  EXPECT_EQ(CZD_WideStr(u"a").CompareNoCase(u"B"), -1);
  EXPECT_EQ(CZD_WideStr(u"b").CompareNoCase(u"A"), 1);
  EXPECT_EQ(CZD_WideStr().CompareNoCase(u""), 0);
  EXPECT_EQ(CZD_WideStr().CompareNoCase(CZD_WideStrView()), 0);
  EXPECT_EQ(CZD_WideStr().CompareNoCase(u"x"), -1);
  EXPECT_NE(CZD_WideStr(u"\u00C4").CompareNoCase(u"\u00E4"), 0);
}

TEST(WideStr, ReadsDecimalValues) {
  struct Row {
    const char16_t* text;
    int value;
  };
  const Row rows[] = {{u"-12x3", -12}, {u"x", 0}, {u"", 0}, {u"42", 42}, {u"-", 0}, {u"007", 7}, {u"+5", 0}};
  for (const Row& row : rows) {
    EXPECT_EQ(CZD_WideStr::DecimalValue(row.text), row.value);
  }
  EXPECT_EQ(CZD_WideStr::DecimalValue(CZD_WideStrView(nullptr)), 0);
  EXPECT_EQ(CZD_WideStr(u"2147483647").GetInteger(), 2147483647);
}

TEST(WideStr, UsesSixteenBitUnitsWithTheSameRules) {
  CZD_WideStr text(u"\u4E2D\u6587abc");
  CZD_WideStr copy = text;
  copy.Append(u"\U0001F600");
  EXPECT_EQ(text.GetLength(), 5);
  EXPECT_EQ(copy.GetLength(), 7);
  EXPECT_EQ(copy.Find(u'a'), 2);
  EXPECT_EQ(copy.Right(2).View(), std::u16string_view(u"\U0001F600"));
  EXPECT_EQ(text.Delete(0, 2), 3);
  EXPECT_EQ(text.View(), u"abc");
}

}  // namespace
