#include "tools/screenshot/Screenshots.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

#include "app/AboutDlg.h"
#include "app/CadmiraDlg.h"
#include "framework/ListBox.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "localization/Relabel.h"
#include "pages/preferences/model/PreferencePageRows.h"
#include "pages/view/ProductWords.h"
#include "resources/DialogTemplate.h"
#include "framework/StoredSettings.h"

namespace {

using cadmira::framework::Dialog;
using cadmira::framework::PageDialog;

bool Save(QWidget& widget, const QString& path) {
  QApplication::processEvents();
  return widget.grab().save(path, "PNG");
}

// Template texts, relabelled for the language as every window of the program is.
template <class Base>
class Relabelled : public Base {
 public:
  using Base::Base;

 protected:
  void OnInitDialog() override { cadmira::localization::RelabelDialog(this, this->TemplateId()); }
};

// The windows and pages that have a class of their own are built by it, so their texts are the
// program's.
std::unique_ptr<Dialog> MakeDialog(int id) {
  if (id == cadmira::app::CAboutDlg::kDialogId) return std::make_unique<cadmira::app::CAboutDlg>();
  return std::make_unique<Relabelled<Dialog>>(id);
}

std::unique_ptr<PageDialog> MakePage(int id) {
  switch (id) {
    case cadmira::pages::CPreferencedlg::kDialogId:
      return std::make_unique<cadmira::pages::CPreferencedlg>();
    case cadmira::pages::CRibbondlg::kDialogId:
      return std::make_unique<cadmira::pages::CRibbondlg>();
    case cadmira::pages::CPluginsdlg::kDialogId:
      return std::make_unique<cadmira::pages::CPluginsdlg>();
    default:
      break;
  }
  return std::make_unique<Relabelled<PageDialog>>(id);
}

bool SaveDialog(int id, const QString& path) {
  const cadmira::resources::DialogTemplateData* data = cadmira::resources::DialogTemplate(id);
  if (data == nullptr) return false;
  if ((data->style & cadmira::resources::kDialogChild) == 0) {
    std::unique_ptr<Dialog> dialog = MakeDialog(id);
    if (!dialog->Create()) return false;
    dialog->show();
    return Save(*dialog, path);
  }
  // A page is seen inside a plain window background, as its owner shows it; the frame outlives it.
  QWidget frame;
  frame.setAutoFillBackground(true);
  std::unique_ptr<PageDialog> page = MakePage(id);
  if (!page->Create(&frame)) return false;
  frame.resize(page->size());
  page->show();
  frame.show();
  return Save(frame, path);
}

// Every row's option page of both products, as the Preferences page shows it when the row is
// picked: <folder>/option-<product>-<key>.png.
template <class Record>
void SaveOptionPages(const QString& folder, const Record& record) {
  const cadmira::resources::Product stored = cadmira::framework::StoredProduct();
  for (const cadmira::resources::Product product :
       {cadmira::resources::Product::Reader, cadmira::resources::Product::Orvanta}) {
    cadmira::framework::StoreProduct(product);
    QWidget frame;
    cadmira::pages::CPreferencedlg preferences;
    if (!preferences.Create(&frame)) {
      record(false, QStringLiteral("%1/option-*.png").arg(folder));
      continue;
    }
    frame.resize(preferences.size());
    frame.show();
    cadmira::framework::ListBox* list = preferences.SettingList();
    for (int index = 0; index < list->count(); ++index) {
      list->setCurrentRow(index);
      const int key = static_cast<int>(list->ItemData(index));
      const cadmira::pages::PreferencePageRow* row = cadmira::pages::FindPreferencePageRow(key);
      if (row == nullptr) continue;
      const QString path = QStringLiteral("%1/option-%2-%3.png")
                               .arg(folder)
                               .arg(QString::fromLatin1(cadmira::pages::ProductWord(product)))
                               .arg(key);
      record(Save(*preferences.OptionPage(row->pageId), path), path);
    }
  }
  cadmira::framework::StoreProduct(stored);
}

// Each page with a find text typed: the Preferences page with a changed row among those left, the
// Ribbon Set page with a found control ticked under its partly checked branch.
template <class Record>
void SaveFoundPages(cadmira::app::CCadmiraDlg& window, const QString& folder, const Record& record) {
  cadmira::framework::TabControl* tabs = window.TabControl();
  if (tabs == nullptr) return;
  tabs->SetCurFocus(0);
  cadmira::pages::CPreferencedlg& preferences = window.PreferencesPage();
  preferences.SetChecked(cadmira::pages::CCheckdlg::kDialogId, 1048, true);
  if (QLineEdit* find = preferences.FindEdit()) find->setText(QStringLiteral("a"));
  const QString found = QStringLiteral("%1/main-tab0-found.png").arg(folder);
  record(Save(window, found), found);
  if (QCheckBox* changedOnly = preferences.ChangedOnlyBox()) changedOnly->setChecked(true);
  const QString changed = QStringLiteral("%1/main-tab0-changed-only.png").arg(folder);
  record(Save(window, changed), changed);

  tabs->SetCurFocus(1);
  cadmira::pages::CRibbondlg& ribbon = window.RibbonPage();
  ribbon.ClearRibbonChecks();
  if (QLineEdit* find = ribbon.FindEdit()) find->setText(QStringLiteral("Status"));
  const auto statusBar = ribbon.Tree().FindPath(
      std::vector<std::u16string>{u"Ribbon_Category_View", u"View_Panel_ViewSetting", u"View_Setting_StatusBar"});
  if (QTreeWidgetItem* item = ribbon.Item(statusBar)) item->setCheckState(0, Qt::Checked);
  const QString ribbonFound = QStringLiteral("%1/main-tab1-found.png").arg(folder);
  record(Save(window, ribbonFound), ribbonFound);

  tabs->SetCurFocus(2);
  if (QLineEdit* find = window.PluginsPage().FindEdit()) find->setText(QStringLiteral("Tessadoc"));
  const QString pluginsFound = QStringLiteral("%1/main-tab2-found.png").arg(folder);
  record(Save(window, pluginsFound), pluginsFound);
}

}  // namespace

Screenshots SaveScreenshots(const QString& folder) {
  QDir().mkpath(folder);
  Screenshots result;
  const auto record = [&result](bool saved, const QString& path) { (saved ? result.saved : result.failed) << path; };
  {
    cadmira::app::CCadmiraDlg window;
    if (!window.Create()) {
      result.failed << QStringLiteral("%1/main-tab*.png").arg(folder);
    } else {
      window.show();
      cadmira::framework::TabControl* tabs = window.TabControl();
      for (int tab = 0; tabs != nullptr && tab < tabs->ItemCount(); ++tab) {
        tabs->SetCurFocus(tab);
        const QString path = QStringLiteral("%1/main-tab%2.png").arg(folder).arg(tab);
        record(Save(window, path), path);
      }
      // The ribbon tree opened out, at its top and at the View tab.
      if (cadmira::framework::TreeView* tree = window.RibbonPage().RibbonTree(); tree != nullptr && tabs != nullptr) {
        tabs->SetCurFocus(1);
        cadmira::pages::CRibbondlg& page = window.RibbonPage();
        for (int node = 0; node < page.Tree().NodeCount(); ++node) {
          if (page.Tree().FirstChild(node) != cadmira::pages::CRibbonTree::kNoNode) page.Item(node)->setExpanded(true);
        }
        const QString top = QStringLiteral("%1/main-tab1-expanded.png").arg(folder);
        record(Save(window, top), top);
        const auto view = page.Tree().FindPath(std::vector<std::u16string>{u"Ribbon_Category_View"});
        if (QTreeWidgetItem* item = page.Item(view)) tree->scrollToItem(item, QAbstractItemView::PositionAtTop);
        const QString middle = QStringLiteral("%1/main-tab1-expanded-view.png").arg(folder);
        record(Save(window, middle), middle);
      }
      // The plug-in list at its end: checked items, one added on this workstation and
      // highlighted, and a chosen path waiting for Add.
      if (cadmira::framework::TreeView* tree = window.PluginsPage().PluginTree(); tree != nullptr && tabs != nullptr) {
        tabs->SetCurFocus(2);
        cadmira::pages::CPluginsdlg& page = window.PluginsPage();
        QTreeWidgetItem* added = page.InsertPluginItem(u"My.Tool", u"My.Tool.zpi");
        page.Model().SetCheckedByFileName(u"TessadocPlugin.zpi", true);
        page.Model().SetCheckedByFileName(u"My.Tool.zpi", true);
        tree->SetDropHighlight(added);
        tree->scrollToBottom();
        if (auto* path = page.item<QLineEdit>(cadmira::pages::CPluginsdlg::kPathEdit)) {
          path->setText(QStringLiteral("/opt/zandor/plugins/Stamp.Extra.zpi"));
        }
        if (auto* add = page.item<QPushButton>(cadmira::pages::CPluginsdlg::kAddButton)) add->setEnabled(true);
        const QString edited = QStringLiteral("%1/main-tab2-edited.png").arg(folder);
        record(Save(window, edited), edited);
      }
      SaveFoundPages(window, folder, record);
    }
  }
  SaveOptionPages(folder, record);
  const std::span<const int> optionPages = cadmira::pages::OptionPageCreationOrder();
  for (const int id : cadmira::resources::DialogTemplateIds()) {
    if (std::find(optionPages.begin(), optionPages.end(), id) != optionPages.end()) continue;
    const QString path = QStringLiteral("%1/dialog-%2.png").arg(folder).arg(id);
    record(SaveDialog(id, path), path);
  }
  return result;
}
