// startup-reference: the main window built by hand with stock Qt widgets, for the start-up
// benchmark. It has what the program's window has: the tab widget with the three pages, every
// control of their templates, and the six buttons, in DejaVu Sans at fixed pixel positions; none of
// the program's framework, settings or language machinery. What the pages add to their windows
// belongs here too, built the same plain way.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTreeWidget>

#include "resources/DialogTemplate.h"

namespace {

using cadmira::resources::ControlKind;
using cadmira::resources::ControlTemplate;
using cadmira::resources::DialogTemplate;
using cadmira::resources::DialogTemplateData;

// DejaVu Sans at 8 points: 6 by 13 pixels per average character.
QRect Pixels(int x, int y, int width, int height) { return {x * 6 / 4, y * 13 / 8, width * 6 / 4, height * 13 / 8}; }

QString Text(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

QWidget* StockWidget(const ControlTemplate& control, QWidget* parent) {
  switch (control.kind) {
    case ControlKind::Static:
      return new QLabel(Text(control.text), parent);
    case ControlKind::Icon:
      return new QLabel(parent);
    case ControlKind::GroupBox:
      return new QGroupBox(Text(control.text), parent);
    case ControlKind::PushButton:
      return new QPushButton(Text(control.text), parent);
    case ControlKind::CheckBox:
      return new QCheckBox(Text(control.text), parent);
    case ControlKind::RadioButton:
      return new QRadioButton(Text(control.text), parent);
    case ControlKind::Edit:
      if ((control.style & cadmira::resources::kStyleMultiline) != 0) return new QPlainTextEdit(Text(control.text), parent);
      return new QLineEdit(Text(control.text), parent);
    case ControlKind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      return combo;
    }
    case ControlKind::ListBox:
      return new QListWidget(parent);
    case ControlKind::TreeView:
      return new QTreeWidget(parent);
    case ControlKind::TabControl:
      return new QTabWidget(parent);
  }
  return new QWidget(parent);
}

QWidget* Page(int id, QWidget* parent) {
  auto* page = new QWidget(parent);
  if (const DialogTemplateData* data = DialogTemplate(id)) {
    for (const ControlTemplate& control : data->controls) {
      StockWidget(control, page)->setGeometry(Pixels(control.x, control.y, control.width, control.height));
    }
    page->resize(Pixels(0, 0, data->width, data->height).size());
  }
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  QApplication::setFont(font);

  QDialog window;
  window.setWindowTitle(QStringLiteral("Cadmira-Zandor OrvantaPDF"));
  auto* tabs = new QTabWidget(&window);
  tabs->setGeometry(Pixels(7, 9, 407, 344));
  tabs->addTab(Page(152, tabs), QStringLiteral("Preferences"));
  tabs->addTab(Page(149, tabs), QStringLiteral("Ribbon Set"));
  tabs->addTab(Page(150, tabs), QStringLiteral("Plugins"));
  int x = 69;
  for (const char* name : {"Import", "Export", "Save", "Interface", "Cancel", "Help"}) {
    new QPushButton(QString::fromLatin1(name), &window);
    window.findChildren<QPushButton*>(Qt::FindDirectChildrenOnly).last()->setGeometry(Pixels(x, 364, 39, 14));
    x += 52;
  }
  window.setFixedSize(Pixels(0, 0, 421, 390).size());
  window.show();
  return application.exec();
}
