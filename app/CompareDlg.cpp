#include "app/CompareDlg.h"

#include <QPlainTextEdit>
#include <QPushButton>

#include "localization/Relabel.h"
#include "localization/UiString.h"
#include "localization/WindowText.h"
#include "resources/ReportStrings.h"

namespace cadmira::app {

using localization::LoadUiString;

CCompareDlg::CCompareDlg(QString differences, QWidget* parent)
    : Dialog(kDialogId, parent), m_strDifferences(std::move(differences)) {}

void CCompareDlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  setWindowTitle(LoadUiString(resources::kCompareTitle));
  if (QWidget* label = item(kLabel)) localization::SetWindowText(label, LoadUiString(resources::kDifferencesTitle));
  if (auto* close = item<QPushButton>(kCloseButton)) {
    close->setText(LoadUiString(resources::kCloseButton));
    connect(close, &QPushButton::clicked, this, [this] { EndDialog(framework::kIdCancel); });
  }
  if (auto* edit = item<QPlainTextEdit>(kDifferencesEdit)) {
    edit->setPlainText(m_strDifferences);
    // Read-only, yet the keyboard can move through the text and select it to copy.
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setFocus(Qt::OtherFocusReason);
  }
}

}  // namespace cadmira::app
