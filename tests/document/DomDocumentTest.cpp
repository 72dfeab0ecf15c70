#include "document/DomDocument.h"

#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

#include "document/DocumentWriter.h"

namespace cadmira::document {
namespace {

std::string Text(const CDomDocument& document) {
  const std::vector<unsigned char> bytes = document.Serialize();
  return {bytes.begin(), bytes.end()};
}

template <class Call>
std::uint32_t CodeOf(Call call) {
  try {
    call();
  } catch (const CDomError& error) {
    return error.Code();
  }
  return 0;
}

TEST(DomDocument, BuildsWalksAndLooksUp) {
  auto document = CDomDocument::Create();
  ASSERT_TRUE(document);
  CDomElement root = document->CreateElement(u"Root");
  CDomElement first = document->CreateElement(u"Item");
  CDomElement second = document->CreateElement(u"Item");
  // Unattached elements are not part of the document yet.
  EXPECT_FALSE(document->DocumentElement());
  EXPECT_FALSE(document->FindByTag(u"Item"));
  EXPECT_FALSE(document->NextSibling(first));
  document->AppendToDocument(root);
  document->Append(root, first);
  document->Append(root, second);
  document->SetAttribute(first, u"b", u"1");
  document->SetAttribute(first, u"a", u"2");
  document->SetAttribute(first, u"b", u"3");  // replaces in place, order kept

  EXPECT_EQ(document->DocumentElement(), root);
  EXPECT_EQ(document->FindByTag(u"Item"), first);
  EXPECT_EQ(document->FindByTag(root, u"Item"), first);
  EXPECT_EQ(document->FindByTag(u"Root"), root);
  EXPECT_FALSE(document->FindByTag(u"item"));
  EXPECT_EQ(document->FirstChild(root), first);
  EXPECT_EQ(document->NextSibling(first), second);
  EXPECT_FALSE(document->NextSibling(second));
  EXPECT_FALSE(document->FirstChild(first));
  EXPECT_EQ(document->Children(root).size(), 2u);
  EXPECT_EQ(document->NodeName(second), u"Item");

  CDomAttribute a = document->AttributeNode(first, u"a");
  ASSERT_TRUE(a);
  EXPECT_EQ(document->AttributeValue(a), u"2");
  document->SetAttributeValue(a, u"\u4E2D");
  EXPECT_FALSE(document->AttributeNode(first, u"missing"));
  EXPECT_EQ(Text(*document), "<Root><Item b=\"3\" a=\"\xE4\xB8\xAD\"/><Item/></Root>");
}

TEST(DomDocument, EmptyReferencesRaiseThePointerCode) {
  auto document = CDomDocument::Create();
  CDomElement nothing;
  CDomElement element = document->CreateElement(u"x");
  EXPECT_EQ(CodeOf([&] { document->Append(nothing, element); }), kE_POINTER);
  EXPECT_EQ(CodeOf([&] { document->Append(element, nothing); }), kE_POINTER);
  EXPECT_EQ(CodeOf([&] { document->AppendToDocument(nothing); }), kE_POINTER);
  EXPECT_EQ(CodeOf([&] { document->SetAttribute(nothing, u"a", u"b"); }), kE_POINTER);
  EXPECT_EQ(CodeOf([&] { document->AttributeValue(CDomAttribute()); }), kE_POINTER);
  EXPECT_EQ(CodeOf([&] { document->SetAttributeValue(CDomAttribute(), u"v"); }), kE_POINTER);
  EXPECT_EQ(CodeOf([&] { document->FirstChild(nothing); }), kE_POINTER);
  EXPECT_EQ(CodeOf([&] { document->NodeName(nothing); }), kE_POINTER);
  // An element cannot be appended into itself.
  EXPECT_EQ(CodeOf([&] { document->Append(element, element); }), kE_FAIL);
}

// Lets pugixml allocate only a given number of times, to reach every failing allocation.
struct FailingAllocator {
  static inline int remaining = -1;
  static void* Allocate(size_t size) {
    if (remaining == 0) return nullptr;
    if (remaining > 0) --remaining;
    return std::malloc(size);
  }
  static void Free(void* block) { std::free(block); }
};

TEST(DomDocument, EveryFailedAllocationRaisesTheOutOfMemoryCode) {
  pugi::set_memory_management_functions(FailingAllocator::Allocate, FailingAllocator::Free);
  const std::u16string longText(5000, u'x');
  bool completed = false;
  int failures = 0;
  for (int allowed = 0; !completed && allowed < 10000; ++allowed) {
    FailingAllocator::remaining = -1;
    CWriteContext context;
    ASSERT_TRUE(BuildDocument(context, resources::Product::Reader));
    CDomDocument& document = *context.m_spXmlDoc;
    FailingAllocator::remaining = allowed;
    try {
      // Long names and values outgrow pugixml's pages, so each one needs an allocation.
      for (int i = 0; i < 20; ++i) {
        CDomElement element = document.CreateElement(longText + u"e");
        document.SetAttribute(element, longText + u"n", longText + u"v");
        document.Append(document.DocumentElement(), element);
      }
      completed = true;
    } catch (const CDomError& error) {
      EXPECT_EQ(error.Code(), kE_OUTOFMEMORY);
      ++failures;
    }
    FailingAllocator::remaining = -1;
    // Whatever failed, the document stays usable.
    EXPECT_FALSE(document.Serialize().empty());
  }
  pugi::set_memory_management_functions(std::malloc, std::free);
  EXPECT_TRUE(completed);
  EXPECT_GT(failures, 5);
}

}  // namespace
}  // namespace cadmira::document
