#include "framework/Dialog.h"
#include "framework/PageDialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "framework/ComboBox.h"
#include "framework/ControlId.h"
#include "framework/RadioButton.h"
#include "framework/Screen.h"
#include "framework/ScriptedHost.h"
#include "resources/DialogTemplate.h"

namespace cadmira::framework {
namespace {

// Dialog 130 has a combo box, a radio group and a default button 1.
constexpr int kInterfaceDialog = 130;
constexpr int kPreferencesPage = 152;

class CountingDialog : public Dialog {
 public:
  using Dialog::Dialog;
  int initialisations = 0;
  int cancels = 0;

 protected:
  void OnInitDialog() override { ++initialisations; }
  void OnCancel() override {
    ++cancels;
    Dialog::OnCancel();
  }
};

TEST(DialogTest, ControlsCarryTheirTemplateIdsKindsAndPixelGeometry) {
  const resources::DialogTemplateData* data = resources::DialogTemplate(kInterfaceDialog);
  ASSERT_NE(data, nullptr);
  Dialog dialog(kInterfaceDialog);
  ASSERT_TRUE(dialog.Create());
  EXPECT_EQ(ControlId(&dialog), 0);
  EXPECT_EQ(dialog.windowTitle(), QString::fromStdU16String(std::u16string(data->caption)));
  const BaseUnits& base = dialog.DialogBaseUnits();
  EXPECT_EQ(dialog.size(),
            QSize(DialogUnitsToPixelsX(data->width, base, 96), DialogUnitsToPixelsY(data->height, base, 96)));
  for (const resources::ControlTemplate& control : data->controls) {
    QWidget* widget = dialog.item(control.id);
    ASSERT_NE(widget, nullptr) << control.id;
    EXPECT_EQ(ControlId(widget), control.id);
    const QRect expected = DialogUnitsToPixels(QRect(control.x, control.y, control.width, control.height), base, 96);
    EXPECT_EQ(widget->pos(), expected.topLeft()) << control.id;
    EXPECT_EQ(widget->width(), expected.width()) << control.id;
  }
  EXPECT_NE(dialog.item<ComboBox>(1007), nullptr);
  EXPECT_NE(dialog.item<RadioButton>(1009), nullptr);
  EXPECT_EQ(dialog.item(4242), nullptr);
  // The combo box's inner line edit is Qt's, not the template's.
  EXPECT_FALSE(ControlId(dialog.item<ComboBox>(1007)->lineEdit()).has_value());
}

TEST(DialogTest, AClosedComboBoxIsAsTallAsItsField) {
  Dialog dialog(kInterfaceDialog);
  ASSERT_TRUE(dialog.Create());
  const QWidget* combo = dialog.item(1007);
  EXPECT_LT(combo->height(), DialogUnitsToPixelsY(60, dialog.DialogBaseUnits(), 96));
  EXPECT_GE(combo->height(), combo->fontMetrics().height());
}

TEST(DialogTest, OnlyTheTemplatesDefaultButtonIsDefault) {
  Dialog dialog(kInterfaceDialog);
  ASSERT_TRUE(dialog.Create());
  for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
    EXPECT_FALSE(button->autoDefault());
    EXPECT_EQ(button->isDefault(), ControlId(button) == kIdOk);
  }
}

TEST(DialogTest, TheMainWindowIsAnApplicationWindowOfFixedSizeWithoutMaximiseButton) {
  Dialog main(102);
  ASSERT_TRUE(main.Create());
  EXPECT_EQ(main.windowType(), Qt::Window);
  EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(main.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_EQ(main.minimumSize(), main.maximumSize());
  Dialog about(147);
  ASSERT_TRUE(about.Create());
  EXPECT_EQ(about.windowType(), Qt::Dialog);
}

TEST(DialogTest, InitialisesOnceAndNotAtAllWithoutATemplate) {
  CountingDialog dialog(kInterfaceDialog);
  EXPECT_TRUE(dialog.Create());
  EXPECT_TRUE(dialog.Create());
  EXPECT_EQ(dialog.initialisations, 1);

  ScriptedHost host;
  CountingDialog missing(9999);
  EXPECT_FALSE(missing.Create());
  EXPECT_EQ(missing.DoModal(), kModalFailed);
  EXPECT_EQ(missing.initialisations, 0);
  EXPECT_TRUE(host.Calls().empty());
}

TEST(DialogTest, TheScaleGrowsGeometryAndFont) {
  Dialog normal(kInterfaceDialog);
  ASSERT_TRUE(normal.Create());
  ScopedDpiOverride dpi(144);
  EXPECT_EQ(ScreenDpi(), 144);
  Dialog large(kInterfaceDialog);
  ASSERT_TRUE(large.Create());
  const resources::DialogTemplateData* data = resources::DialogTemplate(kInterfaceDialog);
  EXPECT_EQ(large.width(), DialogUnitsToPixelsX(data->width, large.DialogBaseUnits(), 144));
  EXPECT_EQ(large.DialogBaseUnits().x, normal.DialogBaseUnits().x);
  EXPECT_EQ(large.font().pixelSize(), 16);
  EXPECT_EQ(normal.font().pixelSize(), 11);
}

TEST(DialogTest, DpiOverridesNestAndUnwind) {
  const int screen = ScreenDpi();
  {
    ScopedDpiOverride outer(120);
    {
      ScopedDpiOverride inner(144);
      EXPECT_EQ(ScreenDpi(), 144);
      EXPECT_DOUBLE_EQ(ScreenScale(), 1.5);
    }
    EXPECT_EQ(ScreenDpi(), 120);
  }
  EXPECT_EQ(ScreenDpi(), screen);
}

TEST(ScreenScalingTest, AFractionalScaleFactorBecomesWholeWithTheRestAsFontDpi) {
  struct Case {
    const char* factor;
    const char* fontDpi;
    std::optional<std::pair<QByteArray, QByteArray>> settings;
  };
  const Case cases[] = {
      {"1.5", "", std::pair{QByteArrayLiteral("1"), QByteArrayLiteral("144")}},
      {"1.25", "", std::pair{QByteArrayLiteral("1"), QByteArrayLiteral("120")}},
      {"2.5", "", std::pair{QByteArrayLiteral("2"), QByteArrayLiteral("120")}},
      {"1.5", "120", std::pair{QByteArrayLiteral("1"), QByteArrayLiteral("180")}},
      {"0.5", "", std::pair{QByteArrayLiteral("1"), QByteArrayLiteral("48")}},
      {"2", "", std::nullopt},
      {"1", "144", std::nullopt},
      {"", "", std::nullopt},
      {"big", "", std::nullopt},
      {"-1.5", "", std::nullopt},
      {"1e9", "", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto settings = WholeScaleSettings(c.factor, c.fontDpi);
    ASSERT_EQ(settings.has_value(), c.settings.has_value()) << c.factor;
    if (!settings) continue;
    EXPECT_EQ(settings->scaleFactor, c.settings->first) << c.factor;
    EXPECT_EQ(settings->fontDpi, c.settings->second) << c.factor;
  }
}

TEST(DialogTest, EscapeCancelsAndEnterPressesTheDefaultButton) {
  CountingDialog dialog(kInterfaceDialog);
  ASSERT_TRUE(dialog.Create());
  int confirmations = 0;
  QObject::connect(dialog.item<QPushButton>(kIdOk), &QPushButton::clicked, [&] { ++confirmations; });
  dialog.show();
  QTest::keyClick(&dialog, Qt::Key_Return);
  EXPECT_EQ(confirmations, 1);
  QTest::keyClick(&dialog, Qt::Key_Escape);
  EXPECT_EQ(dialog.cancels, 1);
  EXPECT_EQ(dialog.result(), kIdCancel);
}

TEST(DialogTest, ThePassThroughKeepsEnterAndEscapeFromTheDialog) {
  CountingDialog dialog(kInterfaceDialog);
  dialog.SetKeyPassThrough(true);
  ASSERT_TRUE(dialog.Create());
  int confirmations = 0;
  QObject::connect(dialog.item<QPushButton>(kIdOk), &QPushButton::clicked, [&] { ++confirmations; });
  dialog.show();
  QWidget* field = dialog.item<ComboBox>(1007)->lineEdit();
  field->setFocus();
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
    QTest::keyClick(field, key);
    QTest::keyClick(&dialog, key);
  }
  EXPECT_EQ(confirmations, 0);
  EXPECT_EQ(dialog.cancels, 0);
  EXPECT_TRUE(dialog.isVisible());
}

// Counts the keys and context-menu requests that reach the window a page sits in.
class OwnerWindow : public QWidget {
 public:
  int keys = 0;
  int menus = 0;

 protected:
  void keyPressEvent(QKeyEvent*) override { ++keys; }
  void contextMenuEvent(QContextMenuEvent*) override { ++menus; }
};

TEST(PageDialogTest, APageIsAWidgetInsideItsOwnerWithTheDialogsApi) {
  OwnerWindow window;
  PageDialog page(kPreferencesPage);
  ASSERT_TRUE(page.Create(&window));
  EXPECT_EQ(page.parentWidget(), &window);
  EXPECT_FALSE(page.isWindow());
  EXPECT_EQ(qobject_cast<QDialog*>(&page), nullptr);
  EXPECT_TRUE(page.isHidden());
  EXPECT_EQ(ControlId(&page), 0);
  EXPECT_EQ(page.TemplateId(), kPreferencesPage);

  const resources::DialogTemplateData* data = resources::DialogTemplate(kPreferencesPage);
  const BaseUnits& base = page.DialogBaseUnits();
  EXPECT_EQ(page.size(),
            QSize(DialogUnitsToPixelsX(data->width, base, 96), DialogUnitsToPixelsY(data->height, base, 96)));
  for (const resources::ControlTemplate& control : data->controls) {
    if (control.id == -1) continue;
    ASSERT_NE(page.item(control.id), nullptr) << control.id;
    EXPECT_EQ(page.item(control.id)->pos(), page.MapDialogRect(QRect(control.x, control.y, 1, 1)).topLeft());
  }
}

TEST(PageDialogTest, RightClicksAndUnusedKeysReachTheOwner) {
  OwnerWindow window;
  window.resize(800, 800);
  PageDialog page(kPreferencesPage);
  ASSERT_TRUE(page.Create(&window));
  window.show();
  page.show();
  QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(2, 2), page.mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(&page, &rightClick);
  EXPECT_EQ(window.menus, 1);
  QTest::keyClick(&page, Qt::Key_Escape);
  EXPECT_EQ(window.keys, 1);

  page.SetKeyPassThrough(true);
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) QTest::keyClick(&page, key);
  EXPECT_EQ(window.keys, 1);
  QTest::keyClick(&page, Qt::Key_A);
  EXPECT_EQ(window.keys, 2);
}

TEST(DialogTest, ModalRunsGoThroughTheHost) {
  ScriptedHost host;
  host.AnswerModal([](Dialog& dialog) {
    EXPECT_TRUE(dialog.IsCreated());
    return kIdOk;
  });
  CountingDialog dialog(kInterfaceDialog);
  EXPECT_EQ(dialog.DoModal(), kIdOk);
  EXPECT_EQ(dialog.initialisations, 1);
  ASSERT_EQ(host.Calls().size(), 1u);
  EXPECT_EQ(host.Calls()[0].kind, HostCall::Kind::RunModal);
  EXPECT_EQ(host.Calls()[0].dialogId, kInterfaceDialog);
}

}  // namespace
}  // namespace cadmira::framework
