#include <gtest/gtest.h>

#include <string>

#include <QWidget>

#include "base/XmlTree.h"
#include "framework/ControlId.h"
#include "framework/Dialog.h"
#include "framework/Screen.h"
#include "localization/lookup/LanguageLookup.h"
#include "localization/lookup/LayoutEntry.h"
#include "localization/Relabel.h"
#include "LanguageFixture.h"
#include "resources/DialogTemplate.h"
#include "resources/StringTable.h"
#include "resources/XmlResource.h"

namespace cadmira::localization {
namespace {

XmlTreePtr ParseEmbedded() {
  const auto bytes = resources::XmlResource(254);
  return XmlTreePtr(ParseDocument(bytes.data(), bytes.size()));
}

std::u16string Decimal(long long value) {
  const std::string text = std::to_string(value);
  return std::u16string(text.begin(), text.end());
}

TEST(EmbeddedLanguageFileTest, StartsWithByteOrderMarkAndDeclaration) {
  const auto bytes = resources::XmlResource(254);
  const std::string start(reinterpret_cast<const char*>(bytes.data()), std::min<std::size_t>(bytes.size(), 41));
  EXPECT_EQ(start, "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>");
  const XmlTreePtr root = ParseEmbedded();
  ASSERT_NE(root, nullptr);
  for (const char* section : {"Font", "Dialogs", "Strings", "Version"}) {
    EXPECT_NE(FirstChildNamed(root.get(), section), nullptr) << section;
  }
  const auto font = FindFontRequest(root.get());
  ASSERT_TRUE(font.has_value());
  EXPECT_EQ(font->charset, 134);
}

TEST(EmbeddedLanguageFileTest, TranslatesEveryStringOfTheTable) {
  const XmlTreePtr root = ParseEmbedded();
  int translated = 0;
  for (int id = 0; id <= 0xFFFF; ++id) {
    if (resources::EnglishString(id).empty()) continue;
    const auto text = FindString(root.get(), id);
    ASSERT_TRUE(text.has_value()) << id;
    EXPECT_FALSE(text->empty()) << id;
    ++translated;
  }
  EXPECT_GT(translated, 100);
}

TEST(EmbeddedLanguageFileTest, EveryDialogAndControlHasACompleteEntry) {
  const XmlTreePtr root = ParseEmbedded();
  for (const int dialogId : resources::DialogTemplateIds()) {
    const std::u16string dialogText = Decimal(dialogId);
    const LayoutEntry dialog = ParseLayoutEntry(FindLayoutEntry(root.get(), dialogText, 0));
    EXPECT_TRUE(dialog.HasGeometry()) << dialogId;
    EXPECT_EQ(*dialog.left + *dialog.top, 0) << dialogId;
    for (const auto& control : resources::DialogTemplate(dialogId)->controls) {
      const LayoutEntry entry = ParseLayoutEntry(FindLayoutEntry(root.get(), dialogText, control.id));
      EXPECT_TRUE(entry.HasGeometry()) << dialogId << "/" << control.id;
    }
  }
}

// Chinese keeps the framework's layout, so the interface is as tidy as the English one.
TEST(EmbeddedLanguageFileTest, RelabellingKeepsTheTemplateLayout) {
  LoadLanguageFile(49007);
  for (const int dpi : {96, 120, 144}) {
    framework::ScopedDpiOverride scoped(dpi);
    for (const int dialogId : resources::DialogTemplateIds()) {
      framework::Dialog dialog(dialogId);
      ASSERT_TRUE(dialog.Create());
      std::vector<std::pair<QWidget*, QRect>> before;
      for (QWidget* widget : dialog.findChildren<QWidget*>()) before.emplace_back(widget, widget->geometry());
      RelabelDialog(&dialog, dialogId);
      for (const auto& [widget, rect] : before) {
        if (!framework::ControlId(widget)) continue;  // Qt's inner widgets follow their owners
        const QRect now = widget->geometry();
        const std::string where =
            std::to_string(dpi) + " " + std::to_string(dialogId) + "/" + std::to_string(*framework::ControlId(widget));
        // Truncated scaling here and rounded scaling in the framework, and a combo box's edit
        // height that follows its font, differ by a few pixels.
        for (const int difference : {now.left() - rect.left(), now.top() - rect.top(), now.width() - rect.width(),
                                     now.height() - rect.height()}) {
          EXPECT_LE(std::abs(difference), 4) << where;
        }
        EXPECT_TRUE(QRect(QPoint(), widget->parentWidget()->size()).contains(now)) << where;
      }
    }
  }
  LoadLanguageFile(49001);
}

}  // namespace
}  // namespace cadmira::localization
