#include "app/UnsavedChanges.h"

#include "document/DocumentBytes.h"
#include "document/ProductTable.h"
#include "framework/Dialog.h"
#include "framework/Host.h"
#include "localization/UiString.h"
#include "resources/ResourceIds.h"

namespace cadmira::app {
namespace {

using localization::LoadUiString;

const QString kModifiedPlaceholder = QStringLiteral("[*]");

}  // namespace

CUnsavedChanges::CUnsavedChanges(framework::Dialog& window, const CDocumentState& state,
                                 const document::IDocumentPages& pages)
    : m_window(window), m_state(state), m_pages(pages) {}

std::optional<std::vector<unsigned char>> CUnsavedChanges::WrittenNow() const {
  return document::DocumentBytes(m_product, m_pages);
}

void CUnsavedChanges::TakeBaseline() {
  // The product of the last write: a product changed in the interface dialog since is no edit.
  m_product = m_state.m_nProduct;
  m_baseline = WrittenNow();
  ShowInTitle();
}

bool CUnsavedChanges::Changed() const { return WrittenNow() != m_baseline; }

void CUnsavedChanges::ShowInTitle() {
  if (m_holds > 0) return;
  const bool changed = Changed();
  // The placeholder is there only while marked, so that an unchanged window's title is its text.
  QString title = m_window.windowTitle();
  if (m_titleMarked && title.endsWith(kModifiedPlaceholder)) title.chop(kModifiedPlaceholder.size());
  if (changed) title += kModifiedPlaceholder;
  if (title != m_window.windowTitle()) m_window.setWindowTitle(title);
  m_window.setWindowModified(changed);
  m_titleMarked = changed;
}

bool CUnsavedChanges::MayLoseChanges(const std::function<bool()>& save) {
  if (!Changed()) return true;
  const QString file = m_state.m_strFilePath.isEmpty() ? LoadUiString(resources::kTheNewFile) : m_state.m_strFilePath;
  const framework::MessageAnswer answer = framework::CurrentHost().MessageBox(
      &m_window, LoadUiString(resources::kSaveChangesQuestion).arg(file), LoadUiString(resources::kProgramTitle),
      framework::MessageIcon::Question, framework::MessageButtons::SaveDiscardCancel);
  switch (answer) {
    case framework::MessageAnswer::Discard:
      return true;
    case framework::MessageAnswer::Save:
      return save();
    default:
      break;
  }
  return false;
}

}  // namespace cadmira::app
