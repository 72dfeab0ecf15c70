#include "localization/WindowText.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QWidget>

namespace cadmira::localization {
namespace {

TEST(WindowTextTest, SetsWhatEachKindOfWindowShows) {
  QWidget page;
  auto* label = new QLabel(&page);
  auto* radio = new QRadioButton(&page);
  auto* group = new QGroupBox(&page);
  auto* line = new QLineEdit(&page);
  auto* plain = new QPlainTextEdit(&page);
  auto* editable = new QComboBox(&page);
  editable->setEditable(true);
  auto* list = new QComboBox(&page);
  list->addItem("Default");

  for (QWidget* window : {&page, static_cast<QWidget*>(label), static_cast<QWidget*>(radio),
                          static_cast<QWidget*>(group), static_cast<QWidget*>(line), static_cast<QWidget*>(plain),
                          static_cast<QWidget*>(editable), static_cast<QWidget*>(list)}) {
    SetWindowText(window, QString::fromUtf8("说明"));
  }
  const QString expected = QString::fromUtf8("说明");
  EXPECT_EQ(page.windowTitle(), expected);
  EXPECT_EQ(label->text(), expected);
  EXPECT_EQ(radio->text(), expected);
  EXPECT_EQ(group->title(), expected);
  EXPECT_EQ(line->text(), expected);
  EXPECT_EQ(plain->toPlainText(), expected);
  EXPECT_EQ(editable->currentText(), expected);
  // A drop-down list has no text of its own to replace.
  EXPECT_EQ(list->currentText(), "Default");
  EXPECT_EQ(list->count(), 1);
}

}  // namespace
}  // namespace cadmira::localization
