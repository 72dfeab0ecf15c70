#include "base/DataBufAcc.h"
#include "base/TreeBuilder.h"
#include "base/XmlTree.h"
#include "tests/base/XmlDump.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReaderCase {
  const char* rule;
  std::string input;
  const char* tree;
};

std::string Parse(const std::string& input, bool keepSpaces = false) {
  const XmlTreePtr tree(ParseDocument(reinterpret_cast<const unsigned char*>(input.data()), input.size(), keepSpaces));
  return DumpTree(tree.get());
}

// Serves its input one byte per block, so that every rule is exercised across block ends.
class OneByteBlocks final : public IZD_BufferRead {
 public:
  explicit OneByteBlocks(const std::string& input) : m_input(input) {}
  void Destroy() override {}
  bool AtEnd() const override { return m_next >= m_input.size(); }
  std::uint64_t Position() const override { return m_next; }
  std::size_t ReadBytes(void*, std::size_t) override { return 0; }
  bool NextBlock(bool restart) override {
    if (restart) {
      m_next = 0;
    }
    if (m_next >= m_input.size()) {
      return false;
    }
    m_block = m_next++;
    return true;
  }
  const unsigned char* BlockData() const override {
    return reinterpret_cast<const unsigned char*>(m_input.data()) + m_block;
  }
  std::size_t BlockLength() const override { return 1; }
  std::uint64_t BlockStart() const override { return m_block; }

 private:
  const std::string& m_input;
  std::size_t m_next = 0;
  std::size_t m_block = 0;
};

const std::vector<ReaderCase>& Cases() {
  using namespace std::string_literals;
  static const std::vector<ReaderCase> cases = {
      // What comes before the root.
      {"byte-order mark and declaration are skipped", "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"GBK\"?>\n<a/>",
       "a"},
      {"a comment and stray text before the root", "junk <!-- c --> more <a/>", "a"},
      {"a doctype swallows up to the next comment end", "<!DOCTYPE x><a/>", "null"},
      {"a doctype ended by a later comment end", "<!DOCTYPE x --><a/>", "a"},
      {"empty input", "", "null"},
      {"only spaces", "   ", "null"},
      {"no tag at all", "text only", "null"},
      {"UTF-16 gives an empty tag name", "<\0a\0/\0>\0"s, "null"},
      {"an end tag as root", "</a>", "null"},
      {"root not closed", "<a", "null"},
      {"root attribute list cut off", "<a x=\"1\"", "null"},
      {"root followed by other bytes", "<a/>trailing<b/>", "a"},
      // Names.
      {"prefix and name", "<x:a/>", "x:a"},
      {"several colons keep the last segment as prefix", "<x:y:z/>", "y:z"},
      {"a name ending in a colon is empty", "<a:/>", "null"},
      {"a leading colon gives an empty prefix", "<:a/>", "a"},
      {"name characters", "<a.b-c_d9/>", "a.b-c_d9"},
      {"names may start with a digit after '<'", "<1a/>", "1a"},
      {"high bytes are name characters", "<\xE4\xB8\xAD/>", "\xE4\xB8\xAD"},
      // Attributes.
      {"references in a value", "<a t=\"x &amp; y &#65;&#x42;\"/>", "a[t=x & y AB]"},
      {"upper-case X is skipped and the rest read as decimal", "<a t=\"&#X41;\"/>", "a[t=)]"},
      {"a bare ampersand swallows up to the next semicolon", "<a t=\"a & b; c\"/>", "a[t=a \\u0000 c]"},
      {"a reference runs past the closing quote", "<a t=\"&x\" u=\"1;\" v=\"2\"/>", "a[t=\\u0000,v=2]"},
      {"an unknown entity is U+0000", "<a t=\"&bogus;\"/>", "a[t=\\u0000]"},
      {"references past 32 bits in a value add nothing",
       "<a t=\"&#4294967356;&#4294967296;&#x10000003C;&#99999999999999999999999960;\"/>", "a[t=]"},
      {"a later unprefixed name replaces a prefixed one", "<a x:n=\"1\" n=\"2\"/>", "a[x:n=2]"},
      {"a later prefixed name does not replace an unprefixed one", "<a n=\"1\" x:n=\"2\"/>", "a[n=1,x:n=2]"},
      {"an unprefixed name replaces the first match only", "<a x:n=\"1\" y:n=\"2\" n=\"3\"/>", "a[x:n=3,y:n=2]"},
      {"duplicate names keep the last value", "<a n=\"1\" n=\"2\"/>", "a[n=2]"},
      {"single quotes", "<a n='1\"2'/>", "a[n=1\"2]"},
      {"a name without '=' ends the list", "<a n='1' m>", "a[n=1]"},
      {"an unquoted value is empty and ends the tag badly", "<a n=1>", "null"},
      {"a value missing before '>' is empty", "<a t= >", "a[t=]"},
      {"an unquoted word after '=' is dropped", "<a t=x>", "a[t=]"},
      {"white space around '='", "<a\n\tn\n=\n\"1\"\n/>", "a[n=1]"},
      {"anything after '/' up to '>'", "<a/ junk>", "a"},
      {"an empty attribute name", "<a :=\"1\"/>", "a[=1]"},
      {"a pending UTF-8 sequence survives a reference in a value", "<a t=\"\xC3&amp;\xA9\"/>", "a[t=&\\u00E9]"},
      // Text and references.
      {"surrounding spaces are trimmed", "<a>  text  </a>", "a{\"text\"}"},
      {"spaces alone give no child", "<a> </a>", "a"},
      {"a comment discards the text before it", "<a>one<!-- c -->two</a>", "a{\"two\"}"},
      {"CDATA is skipped with the text before it", "<a>one<![CDATA[x]]></a>", "a"},
      {"a processing instruction keeps the text", "<a>one<?pi?>two</a>", "a{\"onetwo\"}"},
      {"the named entities", "<a>&lt;&gt;&amp;&apos;&quot;</a>", "a{\"<>&'\"\"}"},
      {"a code point above U+FFFF is a surrogate pair", "<a>&#x1F600;</a>", "a{\"\\uD83D\\uDE00\"}"},
      {"a code point above U+10FFFF adds nothing", "<a>x&#x110000;</a>", "a{\"x\"}"},
      {"a decimal reference past 32 bits does not wrap round", "<a>x&#4294967356;</a>", "a{\"x\"}"},
      {"a decimal reference of exactly 2 to the 32 adds nothing", "<a>x&#4294967296;</a>", "a{\"x\"}"},
      {"a hexadecimal reference past 32 bits does not wrap round", "<a>x&#x10000003C;</a>", "a{\"x\"}"},
      {"a reference stays out of range however many digits follow", "<a>x&#x110000000000000000003C;y</a>", "a{\"xy\"}"},
      {"the last code point is still a surrogate pair", "<a>&#1114111;</a>", "a{\"\\uDBFF\\uDFFF\"}"},
      {"decimal references skip other characters", "<a>&#6a5;</a>", "a{\"A\"}"},
      {"hexadecimal references skip other characters", "<a>&#xZ4a;</a>", "a{\"J\"}"},
      {"an empty number is U+0000", "<a>x&#;</a>", "a{\"x\\u0000\"}"},
      {"a reference at the end of data", "<a>&amp", "a{\"&\"}"},
      {"references between text", "<a>x&#65;y</a>", "a{\"xAy\"}"},
      {"a reference cancels a pending sequence in text", "<a>\xC3&amp;\xA9</a>", "a{\"&\"}"},
      {"two-byte UTF-8", "<a>\xC3\xA9</a>", "a{\"\\u00E9\"}"},
      {"four-byte UTF-8", "<a>\xF0\x9F\x98\x80</a>", "a{\"\\uD83D\\uDE00\"}"},
      {"an overlong zero becomes U+FFFD", "<a>x\xC0\x80</a>", "a{\"x\\uFFFD\"}"},
      {"a stray continuation byte is dropped", "<a>x\x80y</a>", "a{\"xy\"}"},
      {"an ASCII byte cuts a sequence short", "<a>\xC3Z</a>", "a{\"Z\"}"},
      {"0xFE and 0xFF are dropped", "<a>x\xFE\xFFy</a>", "a{\"xy\"}"},
      {"five-byte sequences beyond U+10FFFF add nothing", "<a>x\xF8\x88\x80\x80\x80</a>", "a{\"x\"}"},
      {"leading control bytes count as white space", "<a>\x01\x02x</a>", "a{\"x\"}"},
      {"only space, tab, CR and LF are trimmed at the end", "<a>x\x0B \r\n\t</a>", "a{\"x\\u000B\"}"},
      // Structure.
      {"text around a child is split", "<a>one<b/>two</a>", "a{\"one\",b,\"two\"}"},
      {"white space between children", "<a>\n  <b/>\n  <c></c>\n</a>", "a{b,c}"},
      {"misnested end tags close the innermost element", "<a><b></a></b>", "a{b}"},
      {"end tag names are not checked", "<a><b></x y></a>", "a{b}"},
      {"missing end tags are closed by the end of data", "<a><b>text", "a{b{\"text\"}}"},
      {"a bad child start tag is read as content", "<a>x<1y</a>", "a{\"x\",\"/a>\"}"},
      {"an empty child name drops the child", "<a>< b/></a>", "a{\"b/>\"}"},
      {"a comment ends at the first '-->' in a row", "<a><!-- x --->y</a>", "a{\"y\"}"},
      {"'<!' followed by another byte skips to '>'", "<a><!x>y</a>", "a{\"y\"}"},
      {"a child with attributes and text", "<r><p k=\"v\">t</p><p/></r>", "r{p[k=v]{\"t\"},p}"},
  };
  return cases;
}

TEST(XmlReader, FollowsEveryReadingRule) {
  for (const ReaderCase& c : Cases()) {
    EXPECT_EQ(Parse(c.input), c.tree) << c.rule;
  }
}

TEST(XmlReader, GivesTheSameTreeWhenTheInputArrivesByteByByte) {
  for (const ReaderCase& c : Cases()) {
    OneByteBlocks reader(c.input);
    const XmlTreePtr tree(ParseFromReader(reader, false, nullptr, nullptr));
    EXPECT_EQ(DumpTree(tree.get()), c.tree) << c.rule;
  }
}

// Documents long enough for the reader's in-block shortcuts, whose every attribute and tag
// repeats the shapes those shortcuts guess at, and then departs from them.
std::vector<std::string> LongDocuments() {
  std::vector<std::string> documents;
  for (const ReaderCase& c : Cases()) {
    documents.push_back(c.input + std::string(80, ' '));
  }
  const std::string rows[] = {
      "<p Name=\"n1\" Visible=\"0\"/>",
      "<p Name=\"n2\" Visible='0'/>",
      "<p Name = \"n3\" Visible=\"0\" />",
      "<p Name=\"a &amp; b\" Visible=\"\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80x\"/>",
      "<p Name=\"\xC3&amp;\xA9\" Visible=\"0\" Name=\"again\"/>",
      "<p x:Name=\"1\" Name=\"2\" Visible:x=\"3\"/>",
      "<p Name=\"&x\" Visible=\"1;\" Other=\"2\"/>",
      "<p Name=\"a&#4294967356;b\" Visible=\"&#x10000003C;\">&#4294967296;&#x10000003C;</p>",
      "<p Names=\"1\" Nam=\"2\" Name.x=\"3\"/>",
      "<p Name=1 Visible=\"0\"/>",
      "<p Name Visible=\"0\"/>",
      "<p Name=\"unterminated/>",
      "<pp Name=\"n\"/>",
      "<p:p Name=\"n\"/>",
      "<p Name=\"t\">text \xE4\xB8\xAD &lt;b&gt;<q/>tail</p>",
      "<p Name=\"t\"></pp ><p></p:p>",
      "<p Name=\"t\">\xE4\xB8\xAD \t<!--dropped-->kept <?pi?> too\r\n<q/>\xC3\xA9 \xE4\xB8</p>",
      // Names of whole words and a byte more, then near misses in their last byte or length.
      "<Exactly8 Exactly8=\"1\" Sixteen_chars_16=\"2\" Seventeen_chars17=\"3\"/>",
      "<Exactly9 Exactly9=\"1\" Sixteen_chars_17=\"2\" Seventeen_chars18=\"3\"/>",
      "<Exactly Exactly=\"1\" Sixteen_chars_1=\"2\" Seventeen_chars17x=\"3\"/>",
      "<Exactly8 Exactly8=\"1\" Sixteen_chars_16=\"2\" Seventeen_chars17=\"3\"/>",
      // Attributes without a local name, then tags whose attributes are guessed at their places.
      "<p x:=\"1\" =\"2\" Name=\"3\"/>",
      "<p Name=\"4\" Visible=\"5\" Other=\"6\"/>",
      // Values empty, just short enough to be read in one piece, and just too long for it.
      "<p Name=\"\" Visible='fifteen_chars_1' Other=\"sixteen_chars_16\"/>",
      "<p Name=\"fourteen_char\xC3\xA9\" Visible='fourteen_chars&amp;' Other=\"\"/>",
      "<p Name=\"\xE4\xB8\xAD\xE0\x80\x80\xC0\x80\xED\xA0\x80\" Visible='\xE4\xB8' Other=\"\x80\xC3\"/>",
      "<p Name=\"x\xC3\xA9\xE4\xB8\xAD_twelve\" Visible='\xF0\x9F\x98\x80' "
      "Other=\"\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\xE4\xB8\xAD\"/>",
      "<p Name=\"last\"",
  };
  std::string document = "<r>";
  for (int round = 0; round < 3; ++round) {
    for (const std::string& row : rows) {
      document += "\n  " + row;
      documents.push_back(document + std::string(80, ' '));
    }
  }
  return documents;
}

TEST(XmlReader, GivesTheSameTreeWithTheWholeInputAsWithOneByteAtATime) {
  for (const std::string& input : LongDocuments()) {
    for (const bool keepSpaces : {false, true}) {
      OneByteBlocks reader(input);
      const XmlTreePtr pieces(ParseFromReader(reader, keepSpaces, nullptr, nullptr));
      EXPECT_EQ(Parse(input, keepSpaces), DumpTree(pieces.get())) << input;
    }
  }
}

TEST(XmlReader, KeepsSpacesWhenAsked) {
  EXPECT_EQ(Parse("<a> x </a>", true), "a{\" x \"}");
  EXPECT_EQ(Parse("<a> x <b/> </a>", true), "a{\" x \",b}");
}

TEST(XmlReader, ReportsWhereParsingStopped) {
  const std::string input = "<?xml?><a><b/></a>  <c/>";
  std::uint64_t parsed = 0;
  const XmlTreePtr tree(
      ParseDocument(reinterpret_cast<const unsigned char*>(input.data()), input.size(), false, &parsed));
  ASSERT_TRUE(tree);
  EXPECT_EQ(parsed, input.find("  <c/>"));
}

TEST(XmlReader, ParsesAndDestroysHundredsOfThousandsOfLevels) {
  constexpr int kDepth = 300000;
  std::string open;
  for (int i = 0; i < kDepth; ++i) {
    open += "<a>";
  }
  std::string closed = open + "x";
  for (int i = 0; i < kDepth; ++i) {
    closed += "</a>";
  }
  for (const std::string* input : {&open, &closed}) {
    const XmlTreePtr tree(ParseDocument(reinterpret_cast<const unsigned char*>(input->data()), input->size()));
    ASSERT_TRUE(tree);
    int depth = 1;
    const CXML_TreeElement* element = tree.get();
    while (ChildCount(element) == 1 && ChildElement(element, 0)) {
      element = ChildElement(element, 0);
      ++depth;
    }
    EXPECT_EQ(depth, kDepth);
    EXPECT_EQ(ChildCount(element), input == &closed ? 1 : 0);
  }
}

TEST(XmlReader, KeepsOneEntryPerNameWhateverTheNumberOfDistinctNames) {
  // Enough distinct names to make the name table grow several times between the first use of a
  // name and its repeats.
  for (const int names : {10, 40, 300, 5000}) {
    std::string input = "<r X=\"0\"";
    for (int i = 0; i < names; ++i) {
      input += " n" + std::to_string(i) + "=\"\"";
    }
    input += "><c X=\"1\" n7=\"a\" X=\"2\" n7=\"b\"/></r>";
    const XmlTreePtr tree(ParseDocument(reinterpret_cast<const unsigned char*>(input.data()), input.size()));
    ASSERT_TRUE(tree);
    EXPECT_EQ(DumpTree(ChildElement(tree.get(), 0)), "c[X=2,n7=b]") << names;
  }
}

TEST(XmlReader, GivesNoTreeRatherThanCutATextLongerThanAStringHolds) {
  constexpr std::size_t kLimit = 64;
  const std::string fits(kLimit, 'v');
  const std::string over(kLimit + 1, 'v');
  struct Case {
    std::string input;
    bool parsed;
  };
  const Case cases[] = {
      {"<a t=\"" + fits + "\"/>", true},
      {"<a t=\"" + over + "\"/>", false},
      {"<a t=\"" + fits.substr(1) + "\xC3\xA9\"/>", true},
      {"<a t=\"" + fits + "\xC3\xA9\"/>", false},
      {"<a t=\"" + fits + "&amp;\"/>", false},
      {"<a>" + fits + "</a>", true},
      {"<a>" + over + "</a>", false},
      {"<a>" + fits + "  </a>", true},
      {"<a>" + fits + "&#x1F600;</a>", false},
      {"<a><b/>" + over + "</a>", false},
  };
  for (const Case& c : cases) {
    CXML_DataBufAcc* memory = CXML_DataBufAcc::Create(reinterpret_cast<const unsigned char*>(c.input.data()),
                                                      static_cast<std::uint32_t>(c.input.size()));
    const XmlTreePtr whole(ParseFromReader(*memory, false, nullptr, nullptr, kLimit));
    memory->Destroy();
    EXPECT_EQ(whole != nullptr, c.parsed) << c.input;
    OneByteBlocks bytes(c.input);
    const XmlTreePtr pieces(ParseFromReader(bytes, false, nullptr, nullptr, kLimit));
    EXPECT_EQ(pieces != nullptr, c.parsed) << c.input;
  }
  static_assert(CXML_TreeBuilder::kMaxTextUnits <= 0x7FFFFFFF, "a string's length is an int");
}

TEST(XmlReader, RefusesInputLargerThanItsSize) {
  const unsigned char byte = '<';
  EXPECT_EQ(ParseDocument(&byte, std::size_t{0x100000000}), nullptr);
  EXPECT_EQ(ParseDocument(nullptr, 4), nullptr);
}

}  // namespace
