#include "framework/ScriptedHost.h"

#include <algorithm>

#include "framework/Dialog.h"

namespace cadmira::framework {
namespace {

MessageAnswer CloseAnswer(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok:
      return MessageAnswer::Ok;
    case MessageButtons::YesNo:
      return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
      break;
  }
  return MessageAnswer::Cancel;
}

}  // namespace

ScriptedHost::ScriptedHost() : m_installed(*this) {}

ScriptedHost::~ScriptedHost() = default;

void ScriptedHost::AnswerMessageBox(MessageAnswer answer) { m_messageAnswers.push_back(answer); }

void ScriptedHost::AnswerFileDialog(std::optional<QString> path) { m_fileAnswers.push_back(std::move(path)); }

void ScriptedHost::AnswerModal(ModalScript script) { m_modalAnswers.push_back(std::move(script)); }

void ScriptedHost::AnswerModal(int result) {
  m_modalAnswers.push_back([result](Dialog&) { return result; });
}

void ScriptedHost::AnswerRestart(bool started) { m_restartAnswers.push_back(started); }

std::vector<HostCall> ScriptedHost::MessageBoxes() const {
  std::vector<HostCall> boxes;
  std::copy_if(m_calls.begin(), m_calls.end(), std::back_inserter(boxes),
               [](const HostCall& call) { return call.kind == HostCall::Kind::MessageBox; });
  return boxes;
}

int ScriptedHost::UnansweredCount() const {
  return static_cast<int>(std::count_if(m_calls.begin(), m_calls.end(), [](const HostCall& call) { return !call.answered; }));
}

bool ScriptedHost::ScriptUsedUp() const {
  return m_messageAnswers.empty() && m_fileAnswers.empty() && m_modalAnswers.empty() && m_restartAnswers.empty();
}

void ScriptedHost::Clear() {
  m_messageAnswers.clear();
  m_fileAnswers.clear();
  m_modalAnswers.clear();
  m_restartAnswers.clear();
  m_calls.clear();
}

MessageAnswer ScriptedHost::MessageBox(QWidget*, const QString& text, const QString& caption, MessageIcon icon,
                                       MessageButtons buttons) {
  HostCall call;
  call.kind = HostCall::Kind::MessageBox;
  call.text = text;
  call.caption = caption;
  call.icon = icon;
  call.buttons = buttons;
  call.answered = !m_messageAnswers.empty();
  m_calls.push_back(call);
  if (!call.answered) return CloseAnswer(buttons);
  const MessageAnswer answer = m_messageAnswers.front();
  m_messageAnswers.pop_front();
  return answer;
}

std::optional<QString> ScriptedHost::FileDialog(QWidget*, const FileDialogRequest& request) {
  HostCall call;
  call.kind = HostCall::Kind::FileDialog;
  call.request = request;
  call.answered = !m_fileAnswers.empty();
  m_calls.push_back(call);
  if (!call.answered) return std::nullopt;
  const std::optional<QString> answer = m_fileAnswers.front();
  m_fileAnswers.pop_front();
  return answer;
}

int ScriptedHost::RunModal(Dialog& dialog) {
  HostCall call;
  call.kind = HostCall::Kind::RunModal;
  call.dialogId = dialog.TemplateId();
  call.answered = !m_modalAnswers.empty();
  m_calls.push_back(call);
  if (!call.answered) return kIdCancel;
  const ModalScript script = std::move(m_modalAnswers.front());
  m_modalAnswers.pop_front();
  return script(dialog);
}

bool ScriptedHost::Restart() {
  HostCall call;
  call.kind = HostCall::Kind::Restart;
  m_calls.push_back(call);
  if (m_restartAnswers.empty()) return true;
  const bool started = m_restartAnswers.front();
  m_restartAnswers.pop_front();
  return started;
}

void ScriptedHost::Exit(int code) {
  HostCall call;
  call.kind = HostCall::Kind::Exit;
  call.exitCode = code;
  m_calls.push_back(call);
}

}  // namespace cadmira::framework
