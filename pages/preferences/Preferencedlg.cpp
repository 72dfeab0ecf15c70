#include "pages/preferences/Preferencedlg.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "framework/ProfileStore.h"
#include "localization/Relabel.h"
#include "localization/UiString.h"

namespace cadmira::pages {
namespace {

using localization::LoadUiString;

constexpr int kVersionLabel = 1010;
constexpr int kVersionEdit = 1075;
constexpr int kOptionsBox = 1027;
constexpr int kDescriptionBox = 1026;
constexpr int kDescriptionEdit = 1025;

}  // namespace

CPreferencedlg::CPreferencedlg(QWidget* parent) : PageDialog(kDialogId, parent) { SetKeyPassThrough(true); }

QLineEdit* CPreferencedlg::VersionEdit() const { return item<QLineEdit>(kVersionEdit); }

void CPreferencedlg::OnInitDialog() {
  localization::RelabelDialog(this, kDialogId);
  const bool reader = framework::ProfileInt(QStringLiteral("Versions"), QStringLiteral("verid"), 0) == 1;
  if (auto* label = item<QLabel>(kVersionLabel)) label->setText(LoadUiString(reader ? 144 : 217));
  if (auto* description = item<QPlainTextEdit>(kDescriptionEdit)) {
    description->setPlainText(LoadUiString(reader ? 154 : 241));
  }
  if (auto* options = item<QGroupBox>(kOptionsBox)) options->setTitle(LoadUiString(146));
  if (auto* box = item<QGroupBox>(kDescriptionBox)) box->setTitle(LoadUiString(145));
}

}  // namespace cadmira::pages
