#pragma once

#include <QString>
#include <QStringList>

#include "app/CommandLine.h"
#include "app/DocumentState.h"
#include "document/DocumentPages.h"
#include "document/WriteDocument.h"

namespace cadmira::framework {
class Dialog;
}

namespace cadmira::app {

class CUnsavedChanges;

// Import, Export and Save, and the loads of dropped files and of the file named at start: they
// move a configuration file between disk and the pages, through the document state, and report
// every outcome in a message box.
class CFileCommands {
 public:
  // `window` owns the title and the Save button (1007) and is the owner of every box.
  CFileCommands(framework::Dialog& window, CDocumentState& state, document::IDocumentPages& pages);

  // Null for none. A load that would lose a change asks first, and every accepted load and every
  // write makes the pages' state the unchanged one.
  void SetUnsavedChanges(CUnsavedChanges* changes) { m_unsaved = changes; }

  void ImportCommand();
  // True when the file was written.
  bool ExportCommand();
  bool SaveCommand();
  // What the question about unsaved changes saves with: Save, or Export when there is no current
  // file. True when the file was written.
  bool SaveChanges();
  // Loads the files in order, each as Import reads it, and stops at the first one that is refused.
  void OpenDroppedFiles(const QStringList& paths);
  // The file named on the command line: read plain only, and unparsable without a word; or, when
  // `read` says so, as Import reads it.
  void OpenStartFile(const QString& path, StartFileRead read = StartFileRead::Quiet);

 private:
  enum class LoadVariant { Import, Drop, StartFile };

  // True when the file was accepted. Only an accepted file changes the document state.
  bool OpenConfigFile(const QString& path, LoadVariant variant);
  void AcceptLoad(const QString& path, document::CReader_XmlManager tree);
  // True when the pages may be written; otherwise their refusal has been shown.
  bool ValidateBeforeWrite();
  // The build and the sealed write; shows "Faild!!" when no document could be created.
  document::WriteResult WriteTo(const QString& path);
  // The success notice `successId`, or the refusal with the reason of the failure.
  void ReportWrite(const document::WriteResult& result, int successId);
  void Notice(int stringId, const QString& caption);
  // True when no change would be lost, or the person let it go or saved it.
  bool MayLoseChanges();
  void TakeBaseline();

  framework::Dialog& m_window;
  CDocumentState& m_state;
  document::IDocumentPages& m_pages;
  CUnsavedChanges* m_unsaved = nullptr;
};

}  // namespace cadmira::app
