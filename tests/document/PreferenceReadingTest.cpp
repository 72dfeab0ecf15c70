#include "document/PreferenceReader.h"

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "base/XmlTree.h"
#include "document/MapPageControls.h"

namespace cadmira::document {
namespace {

XmlTreePtr Parse(const std::string& xml) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size()));
}

std::string InPreferences(const std::string& elements) {
  return "<ZandorReader version=\"7\"><Profstore><Preferences>" + elements +
         "</Preferences><Plugins/><RibbonUI/></Profstore></ZandorReader>";
}

struct ReadCase {
  const char* name;
  const char* elements;
  std::function<void(MapPageControls&)> before;
  std::function<void(const MapPageControls&)> check;
};

class PreferenceReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(PreferenceReading, SetsThePageControlsFromTheElement) {
  const ReadCase& c = GetParam();
  MapPageControls controls;
  c.before(controls);
  const XmlTreePtr tree = Parse(InPreferences(c.elements));
  ASSERT_TRUE(tree);
  ApplyPreferenceSection(tree.get(), controls);
  c.check(controls);
}

void Nothing(MapPageControls&) {}
void Check(MapPageControls& c, int dialog, int control) { c.SetChecked(dialog, control, true); }

const ReadCase kReadCases[] = {
    {"StartPageNeedsBothValues", "<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/>", Nothing,
     [](const auto& c) { EXPECT_TRUE(c.Checked(172, 1052)); }},
    {"StartPageDisableAloneUnchecks", "<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"\"/>",
     [](auto& c) { Check(c, 172, 1052); }, [](const auto& c) { EXPECT_FALSE(c.Checked(172, 1052)); }},
    {"SafeReadingDefault", "<Preference Text=\"SafeReadingMode\" Mode=\"\" Write=\"\"/>",
     [](auto& c) { c.SetComboIndex(176, 1066, 2); }, [](const auto& c) { EXPECT_EQ(c.ComboIndex(176, 1066), 0); }},
    {"SafeReadingDisabled", "<Preference Text=\"SafeReadingMode\" Mode=\"0\" Write=\"0\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.ComboIndex(176, 1066), 1); }},
    {"SafeReadingEnabled", "<Preference Text=\"SafeReadingMode\" Mode=\"1\" Write=\"0\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.ComboIndex(176, 1066), 2); }},
    {"SafeReadingUnknownKeepsState", "<Preference Text=\"SafeReadingMode\" Mode=\"1\" Write=\"1\"/>",
     [](auto& c) { c.SetComboIndex(176, 1066, 1); }, [](const auto& c) { EXPECT_EQ(c.ComboIndex(176, 1066), 1); }},
    {"SafeReadingMissingWriteKeepsState", "<Preference Text=\"SafeReadingMode\" Mode=\"0\"/>",
     [](auto& c) { c.SetComboIndex(176, 1066, 2); }, [](const auto& c) { EXPECT_EQ(c.ComboIndex(176, 1066), 2); }},
    {"MainFrameName", "<Preference Text=\"MainFrameName\" Title=\"T &amp; &#x4E2D;\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.Text(175, 1073), u"T & \u4E2D"); }},
    {"MissingTextAttributeEmptiesTheEdit", "<Preference Text=\"MainFrameName\"/>",
     [](auto& c) { c.SetText(175, 1073, u"old"); }, [](const auto& c) { EXPECT_EQ(c.Text(175, 1073), u""); }},
    {"AboutTexts", "<Preference Text=\"AboutDlg\" Copyright=\"c\" CopyrightContent=\"cc\" BackGroundPath=\"p\"/>",
     Nothing,
     [](const auto& c) {
       EXPECT_EQ(c.Text(151, 1070), u"c");
       EXPECT_EQ(c.Text(151, 1023), u"cc");
       EXPECT_EQ(c.Text(151, 1071), u"p");
     }},
    {"Advertise", "<Preference Text=\"Advertise\" FolderPath=\"f\" Rool=\"1\" Time=\"15\" Disable=\"1\"/>", Nothing,
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(171, 1056));
       EXPECT_TRUE(c.Checked(171, 1046));
       EXPECT_EQ(c.Text(171, 1072), u"15");
     }},
    {"AdvertiseOtherValuesUncheck", "<Preference Text=\"Advertise\" Rool=\"yes\" Disable=\"0\"/>",
     [](auto& c) {
       Check(c, 171, 1056);
       Check(c, 171, 1046);
     },
     [](const auto& c) {
       EXPECT_FALSE(c.Checked(171, 1056));
       EXPECT_FALSE(c.Checked(171, 1046));
     }},
    {"GPOAppendModeReadWhateverTheProduct", "<Preference Text=\"GPOAppendMode\" Mode=\"1\"/>", Nothing,
     [](const auto& c) { EXPECT_TRUE(c.Checked(172, 1010)); }},
    {"HomePageChangesNoControl", "<Preference Text=\"HomePage\" Title=\"t\" Url=\"u\"/>", Nothing,
     [](const auto& c) {
       MapPageControls onlyTheVersion;
       onlyTheVersion.SetText(152, 1075, u"7");
       EXPECT_TRUE(c == onlyTheVersion);
     }},
    {"SuppressSetDefDlg", "<Preference Text=\"SuppressSetDefDlg\" Mode=\"1\"/>", Nothing,
     [](const auto& c) { EXPECT_TRUE(c.Checked(172, 1049)); }},
    {"CustomLanguageZeroChecks", "<Preference Text=\"CustomLanguage\" Mode=\"0\" DefaultLanguage=\"lang_de-de.xml\"/>",
     Nothing,
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(173, 1045));
       EXPECT_EQ(c.Text(173, 1061), u"lang_de-de.xml");
     }},
    {"DefaultReader", "<Preference Text=\"DefaultReader\" Mode=\"1\" Write=\"1\"/>", Nothing,
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(172, 1053));
       EXPECT_TRUE(c.Checked(172, 1047));
     }},
    {"StatusBarDefault", "<Preference Text=\"StatusBar\" Write=\"\" Mode=\"\"/>",
     [](auto& c) { c.SetComboIndex(178, 1069, 3); }, [](const auto& c) { EXPECT_EQ(c.ComboIndex(178, 1069), 0); }},
    {"StatusBarAutoHide", "<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"2\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.ComboIndex(178, 1069), 1); }},
    {"StatusBarShow", "<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"1\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.ComboIndex(178, 1069), 2); }},
    {"StatusBarHide", "<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"0\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.ComboIndex(178, 1069), 3); }},
    {"StatusBarWithoutWriteKeepsState", "<Preference Text=\"StatusBar\" Write=\"\" Mode=\"2\"/>",
     [](auto& c) { c.SetComboIndex(178, 1069, 2); }, [](const auto& c) { EXPECT_EQ(c.ComboIndex(178, 1069), 2); }},
    {"RmsSetting",
     "<Preference Text=\"RMSSetting\" SaveAsCopyName=\"1\" EncryptMetadata=\"0\" ForbidViewInBrowser=\"1\" "
     "AllowSaveAs=\"1\"/>",
     Nothing,
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(170, 1036));
       EXPECT_TRUE(c.Checked(170, 1035));
       EXPECT_EQ(c.ComboIndex(170, 1034), 1);
       EXPECT_EQ(c.ComboIndex(170, 1033), 2);
     }},
    {"RmsUnknownComboValuesKeepState", "<Preference Text=\"RMSSetting\" SaveAsCopyName=\"2\" EncryptMetadata=\"x\"/>",
     [](auto& c) {
       c.SetComboIndex(170, 1034, 2);
       c.SetComboIndex(170, 1033, 1);
     },
     [](const auto& c) {
       EXPECT_EQ(c.ComboIndex(170, 1034), 2);
       EXPECT_EQ(c.ComboIndex(170, 1033), 1);
     }},
    {"RmsMissingComboValuesMeanDefault", "<Preference Text=\"RMSSetting\"/>",
     [](auto& c) { c.SetComboIndex(170, 1034, 2); }, [](const auto& c) { EXPECT_EQ(c.ComboIndex(170, 1034), 0); }},
    {"UserManual", "<Preference Text=\"UserManualLocalPath\" String=\"x.pdf\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.Text(177, 1074), u"x.pdf"); }},
    {"DisableUpdateZeroChecks", "<Preference Text=\"DisableUpdate\" Disable=\"0\"/>", Nothing,
     [](const auto& c) { EXPECT_TRUE(c.Checked(172, 1048)); }},
    {"DisableUpdateOneUnchecks", "<Preference Text=\"DisableUpdate\" Disable=\"1\"/>",
     [](auto& c) { Check(c, 172, 1048); }, [](const auto& c) { EXPECT_FALSE(c.Checked(172, 1048)); }},
    {"IrmAndInterop",
     "<Preference Text=\"UseMicrosoftIRMV1\" Enable=\"1\"/><Preference Text=\"RMSInteroperability\" Enable=\"1\"/>",
     Nothing,
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(170, 1040));
       EXPECT_TRUE(c.Checked(170, 1041));
     }},
    {"TessadocOptionsReadAsIntegers",
     "<Preference Text=\"CollectTDOCData\" Mode=\"1\"/><Preference Text=\"AutoConvertTessadoc\" Mode=\"1 and more\"/>"
     "<Preference Text=\"OfficeAutoConvertTessadoc\" Mode=\"01\"/>",
     Nothing,
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(238, 1045));
       EXPECT_TRUE(c.Checked(238, 1080));
       EXPECT_TRUE(c.Checked(238, 1096));
     }},
    {"TessadocOptionZeroDoesNotUncheck",
     "<Preference Text=\"CollectTDOCData\" Mode=\"0\"/><Preference Text=\"AutoConvertTessadoc\"/>",
     [](auto& c) {
       Check(c, 238, 1045);
       Check(c, 238, 1080);
     },
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(238, 1045));
       EXPECT_TRUE(c.Checked(238, 1080));
     }},
    {"DisableTessadocChecksAndGreysTheOptions", "<Preference Text=\"disableTessadoc\" Mode=\"1\"/>", Nothing,
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(238, 1046));
       EXPECT_FALSE(c.Enabled(238, 1080));
       EXPECT_FALSE(c.Enabled(238, 1045));
       EXPECT_FALSE(c.Enabled(238, 1096));
     }},
    {"DisableTessadocZeroUnchecksOnly", "<Preference Text=\"disableTessadoc\" Mode=\"0\"/>",
     [](auto& c) {
       Check(c, 238, 1046);
       c.SetEnabled(238, 1080, false);
     },
     [](const auto& c) {
       EXPECT_FALSE(c.Checked(238, 1046));
       EXPECT_FALSE(c.Enabled(238, 1080));
       EXPECT_TRUE(c.Enabled(238, 1045));
     }},
    {"ThreeWayCombos",
     "<Preference Text=\"ReadmodeInBrowser\" Mode=\"1\"/><Preference Text=\"CollectData\" Mode=\"0\"/>"
     "<Preference Text=\"CommentsFilterIgnoreReply\" Mode=\"1\"/><Preference Text=\"SendCrashDocument\" Mode=\"0\"/>"
     "<Preference Text=\"InternetConnection\" Mode=\"1\"/>",
     Nothing,
     [](const auto& c) {
       EXPECT_EQ(c.ComboIndex(256, 1110), 2);
       EXPECT_EQ(c.ComboIndex(258, 1114), 1);
       EXPECT_EQ(c.ComboIndex(259, 1115), 2);
       EXPECT_EQ(c.ComboIndex(260, 1032), 1);
       EXPECT_EQ(c.ComboIndex(262, 1119), 2);
     }},
    {"ThreeWayUnknownMeansDefault",
     "<Preference Text=\"ReadmodeInBrowser\" Mode=\"2\"/><Preference Text=\"CollectData\"/>",
     [](auto& c) {
       c.SetComboIndex(256, 1110, 2);
       c.SetComboIndex(258, 1114, 1);
     },
     [](const auto& c) {
       EXPECT_EQ(c.ComboIndex(256, 1110), 0);
       EXPECT_EQ(c.ComboIndex(258, 1114), 0);
     }},
    {"CollapsedBubblesAreInverted", "<Preference Text=\"CollapsedBubbleMsg\" Mode=\"1\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.ComboIndex(257, 1111), 1); }},
    {"CollapsedBubblesZeroIsEnabled", "<Preference Text=\"CollapsedBubbleMsg\" Mode=\"0\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.ComboIndex(257, 1111), 2); }},
    {"TdocServer", "<Preference Text=\"TDOCServer\" String=\"https://s/\"/>", Nothing,
     [](const auto& c) { EXPECT_EQ(c.Text(261, 1117), u"https://s/"); }},
    {"CheckApp", "<Preference Text=\"CheckApp\" CheckAppName=\"0\" CheckAppSignature=\"1\"/>",
     [](auto& c) { Check(c, 252, 1046); },
     [](const auto& c) {
       EXPECT_TRUE(c.Checked(252, 1045));
       EXPECT_FALSE(c.Checked(252, 1046));
     }},
    {"KeysIgnoreCaseAndTagsAreNotChecked", "<Anything Text=\"STARTPAGE\" Disable=\"1\" Mode=\"0\"/>", Nothing,
     [](const auto& c) { EXPECT_TRUE(c.Checked(172, 1052)); }},
    {"AttributeNamesAreExact", "<Preference Text=\"StartPage\" disable=\"1\" mode=\"0\"/>",
     [](auto& c) { Check(c, 172, 1052); }, [](const auto& c) { EXPECT_FALSE(c.Checked(172, 1052)); }},
    {"UnknownKeysAndMissingTextAreIgnored",
     "<Preference Text=\"Unknown\" Mode=\"1\"/><Preference Mode=\"1\" Title=\"x\"/>text<Preference Text=\"\"/>",
     [](auto& c) { c.SetText(175, 1073, u"kept"); }, [](const auto& c) { EXPECT_EQ(c.Text(175, 1073), u"kept"); }},
    {"TheLaterDuplicateWins",
     "<Preference Text=\"MainFrameName\" Title=\"first\"/><Preference Text=\"MainFrameName\" Title=\"second\"/>",
     Nothing, [](const auto& c) { EXPECT_EQ(c.Text(175, 1073), u"second"); }},
    {"TheVersionIsCopied", "", Nothing, [](const auto& c) { EXPECT_EQ(c.Text(152, 1075), u"7"); }},
};

INSTANTIATE_TEST_SUITE_P(EveryRow, PreferenceReading, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PreferenceSection, IsFoundByPositionWhateverTheNames) {
  MapPageControls controls;
  controls.SetText(152, 1075, u"old");
  // Plugins first: the first child of Profstore is read as Preferences, so nothing applies.
  XmlTreePtr misordered = Parse(
      "<ZandorReader><Profstore><Plugins><Plugin Text=\"MainFrameName\" Title=\"p\"/></Plugins><Preferences>"
      "<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/></Preferences></Profstore></ZandorReader>");
  ApplyPreferenceSection(misordered.get(), controls);
  EXPECT_FALSE(controls.Checked(172, 1052));
  EXPECT_EQ(controls.Text(175, 1073), u"p");
  EXPECT_EQ(controls.Text(152, 1075), u"") << "a root without version empties the box";
}

TEST(PreferenceSection, AMissingSectionLeavesThePageVersionBoxIncluded) {
  // Without Profstore or Preferences in place, or with text first, the page keeps its state.
  const char* files[] = {
      "<ZandorReader version=\"9\"/>",
      "<ZandorReader><Profstore/></ZandorReader>",
      "<R version=\"2\">x<Profstore><Preferences><P Text=\"MainFrameName\" Title=\"q\"/></Preferences></Profstore></R>",
      "<R version=\"2\"><Profstore>x<Preferences><P Text=\"MainFrameName\" Title=\"q\"/></Preferences></Profstore></R>",
  };
  for (const char* file : files) {
    MapPageControls controls;
    controls.SetText(152, 1075, u"old");
    controls.SetText(175, 1073, u"p");
    XmlTreePtr tree = Parse(file);
    ASSERT_TRUE(tree) << file;
    EXPECT_TRUE(PreferenceElements(tree.get()).empty()) << file;
    ApplyPreferenceSection(tree.get(), controls);
    EXPECT_EQ(controls.Text(152, 1075), u"old") << file;
    EXPECT_EQ(controls.Text(175, 1073), u"p") << file;
  }
  MapPageControls controls;
  controls.SetText(152, 1075, u"old");

  EXPECT_TRUE(PreferenceElements(nullptr).empty());
  ApplyPreferenceSection(nullptr, controls);
  EXPECT_EQ(controls.Text(152, 1075), u"old");
}

}  // namespace
}  // namespace cadmira::document
