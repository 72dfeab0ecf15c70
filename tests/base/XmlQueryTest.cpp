#include "base/XmlTree.h"

#include <gtest/gtest.h>

#include <string>

namespace {

XmlTreePtr Parse(const std::string& xml) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size()));
}

TEST(XmlQuery, MatchesAttributeNamesExactlyWithAnOptionalPrefix) {
  const XmlTreePtr tree = Parse("<a Name='n1' x:v='1' y:v='2' v='-12x3'/>");
  ASSERT_TRUE(tree);
  struct Row {
    const char* query;
    bool found;
    const char16_t* value;
  };
  const Row rows[] = {
      {"Name", true, u"n1"},   {"name", false, u""}, {"NAME", false, u""},  {"v", true, u"-12x3"},
      {"x:v", true, u"-12x3"}, {"y:v", true, u"2"},  {"z:v", false, u""},   {":Name", true, u"n1"},
      {"x:", false, u""},      {"", false, u""},     {"a:b:v", false, u""},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(HasAttribute(tree.get(), row.query), row.found) << row.query;
    CZD_WideStr value(u"unchanged");
    EXPECT_EQ(AttributeText(tree.get(), row.query, value), row.found) << row.query;
    EXPECT_EQ(value.View(), std::u16string_view(row.found ? row.value : u"unchanged")) << row.query;
  }
}

TEST(XmlQuery, ReadsIntegersByTheDecimalRule) {
  const XmlTreePtr tree = Parse("<a n='-12x3' m='x' k='  5'/>");
  int value = 99;
  EXPECT_TRUE(AttributeInt(tree.get(), "n", value));
  EXPECT_EQ(value, -12);
  EXPECT_TRUE(AttributeInt(tree.get(), "m", value));
  EXPECT_EQ(value, 0);
  EXPECT_TRUE(AttributeInt(tree.get(), "k", value));
  EXPECT_EQ(value, 0);
  value = 99;
  EXPECT_FALSE(AttributeInt(tree.get(), "none", value));
  EXPECT_EQ(value, 99);
}

TEST(XmlQuery, WalksChildrenOfBothKinds) {
  const XmlTreePtr tree = Parse("<r>one<x:c k='v'/>two<d/></r>");
  ASSERT_EQ(ChildCount(tree.get()), 4);
  EXPECT_EQ(ChildElement(tree.get(), 0), nullptr);
  ASSERT_NE(ChildText(tree.get(), 0), nullptr);
  EXPECT_EQ(ChildText(tree.get(), 0)->text.View(), u"one");
  EXPECT_EQ(ChildText(tree.get(), 0)->cdata, 0);
  const CXML_TreeElement* c = ChildElement(tree.get(), 1);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(ChildText(tree.get(), 1), nullptr);
  EXPECT_EQ(TagName(c), "c");
  EXPECT_EQ(TagName(c, true), "x:c");
  EXPECT_EQ(TagPrefix(c), "x");
  EXPECT_EQ(TagName(tree.get(), true), "r");
  EXPECT_EQ(ParentElement(c), tree.get());
  EXPECT_EQ(ParentElement(tree.get()), nullptr);
  EXPECT_EQ(AttributeCount(c), 1);
  EXPECT_EQ(AttributeAt(c, 0)->value.View(), u"v");
  EXPECT_EQ(AttributeAt(c, 1), nullptr);
  EXPECT_EQ(AttributeAt(c, -1), nullptr);
  EXPECT_EQ(ChildElement(tree.get(), 4), nullptr);
  EXPECT_EQ(ChildElement(tree.get(), -1), nullptr);
  EXPECT_EQ(ChildText(tree.get(), 9), nullptr);
}

TEST(XmlQuery, NullElementsAnswerNothing) {
  CZD_WideStr value(u"kept");
  int number = 5;
  EXPECT_EQ(ChildCount(nullptr), 0);
  EXPECT_EQ(ChildElement(nullptr, 0), nullptr);
  EXPECT_EQ(ChildText(nullptr, 0), nullptr);
  EXPECT_TRUE(TagName(nullptr).IsEmpty());
  EXPECT_TRUE(TagPrefix(nullptr).IsEmpty());
  EXPECT_FALSE(HasAttribute(nullptr, "a"));
  EXPECT_FALSE(AttributeText(nullptr, "a", value));
  EXPECT_FALSE(AttributeInt(nullptr, "a", number));
  EXPECT_EQ(AttributeCount(nullptr), 0);
  EXPECT_EQ(AttributeAt(nullptr, 0), nullptr);
  EXPECT_EQ(ParentElement(nullptr), nullptr);
  DestroyTree(nullptr);
  EXPECT_EQ(value.View(), u"kept");
  EXPECT_EQ(number, 5);
}

TEST(XmlQuery, StringsTakenFromATreeOutliveIt) {
  XmlTreePtr tree = Parse("<Root Text='\xE4\xB8\xAD value'><Child/></Root>");
  CZD_WideStr value;
  ASSERT_TRUE(AttributeText(tree.get(), "Text", value));
  CZD_ByteStr name = TagName(tree.get());
  CZD_ByteStr child = TagName(ChildElement(tree.get(), 0));
  CZD_WideStr copied = AttributeAt(tree.get(), 0)->value;
  tree.reset();
  EXPECT_EQ(value.View(), u"\u4E2D value");
  EXPECT_EQ(copied.View(), u"\u4E2D value");
  EXPECT_EQ(name, "Root");
  EXPECT_EQ(child, "Child");
  name += "s";
  EXPECT_EQ(name, "Roots");
}

TEST(XmlQuery, ChangingACopyLeavesTheTreeAlone) {
  const XmlTreePtr tree = Parse("<Root Text='abc'/>");
  CZD_ByteStr name = TagName(tree.get());
  name.SetAt(0, 'X');
  CZD_WideStr value;
  AttributeText(tree.get(), "Text", value);
  value.SetAt(0, u'X');
  EXPECT_EQ(TagName(tree.get()), "Root");
  EXPECT_EQ(AttributeAt(tree.get(), 0)->value.View(), u"abc");
}

TEST(XmlQuery, DestroyingAnInnerElementLeavesTheTreeWhole) {
  const XmlTreePtr tree = Parse("<r><a/><b/></r>");
  DestroyTree(ChildElement(tree.get(), 0));
  EXPECT_EQ(TagName(ChildElement(tree.get(), 0)), "a");
  EXPECT_EQ(ChildCount(tree.get()), 2);
}

}  // namespace
