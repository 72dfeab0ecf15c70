#include "resources/ResourceIds.h"
#include "resources/StringTable.h"
#include "resources/XmlResource.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace cadmira::resources {
namespace {

// Every string id that some window, page or command of the program looks up.
const std::vector<int> kUsedIds = {
    101, 102, 103, 104, 105, 106, 107, 108, 109, 110, 111, 112, 113, 114, 115, 116, 117, 118, 119, 120,
    122, 123, 124, 125, 126, 127, 129, 130, 131, 132, 133, 135, 139, 140, 141, 142, 143, 144, 145, 146,
    147, 148, 150, 152, 153, 154, 156, 157, 158, 159, 160, 162, 166, 167, 168, 169, 170, 172, 173, 174,
    177, 178, 179, 181, 182, 183, 184, 185, 186, 187, 188, 189, 190, 191, 192, 193, 196, 198, 199, 200,
    201, 202, 203, 204, 206, 207, 208, 209, 210, 211, 214, 215, 217, 218, 220, 222, 223, 224, 225, 226,
    227, 228, 229, 230, 231, 232, 235, 236, 237, 238, 239, 240, 241, 242, 243, 244, 245, 246, 247, 248,
    249, 250, 254, 268, 269, 270, 271, 282, 288, 289, 290, 291, 292, 293, 294, 295, 296, 297, 298, 299,
};

TEST(StringTable, EveryUsedIdHasItsText) {
  for (const int id : kUsedIds) EXPECT_FALSE(EnglishString(id).empty()) << id;
  for (const int id : kNamedTextIds) EXPECT_FALSE(EnglishString(id).empty()) << id;
}

TEST(StringTable, MissingIdGivesEmptyText) {
  EXPECT_TRUE(EnglishString(0).empty());
  EXPECT_TRUE(EnglishString(-1).empty());
  EXPECT_TRUE(EnglishString(121).empty());
  EXPECT_TRUE(EnglishString(99999).empty());
}

struct ExactText {
  int id;
  std::u16string_view text;
};

// Texts whose blanks, quotes, misspellings or line breaks are easily lost.
const ExactText kExactTexts[] = {
    {115, u"&About Cadmira(A)"},
    {116, u"Ma&ximize(X)"},
    {117, u"Mi&nimize(N)"},
    {118, u"&Close(C)"},
    {227, u"&Move(M)"},
    {125,
     u"1. Confirm that the version number of Zandor OrvantaPDF or Zandor Reader in the 'Preferences' Tab "
     u"matches with the version number of the software. \r\n2. XML file has higher priority than the GPO "
     u"template. If the XML file and the GPO template have the same settings, the XML file will override "
     u"the GPO template."},
    {192, u"Disable  Automatic Updates"},
    {270, u"Disable Security Warning "},
    {211, u"Rolling Time: (1-60000s)"},
    {225,
     u"The program will restart when the interface changes. However,\r\nit will cause the data in the "
     u"window loss. Do you agree with?"},
    {228, u"Are you sure to delete the highlighted plugin from the list--"},
    {230, u"The plugin has already exist in the list."},
    {236,
     u"Both Zandor Reader and Zandor OrvantaPDF have this configuration tool, Please go to \u201CInterface\u201D "
     u"to choose the product Reader or Orvanta firstly. "},
    {246, u"The format of xml is error."},
    {239, u"The rolling time of advertisement is not between 1 and 60000s."},
    {159, u"Check this button to disable automatically updates"},
    {172, u"Add 'protected' to the name of encrypted files"},
    {248, u"Cadmira-Zandor OrvantaPDF"},
    {249, u"Cadmira-Zandor Reader"},
};

TEST(StringTable, KeepsExactTexts) {
  for (const ExactText& e : kExactTexts) EXPECT_EQ(EnglishString(e.id), e.text) << e.id;
  EXPECT_EQ(EnglishString(237), EnglishString(236));
}

struct Fragment {
  int id;
  std::u16string_view part;
};

// Pieces of the long descriptions that carry a detail of their own.
const Fragment kFragments[] = {
    {156, u"Check 'Scroll'  to scroll the ads circularly"},
    {157, u"settings. \r\n\r\nCheck 'Don't Show"},
    {166, u"to append \"(protected)\" to the end"},
    {166, u"version 1, which"},
    {166, u"Management Services.\r\nIf not defined"},
    {166, u"\r\n\r\n Enable 'Save as'"},
    {167, u"Enable safe Reading Mode' .\r\n\r\n"},
    {167, u"avoid arracks from malicious documents. \r\n\r\n"},
    {250, u"Check 'Autaomatically save PDF files"},
    {250, u"Tessadoc features. \r\nBecause data tracking"},
    {120, u"Choose \u2018Enabled\u2019 to use Read Mode"},
    {120, u"Preferences > Document> Open Settings."},
    {290, u"collection. \r\n\r\nThis will change the corresponding setting in Preferences > General. "},
    {296, u"setting of \u2018Share the PDF file that caused this crash\u2019 option"},
    {214, u"previously generated files.\r\n\r\n"},
    {152, u"hidden.\r\n\r\nPlugin Path:"},
    {152, u"delete the new Add Plugin. \r\n\r\nNote:"},
    {152, u"(..\\Zandor Reader\\plugins)."},
    {245, u"(..\\Zandor OrvantaPDF\\plugins)."},
    {241, u"copyright information.The default lists"},
};

TEST(StringTable, DescriptionsKeepTheirDetails) {
  for (const Fragment& f : kFragments) {
    EXPECT_NE(EnglishString(f.id).find(f.part), std::u16string_view::npos) << f.id;
  }
  EXPECT_TRUE(EnglishString(154).ends_with(u"\r\n\r\nLogo Path: Set the path of the logo. "));
  EXPECT_TRUE(EnglishString(241).ends_with(u"\r\n\r\nLogo Path: Set the path of the logo."));
  EXPECT_TRUE(EnglishString(214).ends_with(u"previously generated files.\r\n\r\n"));
}

// The second text of each pair names the other product wherever the first names the viewer.
TEST(StringTable, ProductVariantsDifferOnlyInTheProductName) {
  const std::pair<int, int> pairs[] = {{158, 242}, {120, 119}, {271, 268}, {152, 245}, {160, 243}, {162, 244}};
  for (const auto& [reader, orvanta] : pairs) {
    std::u16string expected(EnglishString(reader));
    for (std::size_t at = 0; (at = expected.find(u"Zandor Reader", at)) != std::u16string::npos;) {
      expected.replace(at, 13, u"Zandor OrvantaPDF");
      at += 17;
    }
    EXPECT_EQ(EnglishString(orvanta), expected) << reader << " / " << orvanta;
    EXPECT_NE(EnglishString(orvanta), EnglishString(reader));
  }
}

// A multi-line edit breaks lines only at CR LF, so no text holds a lone CR or LF.
TEST(StringTable, LineBreaksAreCarriageReturnLineFeed) {
  for (int id = 0; id < 1000; ++id) {
    const std::u16string_view text = EnglishString(id);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == u'\r') {
        EXPECT_TRUE(i + 1 < text.size() && text[i + 1] == u'\n') << id;
      } else if (text[i] == u'\n') {
        EXPECT_TRUE(i > 0 && text[i - 1] == u'\r') << id;
      }
    }
  }
}

TEST(XmlResource, UnknownIdGivesNoBytes) {
  EXPECT_TRUE(XmlResource(-1).empty());
  EXPECT_TRUE(XmlResource(1).empty());
}

}  // namespace
}  // namespace cadmira::resources
