#include "app/FileCommands.h"

#include <QFileInfo>
#include <QPushButton>

#include "app/ConfigFileDialogs.h"
#include "app/UnsavedChanges.h"
#include "document/LoadDocument.h"
#include "document/WriteDocument.h"
#include "framework/Dialog.h"
#include "framework/Host.h"
#include "framework/StoredSettings.h"
#include "localization/ReasonText.h"
#include "localization/UiString.h"
#include "resources/ResourceIds.h"

namespace cadmira::app {
namespace {

using localization::LoadUiString;

using resources::kExportSucceed;
using resources::kImportSucceed;
using resources::kMainSaveButton;
using resources::kNotice;
using resources::kProgramTitle;
using resources::kSaveSucceed;

}  // namespace

CFileCommands::CFileCommands(framework::Dialog& window, CDocumentState& state, document::IDocumentPages& pages)
    : m_window(window), m_state(state), m_pages(pages) {}

void CFileCommands::Notice(int stringId, const QString& caption) {
  framework::CurrentHost().MessageBox(&m_window, LoadUiString(stringId), caption, framework::MessageIcon::Information,
                                      framework::MessageButtons::Ok);
}

bool CFileCommands::MayLoseChanges() {
  return m_unsaved == nullptr || m_unsaved->MayLoseChanges([this] { return SaveChanges(); });
}

void CFileCommands::TakeBaseline() {
  if (m_unsaved != nullptr) m_unsaved->TakeBaseline();
}

void CFileCommands::ImportCommand() {
  if (!MayLoseChanges()) return;
  const std::optional<QString> path = framework::CurrentHost().FileDialog(&m_window, OpenConfigFileRequest());
  if (path) OpenConfigFile(*path, LoadVariant::Import);
}

void CFileCommands::OpenDroppedFiles(const QStringList& paths) {
  if (paths.isEmpty() || !MayLoseChanges()) return;
  for (const QString& path : paths) {
    if (!OpenConfigFile(path, LoadVariant::Drop)) return;
  }
}

void CFileCommands::OpenStartFile(const QString& path, StartFileRead read) {
  OpenConfigFile(path, read == StartFileRead::AsImport ? LoadVariant::Import : LoadVariant::StartFile);
}

bool CFileCommands::OpenConfigFile(const QString& path, LoadVariant variant) {
  // A dropped file may well be one this program saved, hence sealed.
  const auto forms =
      variant == LoadVariant::StartFile ? document::ReadForms::PlainOnly : document::ReadForms::PlainThenSealed;
  document::LoadedDocument loaded = document::LoadDocument(FileSystemPath(path), forms, m_state.m_nProduct);
  if (loaded.refusal == document::kXmlFormatError) {
    if (variant != LoadVariant::StartFile) Notice(loaded.refusal, LoadUiString(kNotice));
    return false;
  }
  if (loaded.refusal != 0) {
    Notice(loaded.refusal, QString());
    return false;
  }
  AcceptLoad(QFileInfo(path).absoluteFilePath(), std::move(loaded.tree));
  return true;
}

void CFileCommands::AcceptLoad(const QString& path, document::CReader_XmlManager tree) {
  m_state.m_strFilePath = path;
  m_state.m_xmlManager = std::move(tree);
  m_window.setWindowTitle(path);
  Notice(kImportSucceed, LoadUiString(kNotice));
  if (auto* save = m_window.item<QPushButton>(kMainSaveButton)) save->setEnabled(true);
  m_state.m_bRibbonPending = true;
  m_state.m_bPluginsPending = true;
  {
    const CUnsavedChanges::Hold hold(m_unsaved);
    // Only now: a cancelled or refused load must leave the ribbon ticks that a later Save writes.
    m_pages.ClearRibbonChecks();
    document::ApplyDocument(m_state.RootElement(), m_pages);
  }
  TakeBaseline();
}

bool CFileCommands::ValidateBeforeWrite() {
  const int refusal = m_pages.ValidateBeforeWrite();
  if (refusal != 0) Notice(refusal, QString());
  return refusal == 0;
}

bool CFileCommands::ExportCommand() {
  if (!ValidateBeforeWrite()) return false;
  const std::optional<QString> path = framework::CurrentHost().FileDialog(&m_window, ExportConfigFileRequest());
  if (!path) return false;
  // The current file stays: Save keeps writing to the loaded one.
  const document::WriteResult result = WriteTo(*path);
  ReportWrite(result, kExportSucceed);
  return result.Written();
}

bool CFileCommands::SaveCommand() {
  if (!ValidateBeforeWrite()) return false;
  if (m_state.m_strFilePath.isEmpty()) {
    m_state.m_nProduct = framework::StoredProduct();
    return false;
  }
  const document::WriteResult result = WriteTo(m_state.m_strFilePath);
  ReportWrite(result, kSaveSucceed);
  return result.Written();
}

bool CFileCommands::SaveChanges() { return m_state.m_strFilePath.isEmpty() ? ExportCommand() : SaveCommand(); }

void CFileCommands::ReportWrite(const document::WriteResult& result, int successId) {
  if (result.Written()) {
    Notice(successId, LoadUiString(kNotice));
    return;
  }
  // The fixed text cannot know the cause; the system's reason goes behind the details button.
  framework::CurrentHost().MessageBox(&m_window, LoadUiString(document::kDocumentNotSaved), LoadUiString(kNotice),
                                      framework::MessageIcon::Information, framework::MessageButtons::Ok,
                                      localization::ReasonText(Error{result.detail, result.systemCode}));
}

document::WriteResult CFileCommands::WriteTo(const QString& path) {
  // A product changed in the interface dialog governs the next file written, and the product
  // check of later loads, without a restart.
  m_state.m_nProduct = framework::StoredProduct();
  const document::WriteResult result =
      document::WriteDocument(m_state.m_writeContext, m_state.m_nProduct, m_pages, FileSystemPath(path));
  if (result.outcome == document::WriteResult::Outcome::DocumentNotCreated) {
    framework::CurrentHost().MessageBox(&m_window, QStringLiteral("Faild!!"), LoadUiString(kProgramTitle),
                                        framework::MessageIcon::Warning, framework::MessageButtons::Ok);
  }
  if (result.Written()) TakeBaseline();
  return result;
}

}  // namespace cadmira::app
