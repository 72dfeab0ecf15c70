#include "document/DocumentWriter.h"

#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "document/HideRibbonPath.h"
#include "document/MapPageControls.h"
#include "document/PreferenceWriter.h"

namespace cadmira::document {
namespace {

std::string Serialised(const CWriteContext& context) {
  const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
  return {bytes.begin(), bytes.end()};
}

std::string Written(resources::Product product, const std::function<void(MapPageControls&)>& setUp,
                    const std::vector<std::u16string>& plugins = {}, const std::vector<RibbonPath>& ribbon = {}) {
  MapPageControls controls;
  setUp(controls);
  CWriteContext context;
  FillDocument(context, product, controls, plugins, ribbon);
  return Serialised(context);
}

const char kUntouchedPreferences[] =
    "<Preference Text=\"HomePage\" Title=\"\" Url=\"\"/>"
    "<Preference Text=\"SuppressSetDefDlg\" Mode=\"\"/>"
    "<Preference Text=\"CustomLanguage\" Mode=\"\" DefaultLanguage=\"\"/>"
    "<Preference Text=\"DefaultReader\" Mode=\"\" Write=\"\"/>"
    "<Preference Text=\"StatusBar\" Write=\"\" Mode=\"\"/>"
    "<Preference Text=\"RMSSetting\" SaveAsCopyName=\"\" EncryptMetadata=\"\" ForbidViewInBrowser=\"\" AllowSaveAs=\"\"/>"
    "<Preference Text=\"UserManualLocalPath\" String=\"\"/>"
    "<Preference Text=\"DisableUpdate\" Disable=\"\"/>"
    "<Preference Text=\"UseMicrosoftIRMV1\" Enable=\"\"/>"
    "<Preference Text=\"RMSInteroperability\" Enable=\"\"/>"
    "<Preference Text=\"CollectTDOCData\" Mode=\"\"/>"
    "<Preference Text=\"AutoConvertTessadoc\" Mode=\"\"/>"
    "<Preference Text=\"OfficeAutoConvertTessadoc\" Mode=\"\"/>"
    "<Preference Text=\"disableTessadoc\" Mode=\"\"/>"
    "<Preference Text=\"ReadmodeInBrowser\" Mode=\"\"/>"
    "<Preference Text=\"CollapsedBubbleMsg\" Mode=\"\"/>"
    "<Preference Text=\"CollectData\" Mode=\"\"/>"
    "<Preference Text=\"CommentsFilterIgnoreReply\" Mode=\"\"/>"
    "<Preference Text=\"SendCrashDocument\" Mode=\"\"/>"
    "<Preference Text=\"TDOCServer\" String=\"\"/>"
    "<Preference Text=\"InternetConnection\" Mode=\"\"/>"
    "<Preference Text=\"CheckApp\" CheckAppName=\"\" CheckAppSignature=\"\"/>";

const char kFirstFour[] =
    "<Preference Text=\"StartPage\" Disable=\"\" Mode=\"\"/>"
    "<Preference Text=\"SafeReadingMode\" Mode=\"\" Write=\"\"/>"
    "<Preference Text=\"MainFrameName\" Title=\"\"/>"
    "<Preference Text=\"AboutDlg\" Copyright=\"\" CopyrightContent=\"\" BackGroundPath=\"\"/>";

TEST(DocumentWriter, UntouchedPagesGiveTheExactSkeletonOfEachProduct) {
  const std::string tail = std::string(kUntouchedPreferences) +
                           "</Preferences><Plugins><Plugin Text=\"Plugin\" UnloadPluginArray=\"\"/></Plugins>"
                           "<RibbonUI/></Profstore>";
  EXPECT_EQ(Written(resources::Product::Reader,
                    [](MapPageControls& c) { c.SetText(kPreferencesDialog, kVersionEdit, u"1.0"); }),
            std::string("<ZandorReader version=\"1.0\" Edition=\"Enterprise\"><Profstore><Preferences>") + kFirstFour +
                "<Preference Text=\"Advertise\" FolderPath=\"\" Rool=\"\" Time=\"\" Disable=\"\"/>" + tail +
                "</ZandorReader>");
  // Every product value but 1 is Orvanta.
  for (int number : {0, 2, -1}) {
    EXPECT_EQ(Written(resources::ProductFromNumber(number),
                      [](MapPageControls& c) { c.SetText(kPreferencesDialog, kVersionEdit, u" 2 "); }),
              std::string("<ZandorOrvantaPDF version=\" 2 \" Edition=\"BIZ\"><Profstore><Preferences>") + kFirstFour +
                  "<Preference Text=\"GPOAppendMode\" Mode=\"\"/>" + tail + "</ZandorOrvantaPDF>");
  }
}

struct WriteCase {
  const char* name;
  resources::Product product;
  std::function<void(MapPageControls&)> setUp;
  const char* expected;  // the element as it is written
};

class PreferenceWriting : public ::testing::TestWithParam<WriteCase> {};

TEST_P(PreferenceWriting, WritesThePageStateIntoTheElement) {
  const WriteCase& c = GetParam();
  const std::string xml = Written(c.product, c.setUp);
  EXPECT_NE(xml.find(c.expected), std::string::npos) << xml;
}

void Check(MapPageControls& c, int dialog, int control) { c.SetChecked(dialog, control, true); }

const WriteCase kWriteCases[] = {
    {"StartPageHidden", resources::Product::Reader, [](auto& c) { Check(c, 172, 1052); },
     "<Preference Text=\"StartPage\" Disable=\"1\" Mode=\"0\"/>"},
    {"SafeReadingDisabled", resources::Product::Orvanta, [](auto& c) { c.SetComboIndex(176, 1066, 1); },
     "<Preference Text=\"SafeReadingMode\" Mode=\"0\" Write=\"0\"/>"},
    {"SafeReadingEnabled", resources::Product::Orvanta, [](auto& c) { c.SetComboIndex(176, 1066, 2); },
     "<Preference Text=\"SafeReadingMode\" Mode=\"1\" Write=\"0\"/>"},
    {"SafeReadingNoSelection", resources::Product::Orvanta, [](auto& c) { c.SetComboIndex(176, 1066, -1); },
     "<Preference Text=\"SafeReadingMode\" Mode=\"\" Write=\"\"/>"},
    {"MainFrameName", resources::Product::Reader, [](auto& c) { c.SetText(175, 1073, u"My Reader"); },
     "<Preference Text=\"MainFrameName\" Title=\"My Reader\"/>"},
    {"AboutTexts", resources::Product::Orvanta,
     [](auto& c) {
       c.SetText(151, 1070, u"(c) Us");
       c.SetText(151, 1023, u"Content");
       c.SetText(151, 1071, u"C:\\logo.png");
     },
     "<Preference Text=\"AboutDlg\" Copyright=\"(c) Us\" CopyrightContent=\"Content\" BackGroundPath=\"C:\\logo.png\"/>"},
    {"Advertise", resources::Product::Reader,
     [](auto& c) {
       Check(c, 171, 1056);
       Check(c, 171, 1046);
       c.SetText(171, 1072, u"10");
     },
     "<Preference Text=\"Advertise\" FolderPath=\"\" Rool=\"1\" Time=\"10\" Disable=\"1\"/>"},
    {"AdvertiseScrollOnly", resources::Product::Reader, [](auto& c) { Check(c, 171, 1046); },
     "<Preference Text=\"Advertise\" FolderPath=\"\" Rool=\"1\" Time=\"\" Disable=\"\"/>"},
    {"GPOAppendMode", resources::Product::Orvanta, [](auto& c) { Check(c, 172, 1010); },
     "<Preference Text=\"GPOAppendMode\" Mode=\"1\"/>"},
    {"HomePageAlwaysEmpty", resources::Product::Reader, [](auto& c) { c.SetText(0, 0, u"ignored"); },
     "<Preference Text=\"HomePage\" Title=\"\" Url=\"\"/>"},
    {"SuppressSetDefDlg", resources::Product::Reader, [](auto& c) { Check(c, 172, 1049); },
     "<Preference Text=\"SuppressSetDefDlg\" Mode=\"1\"/>"},
    {"CustomLanguage", resources::Product::Reader,
     [](auto& c) {
       Check(c, 173, 1045);
       c.SetText(173, 1061, u"lang_en-us.xml");
     },
     "<Preference Text=\"CustomLanguage\" Mode=\"0\" DefaultLanguage=\"lang_en-us.xml\"/>"},
    {"DefaultReaderBrowser", resources::Product::Reader, [](auto& c) { Check(c, 172, 1053); },
     "<Preference Text=\"DefaultReader\" Mode=\"1\" Write=\"\"/>"},
    {"DefaultReaderSystem", resources::Product::Reader, [](auto& c) { Check(c, 172, 1047); },
     "<Preference Text=\"DefaultReader\" Mode=\"\" Write=\"1\"/>"},
    {"StatusBarAutoHide", resources::Product::Reader, [](auto& c) { c.SetComboIndex(178, 1069, 1); },
     "<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"2\"/>"},
    {"StatusBarShow", resources::Product::Reader, [](auto& c) { c.SetComboIndex(178, 1069, 2); },
     "<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"1\"/>"},
    {"StatusBarHide", resources::Product::Reader, [](auto& c) { c.SetComboIndex(178, 1069, 3); },
     "<Preference Text=\"StatusBar\" Write=\"0\" Mode=\"0\"/>"},
    {"RmsChecks", resources::Product::Orvanta,
     [](auto& c) {
       Check(c, 170, 1036);
       Check(c, 170, 1035);
     },
     "<Preference Text=\"RMSSetting\" SaveAsCopyName=\"\" EncryptMetadata=\"\" ForbidViewInBrowser=\"1\" AllowSaveAs=\"1\"/>"},
    {"RmsCombos", resources::Product::Orvanta,
     [](auto& c) {
       c.SetComboIndex(170, 1034, 1);
       c.SetComboIndex(170, 1033, 2);
     },
     "<Preference Text=\"RMSSetting\" SaveAsCopyName=\"1\" EncryptMetadata=\"0\" ForbidViewInBrowser=\"\" AllowSaveAs=\"\"/>"},
    {"UserManual", resources::Product::Reader, [](auto& c) { c.SetText(177, 1074, u"D:\\manual.pdf"); },
     "<Preference Text=\"UserManualLocalPath\" String=\"D:\\manual.pdf\"/>"},
    {"DisableUpdateWritesZero", resources::Product::Reader, [](auto& c) { Check(c, 172, 1048); },
     "<Preference Text=\"DisableUpdate\" Disable=\"0\"/>"},
    {"IrmV1", resources::Product::Reader, [](auto& c) { Check(c, 170, 1040); },
     "<Preference Text=\"UseMicrosoftIRMV1\" Enable=\"1\"/>"},
    {"RmsInterop", resources::Product::Reader, [](auto& c) { Check(c, 170, 1041); },
     "<Preference Text=\"RMSInteroperability\" Enable=\"1\"/>"},
    {"CollectTDOCData", resources::Product::Reader, [](auto& c) { Check(c, 238, 1045); },
     "<Preference Text=\"CollectTDOCData\" Mode=\"1\"/>"},
    {"AutoConvertTessadoc", resources::Product::Reader, [](auto& c) { Check(c, 238, 1080); },
     "<Preference Text=\"AutoConvertTessadoc\" Mode=\"1\"/>"},
    {"OfficeAutoConvert", resources::Product::Reader, [](auto& c) { Check(c, 238, 1096); },
     "<Preference Text=\"OfficeAutoConvertTessadoc\" Mode=\"1\"/>"},
    {"DisableTessadoc", resources::Product::Reader, [](auto& c) { Check(c, 238, 1046); },
     "<Preference Text=\"disableTessadoc\" Mode=\"1\"/>"},
    {"ReadModeDisabled", resources::Product::Reader, [](auto& c) { c.SetComboIndex(256, 1110, 1); },
     "<Preference Text=\"ReadmodeInBrowser\" Mode=\"0\"/>"},
    {"ReadModeEnabled", resources::Product::Reader, [](auto& c) { c.SetComboIndex(256, 1110, 2); },
     "<Preference Text=\"ReadmodeInBrowser\" Mode=\"1\"/>"},
    {"BubblesDisabledWritesOne", resources::Product::Reader, [](auto& c) { c.SetComboIndex(257, 1111, 1); },
     "<Preference Text=\"CollapsedBubbleMsg\" Mode=\"1\"/>"},
    {"BubblesEnabledWritesZero", resources::Product::Reader, [](auto& c) { c.SetComboIndex(257, 1111, 2); },
     "<Preference Text=\"CollapsedBubbleMsg\" Mode=\"0\"/>"},
    {"CollectData", resources::Product::Orvanta, [](auto& c) { c.SetComboIndex(258, 1114, 2); },
     "<Preference Text=\"CollectData\" Mode=\"1\"/>"},
    {"CommentsFilter", resources::Product::Orvanta, [](auto& c) { c.SetComboIndex(259, 1115, 1); },
     "<Preference Text=\"CommentsFilterIgnoreReply\" Mode=\"0\"/>"},
    {"SendCrash", resources::Product::Orvanta, [](auto& c) { c.SetComboIndex(260, 1032, 2); },
     "<Preference Text=\"SendCrashDocument\" Mode=\"1\"/>"},
    {"TdocServer", resources::Product::Orvanta, [](auto& c) { c.SetText(261, 1117, u"https://tdoc.example/"); },
     "<Preference Text=\"TDOCServer\" String=\"https://tdoc.example/\"/>"},
    {"InternetConnection", resources::Product::Orvanta, [](auto& c) { c.SetComboIndex(262, 1119, 1); },
     "<Preference Text=\"InternetConnection\" Mode=\"0\"/>"},
    {"CheckAppBoth", resources::Product::Orvanta,
     [](auto& c) {
       Check(c, 252, 1045);
       Check(c, 252, 1046);
     },
     "<Preference Text=\"CheckApp\" CheckAppName=\"0\" CheckAppSignature=\"0\"/>"},
    {"AwkwardText", resources::Product::Reader, [](auto& c) { c.SetText(175, 1073, u"a\tb\n<&>\"'"); },
     "<Preference Text=\"MainFrameName\" Title=\"a&#09;b&#10;&lt;&amp;>&quot;'\"/>"},
};

INSTANTIATE_TEST_SUITE_P(EveryRow, PreferenceWriting, ::testing::ValuesIn(kWriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DocumentWriter, TheOtherProductsFifthElementIsNotWritten) {
  const std::string orvanta = Written(resources::Product::Orvanta, [](auto& c) { Check(c, 171, 1056); });
  EXPECT_EQ(orvanta.find("Advertise"), std::string::npos);
  const std::string reader = Written(resources::Product::Reader, [](auto& c) { Check(c, 172, 1010); });
  EXPECT_EQ(reader.find("GPOAppendMode"), std::string::npos);
}

TEST(DocumentWriter, StatusBarChoiceHidesTheStatusBarRibbonControlFirst) {
  const char kHidden[] =
      "<RibbonUI><Category Name=\"Ribbon_Category_View\"><Panel Name=\"View_Panel_ViewSetting\">"
      "<Control Name=\"View_Setting_StatusBar\" Visible=\"0\"/>";
  EXPECT_EQ(Written(resources::Product::Reader, [](auto&) {}).find("StatusBar\" Visible"), std::string::npos);
  for (int choice : {1, 2, 3}) {
    const std::string xml = Written(resources::Product::Reader, [&](auto& c) { c.SetComboIndex(178, 1069, choice); },
                                    {}, {{u"ribbon_category_view", u"VIEW_PANEL_VIEWSETTING", u"View_Zoom"}});
    // The walk's own path finds the containers the coupling made, ignoring case.
    EXPECT_NE(
        xml.find(std::string(kHidden) + "<Control Name=\"View_Zoom\" Visible=\"0\"/></Panel></Category></RibbonUI>"),
        std::string::npos)
        << xml;
  }
}

TEST(DocumentWriter, HiddenPluginsAndTheTessadocConstant) {
  const std::vector<std::u16string> names{u"a.zpi", u"B.ZPI"};
  EXPECT_NE(Written(
                resources::Product::Reader, [](auto&) {}, names)
                .find("UnloadPluginArray=\"a.zpi;B.ZPI;\""),
            std::string::npos);
  EXPECT_NE(Written(resources::Product::Reader, [](auto& c) { Check(c, 238, 1046); })
                .find("UnloadPluginArray=\"TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;\""),
            std::string::npos);
  EXPECT_NE(Written(resources::Product::Orvanta, [](auto& c) { Check(c, 238, 1046); }, {u"TessadocDRM.zpi"})
                .find("UnloadPluginArray=\"TessadocDRM.zpi;TessadocPlugin.zpi;TessadocDRM.zpi;TDOCOCLink.zpi;\""),
            std::string::npos);
}

TEST(DocumentWriter, EachWriteStartsFromAFreshDocument) {
  MapPageControls controls;
  CWriteContext context;
  controls.SetComboIndex(178, 1069, 1);
  FillDocument(context, resources::Product::Reader, controls, {}, {});
  controls.SetComboIndex(178, 1069, 0);
  FillDocument(context, resources::Product::Reader, controls, {}, {});
  EXPECT_NE(Serialised(context).find("<RibbonUI/>"), std::string::npos);
}

TEST(DocumentWriter, AContextWithoutDocumentRaisesThePointerError) {
  CWriteContext context;
  MapPageControls controls;
  try {
    FillPreferenceSection(context, controls);
    FAIL() << "no error raised";
  } catch (const CDomError& error) {
    EXPECT_EQ(error.Code(), kE_POINTER);
  }
  try {
    HideRibbonPath(context, {u"Ribbon_Category_View"});
    FAIL() << "no error raised";
  } catch (const CDomError& error) {
    EXPECT_EQ(error.Code(), kE_POINTER);
  }
}

}  // namespace
}  // namespace cadmira::document
