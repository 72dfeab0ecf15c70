#include "pages/view/PageWords.h"

#include <gtest/gtest.h>

#include "resources/LanguageIds.h"
#include "document/MapPageControls.h"
#include "document/ProductTable.h"
#include "localization/lookup/UiStrings.h"
#include "pages/plugins/model/PluginListModel.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "pages/view/PageView.h"
#include "resources/ReportStrings.h"

namespace cadmira::pages {
namespace {

using resources::kChineseLangId;
using resources::kEnglishLangId;
using resources::Product::Orvanta;
using resources::Product::Reader;

const ShownSetting& SettingNamed(const PageView& view, std::string_view name) {
  for (const ShownSetting& setting : view.settings) {
    if (setting.name == name) return setting;
  }
  ADD_FAILURE() << name;
  return view.settings.front();
}

TEST(UiStrings, ChineseComesFromTheLanguageFileAndFallsBackToEnglish) {
  const localization::CUiStrings english(kEnglishLangId);
  const localization::CUiStrings chinese(kChineseLangId);
  EXPECT_FALSE(english.Chinese());
  EXPECT_TRUE(chinese.Chinese());
  EXPECT_EQ(english.Text(122), u"Preferences");
  EXPECT_EQ(chinese.Text(122), u"首选项");
  EXPECT_EQ(chinese.Text(114), u"Cadmira");
  EXPECT_EQ(chinese.Text(99999), u"");
  // A template text the language file replaces, and one that nothing replaces in English.
  EXPECT_EQ(chinese.ControlText(261, 1116), u"服务器 URL：");
  EXPECT_EQ(english.ControlText(261, 1116), std::nullopt);
}

// What the pages show for one control set to one state, in both languages.
TEST(PageWords, RowsLabelsAndValuesAreThoseOfThePages) {
  struct Row {
    resources::Product product;
    std::string_view name;
    int dialog, control;
    bool checked;
    int item;
    std::u16string_view text;
    std::u16string_view row, label, value;
    std::u16string_view rowZh, labelZh, valueZh;
  };
  const Row rows[] = {
      {resources::Product::Reader, "StartPage", 172, 1052, true, 0, u"", u"Start Page", u"Hide Start Page", u"checked",
       u"起始页", u"隐藏起始页", u"已选中"},
      {resources::Product::Reader, "StatusBar", 178, 1069, false, 3, u"", u"Status Bar", u"Status Bar",
       u"Hide status bar", u"状态栏", u"状态栏", u"隐藏状态栏"},
      {resources::Product::Orvanta, "RMSSetting.EncryptMetadata", 170, 1034, false, 2, u"", u"RMS Setting",
       u"Encrypt metadata", u"Enabled", u"RMS 设置", u"加密元数据", u"启用"},
      {resources::Product::Reader, "TDOCServer", 261, 1117, false, 0, u"https://x/", u"Default Tessadoc Server",
       u"Server URL:", u"https://x/", u"默认 Tessadoc 服务器", u"服务器 URL：", u"https://x/"},
      {resources::Product::Reader, "MainFrameName", 175, 1073, false, 0, u"", u"Main Program Name", u"Program Name:",
       u"(empty)", u"主程序名称", u"程序名称：", u"（空）"},
      {resources::Product::Reader, "ReadmodeInBrowser", 256, 1110, false, 1, u"", u"Lock Read Mode in web browsers",
       u"Lock Read Mode in web browsers:", u"Disabled", u"锁定 Web 浏览器中的阅读模式",
       u"锁定 Web 浏览器中的阅读模式：", u"禁用"},
      {resources::Product::Reader, "CheckApp.CheckAppSignature", 252, 1046, false, 0, u"", u"Security Warning",
       u"Disable Security Warning", u"not checked", u"安全警告", u"禁用安全警告", u"未选中"},
  };
  const localization::CUiStrings english(kEnglishLangId);
  const localization::CUiStrings chinese(kChineseLangId);
  for (const Row& row : rows) {
    document::MapPageControls controls;
    controls.SetChecked(row.dialog, row.control, row.checked);
    controls.SetComboIndex(row.dialog, row.control, row.item);
    controls.SetText(row.dialog, row.control, std::u16string(row.text));
    const PageView view = ViewOf(row.product, controls, CPluginListModel(), CRibbonTree());
    const ShownSetting& setting = SettingNamed(view, row.name);
    const CPageWords en(row.product, english);
    const CPageWords zh(row.product, chinese);
    EXPECT_EQ(en.RowText(*setting.binding), row.row) << row.name;
    EXPECT_EQ(en.Label(*setting.binding), row.label) << row.name;
    EXPECT_EQ(en.Value(setting), row.value) << row.name;
    EXPECT_EQ(zh.RowText(*setting.binding), row.rowZh) << row.name;
    EXPECT_EQ(zh.Label(*setting.binding), row.labelZh) << row.name;
    EXPECT_EQ(zh.Value(setting), row.valueZh) << row.name;
  }
}

TEST(PageWords, EveryControlOfEitherProductHasARowAndALabelInBothLanguages) {
  for (const int langid : {kEnglishLangId, kChineseLangId}) {
    const localization::CUiStrings strings(langid);
    for (const resources::Product product : {resources::Product::Reader, resources::Product::Orvanta}) {
      const CPageWords words(product, strings);
      for (const ShownSetting& setting : UntouchedView(product).settings) {
        EXPECT_FALSE(words.RowText(*setting.binding).empty()) << setting.name << ' ' << langid;
        EXPECT_FALSE(words.Label(*setting.binding).empty()) << setting.name << ' ' << langid;
        EXPECT_FALSE(words.Value(setting).empty()) << setting.name << ' ' << langid;
      }
    }
  }
}

TEST(PageView, UntouchedPagesHideNothingAndShowEveryControlAtItsStart) {
  const PageView view = UntouchedView(resources::Product::Reader);
  EXPECT_EQ(view.version, FreshVersionText());
  EXPECT_TRUE(view.hiddenPlugins.empty());
  EXPECT_TRUE(view.hiddenRibbon.empty());
  for (const ShownSetting& setting : view.settings) {
    EXPECT_EQ(setting.state, 0) << setting.name;
    EXPECT_TRUE(setting.value == u"off" || setting.value == u"default" || setting.value.empty()) << setting.name;
  }
}

TEST(UiStrings, EveryTextOfTheReportsAndTheirCommandsHasItsChineseText) {
  const localization::CUiStrings english(kEnglishLangId);
  const localization::CUiStrings chinese(kChineseLangId);
  for (int id = resources::kEmptyText; id <= resources::kReportSaved; ++id) {
    EXPECT_FALSE(english.Text(id).empty()) << id;
    EXPECT_FALSE(chinese.Text(id).empty()) << id;
    EXPECT_NE(chinese.Text(id), english.Text(id)) << id;
  }
}

TEST(TitlePath, JoinsTheTitlesFromTheTop) {
  EXPECT_EQ(TitlePath({u"Home", u"Tools", u"Hand"}), u"Home \u203A Tools \u203A Hand");
  EXPECT_EQ(TitlePath({u"Share"}), u"Share");
  EXPECT_EQ(TitlePath({}), u"");
}

}  // namespace
}  // namespace cadmira::pages
