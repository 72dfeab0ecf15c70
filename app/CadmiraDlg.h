#pragma once

#include <QStringList>

#include "app/CommandLine.h"
#include "app/DocumentState.h"
#include "app/FileCommands.h"
#include "app/ReportCommands.h"
#include "app/UnsavedChanges.h"
#include "app/WindowPages.h"
#include "framework/Dialog.h"
#include "pages/plugins/Pluginsdlg.h"
#include "pages/preferences/Preferencedlg.h"
#include "pages/ribbon/Ribbondlg.h"
#include "resources/ResourceIds.h"

class QMenu;
class QPushButton;
class QScrollArea;

namespace cadmira::framework {
class TabControl;
}

namespace cadmira::app {

// The main window (dialog 102): the tab control with the Preferences, Ribbon Set and Plugins
// pages above the six command buttons. It owns the document state and the pages.
class CCadmiraDlg : public framework::Dialog {
  Q_OBJECT

 public:
  static constexpr int kDialogId = resources::kMainDialog;
  static constexpr int kTabControl = 1004;
  static constexpr int kImportButton = 1005;
  static constexpr int kExportButton = 1006;
  static constexpr int kSaveButton = resources::kMainSaveButton;
  static constexpr int kInterfaceButton = 1008;
  static constexpr int kCancelButton = 1010;
  static constexpr int kHelpButton = 1011;

  // `startFile` is the file named on the command line, empty for none, read as `read` says.
  explicit CCadmiraDlg(QString startFile = {}, StartFileRead read = StartFileRead::Quiet, QWidget* parent = nullptr);
  ~CCadmiraDlg() override;

  CDocumentState& Document() { return m_document; }
  CFileCommands& FileCommands() { return m_fileCommands; }
  CReportCommands& ReportCommands() { return m_reportCommands; }
  CUnsavedChanges& UnsavedChanges() { return m_unsaved; }
  pages::CPreferencedlg& PreferencesPage() { return m_preferencesPage; }
  pages::CRibbondlg& RibbonPage() { return m_ribbonPage; }
  pages::CPluginsdlg& PluginsPage() { return m_pluginsPage; }
  framework::TabControl* TabControl() const;
  QPushButton* Button(int id) const;
  // The screen's scale when the window was initialised.
  double Scale() const { return m_dScale; }
  // The platform's system menu, offered as the window's context menu.
  QMenu* SystemMenu() const { return m_systemMenu; }
  // The scroll area the pages sit in when the window was too large for the screen; else null.
  QScrollArea* PagesScrollArea() const { return m_scrollArea; }

  // The tab the person picked: shows its page.
  void OnTabSelectionChanged();
  // A click on the tab control: a page that has a load pending applies the loaded tree again.
  void OnTabClicked();
  void OnHelp();
  void OnAbout();
  // Ctrl+F: the find field of the page shown.
  void FocusFindField();
  // Cancel, Close and Ctrl+Q: end the window, asking first when a change would be lost.
  void reject() override;

 signals:
  // The files dropped on the window, in drop order, for the drop load.
  void FilesDropped(const QStringList& paths);
  // The file named on the command line, for the start load; raised once by the initialisation.
  void StartFileNamed(const QString& path);

 protected:
  void OnInitDialog() override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void SetButtonTexts();
  void BuildSystemMenu();
  void FitToScreen();
  // Compare with File… (Ctrl+D) and Save Report… (Ctrl+P), in the context menu too.
  void AddReportCommands();
  void CreatePages();
  void OrderFocusChain();
  void AddShortcuts();
  void FollowPageEdits();
  void ShowPage(int index);

  QString m_strStartFile;
  StartFileRead m_startFileRead;
  CDocumentState m_document;
  double m_dScale = 1.0;
  QMenu* m_systemMenu = nullptr;
  QScrollArea* m_scrollArea = nullptr;
  pages::CPreferencedlg m_preferencesPage;
  pages::CRibbondlg m_ribbonPage;
  pages::CPluginsdlg m_pluginsPage;
  CWindowPages m_windowPages{m_preferencesPage, m_ribbonPage, m_pluginsPage};
  CFileCommands m_fileCommands{*this, m_document, m_windowPages};
  CReportCommands m_reportCommands{*this};
  CUnsavedChanges m_unsaved{*this, m_document, m_windowPages};
};

// The local files among dropped URLs, in their order.
QStringList DroppedLocalFiles(const QList<QUrl>& urls);

}  // namespace cadmira::app
