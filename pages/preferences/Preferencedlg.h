#pragma once

#include <array>
#include <map>
#include <string>
#include <vector>

#include <QRect>

#include "document/MapPageControls.h"
#include "document/PageControls.h"
#include "framework/PageDialog.h"
#include "pages/preferences/AboutZandordlg.h"
#include "pages/preferences/Advdlg.h"
#include "pages/preferences/CheckApp.h"
#include "pages/preferences/Checkdlg.h"
#include "pages/preferences/CollectDataDlg.h"
#include "pages/preferences/CommentsFilterDlg.h"
#include "pages/preferences/InternetConnectionDlg.h"
#include "pages/preferences/Languagedlg.h"
#include "pages/preferences/Linkdlg.h"
#include "pages/preferences/NotifyMsgDlg.h"
#include "pages/preferences/Programnamedlg.h"
#include "pages/preferences/RMSdlg.h"
#include "pages/preferences/ReadModeDlg.h"
#include "pages/preferences/Safereadingdlg.h"
#include "pages/preferences/SendCrashDlg.h"
#include "pages/preferences/Statusdlg.h"
#include "pages/preferences/TDOCServerDlg.h"
#include "pages/preferences/TDOC_PREFERENCE.h"
#include "resources/ResourceIds.h"
#include "resources/Product.h"

class QCheckBox;
class QLineEdit;

namespace cadmira::framework {
class ListBox;
}

namespace cadmira::pages {

// The Preferences page (dialog 152) of the main window's tab control: the version box, the list
// of the product's settings, the description of the picked one and its option page. The option
// pages' controls are the only store of the preference values; the document reads and sets them
// through this page, and CheckBeforeWrite (model/ValidateBeforeWrite.h) checks them before a write.
class CPreferencedlg : public framework::PageDialog, public document::IPageControls {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kPreferencesDialog;
  static constexpr int kVersionLabel = 1010;
  static constexpr int kVersionEdit = resources::kVersionEdit;
  static constexpr int kSettingList = 1020;
  static constexpr int kOptionsBox = 1027;
  static constexpr int kDescriptionBox = 1026;
  static constexpr int kDescriptionEdit = 1025;
  static constexpr int kFindEdit = resources::kFindEdit;
  static constexpr int kChangedOnlyBox = resources::kChangedOnlyCheck;

  explicit CPreferencedlg(QWidget* parent = nullptr);
  ~CPreferencedlg() override;

  // The version box (1075); null before the page is created.
  QLineEdit* VersionEdit() const;
  framework::ListBox* SettingList() const;
  QLineEdit* FindEdit() const;
  QCheckBox* ChangedOnlyBox() const;
  // The keys of the rows whose settings would be written otherwise than an untouched page writes
  // them, in the order the page adds its rows.
  const std::vector<int>& ChangedKeys() const { return m_changedKeys; }
  // The product the page was set up for: 1 Reader, 0 Orvanta.
  resources::Product Product() const { return m_nProduct; }

  // The option page of that dialog id, built the first time it is needed; null for none.
  COptionPage* OptionPage(int dialogId);
  // Where the option pages sit, in this page's coordinates.
  QRect PageRect() const { return m_rcPage; }

  // The version box, the find row, the list, the options of the shown row, the description.
  std::vector<QWidget*> FocusChain() const override;

  // Shows the page and the description of the row the user picked.
  void OnSelChange();

  bool Checked(int dialogId, int controlId) const override;
  void SetChecked(int dialogId, int controlId, bool checked) override;
  int ComboIndex(int dialogId, int controlId) const override;
  void SetComboIndex(int dialogId, int controlId, int index) override;
  std::u16string Text(int dialogId, int controlId) const override;
  void SetText(int dialogId, int controlId, const std::u16string& text) override;
  void SetEnabled(int dialogId, int controlId, bool enabled) override;

 signals:
  // A value of an option page or the version box changed, by hand or by a load.
  void Edited();

 protected:
  void OnInitDialog() override;

 private:
  void AddRows();
  void SetListExtent();
  void PlacePages();
  void ShowPageOf(int key);
  void FollowEdits(QWidget* page);
  void SetUpFind();
  // Narrows the list to the rows the find field and the "Changed only" box leave.
  void ApplyFilter();
  // Marks the changed rows; called after every edit.
  void MarkChangedRows();
  // The texts the find field searches for a row: its row text, its description and the labels
  // of its option page (of its own boxes only, on the shared check-box page).
  const std::vector<std::u16string>& SearchTexts(int key);
  // The control of a page, built with its page; the version box for the page's own id.
  QWidget* Control(int dialogId, int controlId) const;

  resources::Product m_nProduct = resources::Product::Orvanta;
  QRect m_rcPage;
  CAboutZandordlg m_aboutPage;
  CRMSdlg m_rmsPage;
  CReadModeDlg m_readModePage;
  CCommentsFilterDlg m_commentsFilterPage;
  CSendCrashDlg m_sendCrashPage;
  CInternetConnectionDlg m_internetPage;
  CNotifyMsgDlg m_notifyPage;
  CollectDataDlg m_collectDataPage;
  CAdvdlg m_advertisePage;
  CCheckdlg m_checkPage;
  CLanguagedlg m_languagePage;
  CProgramnamedlg m_programNamePage;
  CSafereadingdlg m_safeReadingPage;
  CLinkdlg m_linkPage;
  CStatusdlg m_statusPage;
  TDOC_PREFERENCE m_tessadocPage;
  TDOCServerDlg m_serverPage;
  CCheckApp m_checkAppPage;
  // In the order they are created.
  std::array<COptionPage*, 18> m_pages;
  // Setting key to the page that shows it, for the pages built so far.
  std::map<int, COptionPage*> m_pageTable;
  // The controls of pages nobody has edited, which the changed marks compare with.
  const document::MapPageControls m_untouched;
  std::vector<int> m_changedKeys;
  std::map<int, std::vector<std::u16string>> m_searchTexts;
};

}  // namespace cadmira::pages
