#include "tools/screenshot/Screenshots.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include "app/AboutDlg.h"
#include "app/CadmiraDlg.h"
#include "framework/TabControl.h"
#include "localization/Relabel.h"
#include "resources/DialogTemplate.h"

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

}  // namespace

QStringList SaveScreenshots(const QString& folder) {
  QDir().mkpath(folder);
  QStringList saved;
  {
    cadmira::app::CCadmiraDlg window;
    if (window.Create()) {
      cadmira::framework::TabControl* tabs = window.TabControl();
      for (int tab = 0; tabs != nullptr && tab < tabs->ItemCount(); ++tab) {
        tabs->SetCurFocus(tab);
        const QString path = QStringLiteral("%1/main-tab%2.png").arg(folder).arg(tab);
        if (Save(window, path)) saved << path;
      }
    }
  }
  for (const int id : cadmira::resources::DialogTemplateIds()) {
    const QString path = QStringLiteral("%1/dialog-%2.png").arg(folder).arg(id);
    if (SaveDialog(id, path)) saved << path;
  }
  return saved;
}
