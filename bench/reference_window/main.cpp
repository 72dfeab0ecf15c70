// startup-reference: the main window built by hand with stock Qt widgets, for the start-up
// benchmark. It has what the program's window has when it starts in English for the Orvanta
// product: the tab widget with the three pages, every control of their templates, the About option
// page, the rows of the settings list, the ribbon's top level and the default plug-ins (read from
// the same resources through the same Qt-free models), and the six buttons, in DejaVu Sans at fixed
// pixel positions; none of the program's framework, settings or language machinery. What the
// pages add to their windows belongs here too, built the same plain way.
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

#include "base/XmlTree.h"
#include "pages/plugins/model/DefaultPluginList.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "pages/ribbon/model/RibbonDefinition.h"
#include "pages/ribbon/model/RibbonTree.h"
#include "resources/DialogTemplate.h"
#include "resources/LanguageIds.h"
#include "resources/StringTable.h"

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

constexpr int kOrvanta = 0;
constexpr int kEnglish = cadmira::resources::kEnglishLangId;

template <class Widget>
Widget* Find(QWidget* page, int index) {
  return page->findChildren<Widget*>(Qt::FindDirectChildrenOnly).value(index);
}

void FillPreferences(QWidget* page) {
  auto* list = Find<QListWidget>(page, 0);
  list->setSortingEnabled(true);
  for (const cadmira::pages::PreferencePageRow* row : cadmira::pages::ListedPreferenceRows(kOrvanta)) {
    list->addItem(Text(cadmira::resources::EnglishString(cadmira::pages::RowTextId(*row, kOrvanta))));
  }
  list->setCurrentRow(0);
}

void FillRibbon(QWidget* page) {
  auto* tree = Find<QTreeWidget>(page, 0);
  tree->setHeaderHidden(true);
  cadmira::pages::CRibbonTree ribbon;
  const XmlTreePtr definition = cadmira::pages::LoadRibbonDefinition(kOrvanta, kEnglish);
  ribbon.Fill(definition.get(), kEnglish);
  for (auto node = ribbon.FirstTopLevel(); node != cadmira::pages::CRibbonTree::kNoNode; node = ribbon.NextSibling(node)) {
    auto* item = new QTreeWidgetItem(tree, QStringList{QString::fromStdU16String(ribbon.Record(node).Title)});
    item->setCheckState(0, Qt::Unchecked);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  }
}

void FillPlugins(QWidget* page) {
  auto* tree = Find<QTreeWidget>(page, 0);
  tree->setHeaderHidden(true);
  for (const cadmira::pages::PluginItem& plugin :
       cadmira::pages::ReadDefaultPlugins(cadmira::pages::DefaultPluginResource(kOrvanta, kEnglish))) {
    new QTreeWidgetItem(tree, QStringList{QString::fromStdU16String(plugin.Name)});
    tree->topLevelItem(tree->topLevelItemCount() - 1)->setCheckState(0, Qt::Unchecked);
  }
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
  QWidget* preferences = Page(152, tabs);
  FillPreferences(preferences);
  // The About option page, which the Preferences page opens on, inside its Options box.
  Page(151, preferences)->move(Pixels(7, 170, 0, 0).topLeft());
  QWidget* ribbon = Page(149, tabs);
  FillRibbon(ribbon);
  QWidget* plugins = Page(150, tabs);
  FillPlugins(plugins);
  tabs->addTab(preferences, QStringLiteral("Preferences"));
  tabs->addTab(ribbon, QStringLiteral("Ribbon Set"));
  tabs->addTab(plugins, QStringLiteral("Plugins"));
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
