#include <QCheckBox>
#include <QLineEdit>
#include <QTest>

#include <string>

#include "base/XmlTree.h"
#include "document/DocumentWriter.h"
#include "document/PreferenceCatalogue.h"
#include "document/PreferenceReader.h"
#include "document/ReadConfigFile.h"
#include "framework/ComboBox.h"
#include "pages/preferences/model/ValidateBeforeWrite.h"
#include "tests/pages/preferences/PageFixture.h"

namespace cadmira::pages {
namespace {

using document::ControlKind;
using document::PreferenceBinding;
using document::PreferenceRow;

// The document the page state writes, parsed back.
XmlTreePtr Written(const CPreferencedlg& page) {
  document::CWriteContext context;
  document::FillDocument(context, page.Product(), page, {}, {});
  const std::vector<unsigned char> bytes = context.m_spXmlDoc->Serialize();
  return XmlTreePtr(ParseDocument(bytes.data(), bytes.size()));
}

std::u16string Attribute(const CXML_TreeElement* root, std::u16string_view key, std::u16string_view name) {
  for (const CXML_TreeElement* element : document::PreferenceElements(root)) {
    if (document::AttributeOrEmpty(element, "Text") == key) {
      return document::AttributeOrEmpty(element, std::string(name.begin(), name.end()));
    }
  }
  return u"<missing>";
}

XmlTreePtr Parse(const std::string& xml) {
  return XmlTreePtr(ParseDocument(reinterpret_cast<const unsigned char*>(xml.data()), xml.size()));
}

// Puts a control of the page into a state as the user would leave it.
void SetControl(CPreferencedlg& page, const PreferenceBinding& binding, int state) {
  QWidget* control = page.OptionPage(binding.dialogId)->item(binding.controlId);
  ASSERT_NE(control, nullptr) << binding.dialogId << "/" << binding.controlId;
  switch (binding.kind) {
    case ControlKind::CheckBox:
      ASSERT_NE(qobject_cast<QCheckBox*>(control), nullptr);
      qobject_cast<QCheckBox*>(control)->setChecked(state == 1);
      break;
    case ControlKind::ComboBox:
      ASSERT_NE(qobject_cast<framework::ComboBox*>(control), nullptr);
      qobject_cast<framework::ComboBox*>(control)->setCurrentIndex(state);
      break;
    case ControlKind::Edit:
      ASSERT_NE(qobject_cast<QLineEdit*>(control), nullptr);
      qobject_cast<QLineEdit*>(control)->setText(state == 0 ? QString()
                                                            : QStringLiteral("C:\\Zandor\\\u6587 %1").arg(state));
      break;
    case ControlKind::None:
      break;
  }
}

int StateCount(const PreferenceBinding& binding) {
  return binding.rule == document::MappingRule::Text ? 2 : static_cast<int>(binding.states.size());
}

TEST_F(PageTest, EveryControlWritesItsValues) {
  for (const resources::Product product : {kReader, kOrvanta}) {
    for (const PreferenceRow& row : document::PreferenceCatalogue()) {
      if (!document::RowAppliesTo(row, product)) continue;
      for (const PreferenceBinding& binding : row.bindings) {
        if (binding.kind == ControlKind::None) continue;
        for (int state = StateCount(binding) - 1; state >= 0; --state) {
          CPreferencedlg& page = Open(product);
          page.VersionEdit()->setText(QStringLiteral("9.0.0"));
          SetControl(page, binding, state);
          const XmlTreePtr root = Written(page);
          ASSERT_TRUE(root);
          for (std::size_t i = 0; i < binding.attributes.size(); ++i) {
            const std::u16string expected = binding.rule == document::MappingRule::Text
                                                ? page.Text(binding.dialogId, binding.controlId)
                                                : std::u16string(binding.states[state][i]);
            EXPECT_EQ(Attribute(root.get(), row.key, binding.attributes[i]), expected)
                << std::string(row.key.begin(), row.key.end()) << " state " << state;
          }
        }
      }
    }
  }
}

TEST_F(PageTest, WrittenValuesThatReadOddly) {
  CPreferencedlg& page = Open(kReader);
  page.VersionEdit()->setText(QStringLiteral("9.0.0"));
  page.OptionPage(172)->item<QCheckBox>(1048)->setChecked(true);
  page.OptionPage(172)->item<QCheckBox>(1052)->setChecked(true);
  page.OptionPage(257)->item<framework::ComboBox>(1111)->setCurrentIndex(1);
  page.OptionPage(252)->item<QCheckBox>(1046)->setChecked(true);
  page.OptionPage(178)->item<framework::ComboBox>(1069)->setCurrentIndex(1);
  const XmlTreePtr root = Written(page);
  EXPECT_EQ(Attribute(root.get(), u"DisableUpdate", u"Disable"), u"0");
  EXPECT_EQ(Attribute(root.get(), u"StartPage", u"Disable"), u"1");
  EXPECT_EQ(Attribute(root.get(), u"StartPage", u"Mode"), u"0");
  EXPECT_EQ(Attribute(root.get(), u"CollapsedBubbleMsg", u"Mode"), u"1");
  EXPECT_EQ(Attribute(root.get(), u"CheckApp", u"CheckAppSignature"), u"0");
  EXPECT_EQ(Attribute(root.get(), u"CheckApp", u"CheckAppName"), u"");
  EXPECT_EQ(Attribute(root.get(), u"StatusBar", u"Mode"), u"2");
  EXPECT_EQ(Attribute(root.get(), u"StatusBar", u"Write"), u"0");
  EXPECT_EQ(Attribute(root.get(), u"Advertise", u"FolderPath"), u"");
  EXPECT_EQ(Attribute(root.get(), u"GPOAppendMode", u"Mode"), u"<missing>");
}

TEST_F(PageTest, ATypedComboTextWritesWhatDefaultWrites) {
  CPreferencedlg& page = Open(kReader);
  page.VersionEdit()->setText(QStringLiteral("9.0.0"));
  auto* combo = page.OptionPage(176)->item<framework::ComboBox>(1066);
  combo->setCurrentIndex(2);
  combo->setFocus();
  QTest::keyClicks(combo->lineEdit(), QStringLiteral("Enabled"));
  const XmlTreePtr root = Written(page);
  EXPECT_EQ(Attribute(root.get(), u"SafeReadingMode", u"Mode"), u"");
  EXPECT_EQ(Attribute(root.get(), u"SafeReadingMode", u"Write"), u"");
}

TEST_F(PageTest, ALoadedDocumentSetsTheControls) {
  CPreferencedlg& page = Open(kOrvanta);
  // Earlier state that the document must change, or must leave alone.
  page.SetChecked(238, 1045, true);
  page.SetComboIndex(176, 1066, 2);
  page.SetComboIndex(178, 1069, 3);
  page.SetChecked(172, 1052, true);
  const XmlTreePtr root = Parse(
      "<OrvantaPDF version=\"12.1\"><Profstore><Preferences>"
      "<Preference Text=\"startpage\" Disable=\"1\" Mode=\"\"/>"
      "<Preference Text=\"SafeReadingMode\" Mode=\"1\" Write=\"1\"/>"
      "<Preference Text=\"StatusBar\" Mode=\"2\" Write=\"\"/>"
      "<Preference Text=\"AboutDlg\" Copyright=\"(c) Zandor\" CopyrightContent=\"x\" BackGroundPath=\"/logo.png\"/>"
      "<Preference Text=\"Advertise\" Disable=\"1\" Rool=\"1\" Time=\"70000\"/>"
      "<Preference Text=\"CollectTDOCData\" Mode=\"0\"/>"
      "<Preference Text=\"disableTessadoc\" Mode=\"1\"/>"
      "<Preference Text=\"CheckApp\" CheckAppName=\"0\" CheckAppSignature=\"1\"/>"
      "<Preference Text=\"CollapsedBubbleMsg\" Mode=\"0\"/>"
      "<Preference Text=\"RMSSetting\" SaveAsCopyName=\"0\" EncryptMetadata=\"7\" AllowSaveAs=\"1\"/>"
      "<Preference Text=\"DisableUpdate\" Disable=\"0\"/>"
      "</Preferences></Profstore></OrvantaPDF>");
  ASSERT_TRUE(root);
  document::ApplyPreferenceSection(root.get(), page);
  EXPECT_EQ(page.VersionEdit()->text(), QStringLiteral("12.1"));
  EXPECT_FALSE(page.OptionPage(172)->item<QCheckBox>(1052)->isChecked());
  EXPECT_EQ(page.OptionPage(176)->item<framework::ComboBox>(1066)->CurSel(), 2);  // no rule matched
  EXPECT_EQ(page.OptionPage(178)->item<framework::ComboBox>(1069)->CurSel(), 3);  // no rule matched
  EXPECT_EQ(page.OptionPage(151)->item<QLineEdit>(1070)->text(), QStringLiteral("(c) Zandor"));
  EXPECT_EQ(page.OptionPage(151)->item<QLineEdit>(1071)->text(), QStringLiteral("/logo.png"));
  // The editor does not list the advertisement, but its page takes the values all the same.
  EXPECT_TRUE(page.OptionPage(171)->item<QCheckBox>(1056)->isChecked());
  EXPECT_EQ(page.OptionPage(171)->item<QLineEdit>(1072)->text(), QStringLiteral("70000"));
  COptionPage* tessadoc = page.OptionPage(238);
  EXPECT_TRUE(tessadoc->item<QCheckBox>(1045)->isChecked());  // Mode 0 leaves the mark
  EXPECT_TRUE(tessadoc->item<QCheckBox>(1046)->isChecked());
  for (const int id : {1045, 1080, 1096}) EXPECT_FALSE(tessadoc->item(id)->isEnabled()) << id;
  EXPECT_TRUE(page.OptionPage(252)->item<QCheckBox>(1045)->isChecked());
  EXPECT_FALSE(page.OptionPage(252)->item<QCheckBox>(1045)->isVisibleTo(page.OptionPage(252)));
  EXPECT_FALSE(page.OptionPage(252)->item<QCheckBox>(1046)->isChecked());
  EXPECT_EQ(page.OptionPage(257)->item<framework::ComboBox>(1111)->CurSel(), 2);
  EXPECT_EQ(page.OptionPage(170)->item<framework::ComboBox>(1033)->CurSel(), 1);
  EXPECT_EQ(page.OptionPage(170)->item<framework::ComboBox>(1034)->CurSel(), 0);
  EXPECT_TRUE(page.OptionPage(170)->item<QCheckBox>(1036)->isChecked());
  EXPECT_TRUE(page.OptionPage(172)->item<QCheckBox>(1048)->isChecked());
  // Loading changes values only, never the row or the page shown.
  EXPECT_EQ(page.SettingList()->currentRow(), 0);
  EXPECT_TRUE(page.OptionPage(151)->isVisible());
  EXPECT_FALSE(tessadoc->isVisible());
  // A rolling time out of range blocks the write although its row is not listed.
  EXPECT_EQ(CheckBeforeWrite(page), WriteRefusal::RollingTimeOutOfRange);

  const XmlTreePtr again = Parse(
      "<OrvantaPDF><Profstore><Preferences><Preference Text=\"disableTessadoc\" Mode=\"0\"/>"
      "</Preferences></Profstore></OrvantaPDF>");
  document::ApplyPreferenceSection(again.get(), page);
  EXPECT_FALSE(tessadoc->item<QCheckBox>(1046)->isChecked());
  // Only the user's click gives the options back.
  for (const int id : {1045, 1080, 1096}) EXPECT_FALSE(tessadoc->item(id)->isEnabled()) << id;
}

}  // namespace
}  // namespace cadmira::pages
