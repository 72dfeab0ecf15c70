#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <QWidget>

#include <memory>

#include "framework/ListBox.h"
#include "framework/ProfileStore.h"
#include "framework/ScriptedHost.h"
#include "framework/StoredSettings.h"
#include "localization/LanguageFile.h"
#include "pages/preferences/Preferencedlg.h"
#include "tests/framework/TempProfile.h"
#include "resources/Product.h"

#include <ostream>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
  *out << '[' << texts.join(QStringLiteral(" | ")).toStdString() << ']';
}

namespace cadmira::pages {

inline constexpr resources::Product kReader = resources::Product::Reader;
inline constexpr resources::Product kOrvanta = resources::Product::Orvanta;
inline constexpr int kEnglish = 49001;
inline constexpr int kChinese = 49007;

inline QString Q(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// Picks the row of a setting key as the user would.
inline void SelectKey(CPreferencedlg& page, int key) {
  framework::ListBox* list = page.SettingList();
  for (int index = 0; index < list->count(); ++index) {
    if (list->ItemData(index) == key) list->setCurrentRow(index);
  }
}

// A Preferences page of a product and interface language, built inside a window of its own with
// settings in a temporary folder. Every message box and file dialog must be one the test expects.
class PageTest : public ::testing::Test {
 protected:
  void TearDown() override {
    if (host) {
      EXPECT_EQ(host->UnansweredCount(), 0);
      EXPECT_TRUE(host->ScriptUsedUp());
    }
    page.reset();
    localization::LoadLanguageFile(kEnglish);
  }

  CPreferencedlg& Open(resources::Product product, int langid = kEnglish) {
    framework::StoreProduct(product);
    framework::WriteProfileInt(QStringLiteral("Languages"), QStringLiteral("langid"), langid);
    localization::LoadLanguageFile(langid);
    page.reset();
    host.reset();
    host = std::make_unique<framework::ScriptedHost>();
    page = std::make_unique<CPreferencedlg>();
    EXPECT_TRUE(page->Create(&window));
    window.resize(page->size());
    page->show();
    window.show();
    return *page;
  }

  TempProfile profile;
  QWidget window;
  std::unique_ptr<framework::ScriptedHost> host;
  std::unique_ptr<CPreferencedlg> page;
};

}  // namespace cadmira::pages
