// startup-reference [chinese]: the main window built by hand with stock Qt widgets, for the
// start-up benchmark. It has what the program's window has when it starts for the Orvanta
// product: the tab widget with the three pages, every control of their templates, the About option
// page, the rows of the settings list, the ribbon's top level and the default plug-ins (read from
// the same resources through the same Qt-free models), and the six buttons, in DejaVu Sans at fixed
// pixel positions; none of the program's framework, settings or language machinery. What the
// pages add to their windows belongs here too, built the same plain way. With "chinese" it is the
// same window as the Chinese interface shows it: the texts and pixel positions of the embedded
// language file, the Chinese ribbon and plug-in list, a Simplified Chinese face and Qt's Chinese
// catalogue, all looked up by hand.
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
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
#include "resources/XmlResource.h"

namespace {

using cadmira::resources::ControlKind;
using cadmira::resources::ControlTemplate;
using cadmira::resources::DialogTemplate;
using cadmira::resources::DialogTemplateData;

// DejaVu Sans at 8 points: 6 by 13 pixels per average character.
QRect Pixels(int x, int y, int width, int height) { return {x * 6 / 4, y * 13 / 8, width * 6 / 4, height * 13 / 8}; }

QString Text(std::u16string_view text) { return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())); }

// The embedded Chinese language file, read with nothing but the reader's own queries.
class ChineseTexts {
 public:
  void Load() {
    const std::span<const unsigned char> bytes = cadmira::resources::XmlResource(254);
    m_tree.reset(ParseDocument(bytes.data(), bytes.size()));
  }
  bool Loaded() const { return m_tree != nullptr; }

  // The dialog's or control's element (`control` 0: the dialog), or null.
  const CXML_TreeElement* Item(int dialog, int control) const {
    const CXML_TreeElement* found = WithId(Section("Dialogs"), dialog);
    return control == 0 ? found : WithId(found, control);
  }
  const CXML_TreeElement* String(int id) const { return WithId(Section("Strings"), id); }
  static QString TextOf(const CXML_TreeElement* element, const QString& otherwise) {
    CZD_WideStr text;
    return AttributeText(element, "text", text) ? Text(text.View()) : otherwise;
  }
  static bool GeometryOf(const CXML_TreeElement* element, QRect& geometry) {
    int left = 0, top = 0, width = 0, height = 0;
    if (!AttributeInt(element, "left", left) || !AttributeInt(element, "top", top) ||
        !AttributeInt(element, "width", width) || !AttributeInt(element, "height", height)) {
      return false;
    }
    geometry = QRect(left, top, width, height);
    return true;
  }

 private:
  const CXML_TreeElement* Section(std::string_view tag) const {
    for (int i = 0; i < ChildCount(m_tree.get()); ++i) {
      const CXML_TreeElement* child = ChildElement(m_tree.get(), i);
      if (child && TagName(child).View() == tag) return child;
    }
    return nullptr;
  }
  static const CXML_TreeElement* WithId(const CXML_TreeElement* parent, int id) {
    for (int i = 0; i < ChildCount(parent); ++i) {
      const CXML_TreeElement* child = ChildElement(parent, i);
      int value = 0;
      if (child && AttributeInt(child, "id", value) && value == id) return child;
    }
    return nullptr;
  }

  XmlTreePtr m_tree;
};

ChineseTexts g_chinese;

QString UiString(int id) {
  const QString english = Text(cadmira::resources::EnglishString(id));
  return g_chinese.Loaded() ? ChineseTexts::TextOf(g_chinese.String(id), english) : english;
}

QWidget* StockWidget(const ControlTemplate& control, QWidget* parent, int dialog) {
  const QString text = g_chinese.Loaded() ? ChineseTexts::TextOf(g_chinese.Item(dialog, control.id), Text(control.text))
                                          : Text(control.text);
  switch (control.kind) {
    case ControlKind::Static:
      return new QLabel(text, parent);
    case ControlKind::Icon:
      return new QLabel(parent);
    case ControlKind::GroupBox:
      return new QGroupBox(text, parent);
    case ControlKind::PushButton:
      return new QPushButton(text, parent);
    case ControlKind::CheckBox:
      return new QCheckBox(text, parent);
    case ControlKind::RadioButton:
      return new QRadioButton(text, parent);
    case ControlKind::Edit:
      if ((control.style & cadmira::resources::kStyleMultiline) != 0) return new QPlainTextEdit(text, parent);
      return new QLineEdit(text, parent);
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

constexpr cadmira::resources::Product kOrvanta = cadmira::resources::Product::Orvanta;
int g_langid = cadmira::resources::kEnglishLangId;

template <class Widget>
Widget* Find(QWidget* page, int index) {
  return page->findChildren<Widget*>(Qt::FindDirectChildrenOnly).value(index);
}

void FillPreferences(QWidget* page) {
  auto* list = Find<QListWidget>(page, 0);
  list->setSortingEnabled(true);
  for (const cadmira::pages::PreferencePageRow* row : cadmira::pages::ListedPreferenceRows(kOrvanta)) {
    list->addItem(UiString(cadmira::pages::RowTextId(*row, kOrvanta)));
  }
  list->setCurrentRow(0);
}

void FillRibbon(QWidget* page) {
  auto* tree = Find<QTreeWidget>(page, 0);
  tree->setHeaderHidden(true);
  cadmira::pages::CRibbonTree ribbon;
  const XmlTreePtr definition = cadmira::pages::LoadRibbonDefinition(kOrvanta, g_langid);
  ribbon.Fill(definition.get(), g_langid);
  for (auto node = ribbon.FirstTopLevel(); node != cadmira::pages::CRibbonTree::kNoNode;
       node = ribbon.NextSibling(node)) {
    auto* item = new QTreeWidgetItem(tree, QStringList{QString::fromStdU16String(ribbon.Record(node).Title)});
    item->setCheckState(0, Qt::Unchecked);
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
  }
}

void FillPlugins(QWidget* page) {
  auto* tree = Find<QTreeWidget>(page, 0);
  tree->setHeaderHidden(true);
  for (const cadmira::pages::PluginItem& plugin :
       cadmira::pages::ReadDefaultPlugins(cadmira::pages::DefaultPluginResource(kOrvanta, g_langid))) {
    new QTreeWidgetItem(tree, QStringList{QString::fromStdU16String(plugin.Name)});
    tree->topLevelItem(tree->topLevelItemCount() - 1)->setCheckState(0, Qt::Unchecked);
  }
}

QWidget* Page(int id, QWidget* parent) {
  auto* page = new QWidget(parent);
  if (const DialogTemplateData* data = DialogTemplate(id)) {
    for (const ControlTemplate& control : data->controls) {
      QRect geometry = Pixels(control.x, control.y, control.width, control.height);
      if (g_chinese.Loaded()) ChineseTexts::GeometryOf(g_chinese.Item(id, control.id), geometry);
      StockWidget(control, page, id)->setGeometry(geometry);
    }
    QRect geometry = Pixels(0, 0, data->width, data->height);
    if (g_chinese.Loaded()) ChineseTexts::GeometryOf(g_chinese.Item(id, 0), geometry);
    page->resize(geometry.size());
  }
  return page;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const bool chinese = QApplication::arguments().value(1) == QStringLiteral("chinese");
  QTranslator qtTexts;
  QFont font(QStringLiteral("DejaVu Sans"));
  if (chinese) {
    g_langid = cadmira::resources::kChineseLangId;
    g_chinese.Load();
    if (qtTexts.load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(&qtTexts);
    }
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("WenQuanYi Micro Hei")});
  }
  font.setPixelSize(chinese ? 12 : 11);
  QApplication::setFont(font);

  QDialog window;
  window.setWindowTitle(chinese ? UiString(248) : QStringLiteral("Cadmira-Zandor OrvantaPDF"));
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
  tabs->addTab(preferences, UiString(122));
  tabs->addTab(ribbon, UiString(123));
  tabs->addTab(plugins, UiString(124));
  int x = 69;
  const int buttons[] = {1005, 1006, 1007, 1008, 1010, 1011};
  for (const char* name : {"Import", "Export", "Save", "Interface", "Cancel", "Help"}) {
    const int id = buttons[(x - 69) / 52];
    auto* button = new QPushButton(
        chinese ? ChineseTexts::TextOf(g_chinese.Item(102, id), QString()) : QString::fromLatin1(name), &window);
    QRect geometry = Pixels(x, 364, 39, 14);
    if (chinese) ChineseTexts::GeometryOf(g_chinese.Item(102, id), geometry);
    button->setGeometry(geometry);
    x += 52;
  }
  QRect size = Pixels(0, 0, 421, 390);
  if (chinese) {
    ChineseTexts::GeometryOf(g_chinese.Item(102, 0), size);
    QRect tabGeometry = tabs->geometry();
    if (ChineseTexts::GeometryOf(g_chinese.Item(102, 1004), tabGeometry)) tabs->setGeometry(tabGeometry);
  }
  window.setFixedSize(size.size());
  window.show();
  return application.exec();
}
