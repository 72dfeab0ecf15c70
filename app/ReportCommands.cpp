#include "app/ReportCommands.h"

#include <ctime>
#include <sstream>

#include <QFileInfo>

#include "app/CadmiraDlg.h"
#include "app/CompareDlg.h"
#include "app/ConfigFileDialogs.h"
#include "app/ReportPdf.h"
#include "base/ReplaceFileAtomically.h"
#include "document/LoadDocument.h"
#include "document/ProductTable.h"
#include "framework/Host.h"
#include "framework/StoredSettings.h"
#include "localization/LanguageFont.h"
#include "localization/UiString.h"
#include "localization/lookup/UiStrings.h"
#include "pages/view/ModelPages.h"
#include "pages/view/PageWords.h"
#include "report/DiffReport.h"
#include "report/ReportDate.h"
#include "report/ReportWriter.h"
#include "report/SettingsReport.h"
#include "resources/ReportStrings.h"
#include "resources/ResourceIds.h"

namespace cadmira::app {
namespace {

using localization::LoadUiString;

using resources::kNotice;

const QString kReportFilter = QStringLiteral("HTML (*.html)|*.html|PDF (*.pdf)|*.pdf||");
// Used when the interface language names no face of its own.
const QString kLatinFace = QStringLiteral("DejaVu Sans");

framework::FileDialogRequest SaveReportRequest() {
  framework::FileDialogRequest request;
  request.mode = framework::FileDialogRequest::Mode::Save;
  request.filter = kReportFilter;
  request.defaultExtension = QStringLiteral("html");
  request.initialName = QStringLiteral("report");
  request.overwritePrompt = true;
  request.pathMustExist = true;
  return request;
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

resources::Product CReportCommands::Product() const { return m_window.Document().m_nProduct; }

pages::PageView CReportCommands::CurrentView() const {
  return pages::ViewOf(Product(), m_window.PreferencesPage(), m_window.PluginsPage().Model(),
                       m_window.RibbonPage().Tree());
}

void CReportCommands::Notice(int stringId, const QString& caption) {
  framework::CurrentHost().MessageBox(&m_window, LoadUiString(stringId), caption, framework::MessageIcon::Information,
                                      framework::MessageButtons::Ok);
}

void CReportCommands::CompareWithFile() {
  const std::optional<QString> path = framework::CurrentHost().FileDialog(&m_window, OpenConfigFileRequest());
  if (!path) return;
  const document::LoadedDocument loaded =
      document::LoadDocument(FileSystemPath(*path), document::ReadForms::PlainThenSealed, Product());
  // The messages Import gives for the same file.
  if (loaded.refusal == document::kXmlFormatError) {
    Notice(loaded.refusal, LoadUiString(kNotice));
    return;
  }
  if (loaded.refusal != 0) {
    Notice(loaded.refusal, QString());
    return;
  }
  const int langid = framework::StoredLanguage();
  // The file as Import would show it on these pages, with this workstation's plug-ins.
  pages::CModelPages imported(Product(), langid, m_window.PluginsPage().Model().AddedPlugins());
  document::ApplyDocument(loaded.tree.Root(), imported);
  const pages::PageView file = pages::ViewOfPages(imported);
  const localization::CUiStrings strings(langid);
  const pages::CPageWords words(Product(), strings);
  const report::ReportDocument differences =
      report::DiffDocumentOf(pages::DiffPageViews(CurrentView(), file), strings.Text(resources::kPagesNow),
                             QFileInfo(*path).absoluteFilePath().toStdU16String(), words);
  std::ostringstream text;
  report::WriteTextReport(differences, text);
  CCompareDlg dialog(FromUtf8(text.str()), &m_window);
  dialog.DoModal();
}

void CReportCommands::SaveReport() {
  const std::optional<QString> path = framework::CurrentHost().FileDialog(&m_window, SaveReportRequest());
  if (!path) return;
  const localization::CUiStrings strings(framework::StoredLanguage());
  const pages::CPageWords words(Product(), strings);
  report::ReportSubject subject{m_window.Document().m_strFilePath.toStdU16String(), std::nullopt,
                                report::ReportDate(std::time(nullptr))};
  const report::ReportDocument document =
      report::DocumentOf(report::MakeSettingsReport(std::move(subject), CurrentView(), words), words);
  std::ostringstream html;
  report::WriteHtmlReport(document, html);

  QByteArray bytes;
  if (path->endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    const QString face = localization::LanguageFace().value_or(kLatinFace);
    bytes = ReportPdf(FromUtf8(html.str()), QString::fromStdU16String(document.title), face);
  } else {
    bytes = QByteArray::fromStdString(html.str());
  }
  const auto* data = reinterpret_cast<const unsigned char*>(bytes.constData());
  const Result<Replaced> written =
      ReplaceFileAtomically(FileSystemPath(*path), {data, static_cast<std::size_t>(bytes.size())});
  Notice(written ? resources::kReportSaved : resources::kReportNotWritten, LoadUiString(kNotice));
}

}  // namespace cadmira::app
