#pragma once

#include <QStringList>

#include "framework/Host.h"

namespace cadmira::framework {

// The host of the running program: Qt's message boxes and file dialogs, real modal runs, and a
// real process start and end.
class QtHost : public Host {
 public:
  MessageAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                           MessageButtons buttons, const QString& detailedText = QString()) override;
  std::optional<QString> FileDialog(QWidget* owner, const FileDialogRequest& request) override;
  int RunModal(Dialog& dialog) override;
  bool Restart() override;
  [[noreturn]] void Exit(int code) override;
};

// "XML (*.xml)|*.xml||" as Qt's name filters: {"XML (*.xml)"}. A description that already ends
// with its patterns in parentheses is kept as it is.
QStringList ConvertFileFilter(const QString& filter);

}  // namespace cadmira::framework
