#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <vector>

#include <QStringList>

#include "framework/Host.h"

namespace cadmira::framework {

// One call a scripted host received.
struct HostCall {
  enum class Kind { MessageBox, FileDialog, RunModal, Restart, Exit };
  Kind kind = Kind::MessageBox;
  // Message boxes.
  QString text;
  QString caption;
  MessageIcon icon = MessageIcon::None;
  MessageButtons buttons = MessageButtons::Ok;
  QString detailedText;
  // File dialogs.
  FileDialogRequest request;
  // Modal runs: the template id of the dialog. Exits: the code.
  int dialogId = 0;
  int exitCode = 0;
  // False when the script held no answer for the call.
  bool answered = true;
};

// A host for tests: installed for its lifetime, it answers every call from its script, in order
// per kind of call, records every call, and never shows a window or ends the process. A call the
// script has no answer for is recorded as unanswered and gets the answer a person closing the
// window would give (Cancel, No, no file, the cancel result).
//
// Such a call is a box or dialog the test did not expect. It, a scripted box that differs from the
// one shown, and an answer left unused are the host's problems; whatever of them is left when the
// host ends goes to the failure handler, so a test cannot miss one.
class ScriptedHost : public Host {
 public:
  using ModalScript = std::function<int(Dialog&)>;
  using FailureHandler = std::function<void(const QString& problem)>;

  ScriptedHost();
  ~ScriptedHost() override;

  // Installs the handler every host reports its problems to, and returns the previous one. Without
  // one the process stops with the problem as its message.
  static FailureHandler SetFailureHandler(FailureHandler handler);

  void AnswerMessageBox(MessageAnswer answer);
  // Answers the next box and requires it to be exactly this one.
  void ExpectMessageBox(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                        MessageAnswer answer);
  // The same, with exactly this detailed text (the box above takes any).
  void ExpectMessageBox(const QString& text, const QString& caption, MessageIcon icon, MessageButtons buttons,
                        MessageAnswer answer, const QString& detailedText);
  void AnswerFileDialog(std::optional<QString> path);
  // `script` sees the created dialog (its OnInitDialog has run) and returns the modal result.
  void AnswerModal(ModalScript script);
  void AnswerModal(int result);
  // Whether the next restart starts the new instance; a restart with no such answer does.
  void AnswerRestart(bool started);

  const std::vector<HostCall>& Calls() const { return m_calls; }
  std::vector<HostCall> MessageBoxes() const;
  int UnansweredCount() const;
  // True when every scripted answer has been used.
  bool ScriptUsedUp() const;
  // Unexpected calls, mismatched boxes and unused answers, each described for a person.
  QStringList Problems() const;
  // Forgets the script, the calls and the problems.
  void Clear();

  MessageAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                           MessageButtons buttons, const QString& detailedText = QString()) override;
  std::optional<QString> FileDialog(QWidget* owner, const FileDialogRequest& request) override;
  int RunModal(Dialog& dialog) override;
  bool Restart() override;
  void Exit(int code) override;

 private:
  struct ScriptedBox {
    MessageAnswer answer;
    std::optional<HostCall> expected;
    bool detailsExpected = false;
  };

  std::deque<ScriptedBox> m_messageAnswers;
  std::deque<std::optional<QString>> m_fileAnswers;
  std::deque<ModalScript> m_modalAnswers;
  std::deque<bool> m_restartAnswers;
  std::vector<HostCall> m_calls;
  QStringList m_mismatches;
  ScopedHost m_installed;
};

}  // namespace cadmira::framework
