#include "framework/QtHost.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>

#include <cstdio>
#include <cstdlib>

#include "framework/Dialog.h"

namespace cadmira::framework {
namespace {

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information:
      return QMessageBox::Information;
    case MessageIcon::Question:
      return QMessageBox::Question;
    case MessageIcon::Warning:
      return QMessageBox::Warning;
    case MessageIcon::Error:
      return QMessageBox::Critical;
    case MessageIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
      return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::SaveDiscardCancel:
      return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::Ok:
      break;
  }
  return QMessageBox::Ok;
}

MessageAnswer FromQtAnswer(int answer, MessageButtons buttons) {
  switch (answer) {
    case QMessageBox::Ok:
      return MessageAnswer::Ok;
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    case QMessageBox::Save:
      return MessageAnswer::Save;
    case QMessageBox::Discard:
      return MessageAnswer::Discard;
    default:
      break;
  }
  // Closing the box is its cancel; a box without one answers with its only button, or No.
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (buttons == MessageButtons::YesNo) return MessageAnswer::No;
  return MessageAnswer::Cancel;
}

[[noreturn]] void EndProcess(int code) {
  std::fflush(nullptr);
  std::_Exit(code);
}

QString PatternsAsQt(QString patterns) { return patterns.replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed(); }

}  // namespace

QStringList ConvertFileFilter(const QString& filter) {
  QStringList result;
  const QStringList parts = filter.split(QLatin1Char('|'));
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString& description = parts[i];
    if (description.isEmpty()) break;
    const QString patterns = PatternsAsQt(parts[i + 1]);
    if (patterns.isEmpty()) continue;
    const QString suffix = QLatin1Char('(') + patterns + QLatin1Char(')');
    result << (description.endsWith(suffix) ? description : description + QLatin1Char(' ') + suffix);
  }
  return result;
}

MessageAnswer QtHost::MessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                                 MessageButtons buttons, const QString& detailedText) {
  QMessageBox box(ToQtIcon(icon), caption, text, ToQtButtons(buttons), owner);
  box.setTextFormat(Qt::PlainText);
  box.setDetailedText(detailedText);
  return FromQtAnswer(box.exec(), buttons);
}

std::optional<QString> QtHost::FileDialog(QWidget* owner, const FileDialogRequest& request) {
  QFileDialog dialog(owner);
  const bool save = request.mode == FileDialogRequest::Mode::Save;
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  // A save dialog names files that do not exist yet, so "file must exist" binds open dialogs only;
  // Qt's dialogs have no read-only box to show or hide.
  dialog.setFileMode(save || !request.fileMustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
  dialog.setNameFilters(ConvertFileFilter(request.filter));
  if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
  if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList chosen = dialog.selectedFiles();
  if (chosen.isEmpty()) return std::nullopt;
  return chosen.front();
}

int QtHost::RunModal(Dialog& dialog) { return dialog.exec(); }

bool QtHost::Restart() {
  if (!QProcess::startDetached(QCoreApplication::applicationFilePath(), {})) return false;
  EndProcess(0);
}

void QtHost::Exit(int code) { EndProcess(code); }

}  // namespace cadmira::framework
