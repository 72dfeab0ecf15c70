#include "framework/ScriptedHost.h"

#include <algorithm>
#include <utility>

#include <QtGlobal>

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
    case MessageButtons::SaveDiscardCancel:
      break;
  }
  return MessageAnswer::Cancel;
}

ScriptedHost::FailureHandler& CurrentFailureHandler() {
  static ScriptedHost::FailureHandler handler;
  return handler;
}

QString Describe(const HostCall& call) {
  switch (call.kind) {
    case HostCall::Kind::MessageBox:
      return QStringLiteral("message box \"%1\" captioned \"%2\" (icon %3, buttons %4)")
                 .arg(call.text, call.caption)
                 .arg(static_cast<int>(call.icon))
                 .arg(static_cast<int>(call.buttons)) +
             (call.detailedText.isEmpty() ? QString() : QStringLiteral(" with details \"%1\"").arg(call.detailedText));
    case HostCall::Kind::FileDialog:
      return QStringLiteral("file dialog (%1, filter \"%2\", name \"%3\")")
          .arg(call.request.mode == FileDialogRequest::Mode::Open ? QStringLiteral("open") : QStringLiteral("save"),
               call.request.filter, call.request.initialName);
    case HostCall::Kind::RunModal:
      return QStringLiteral("modal dialog %1").arg(call.dialogId);
    case HostCall::Kind::Restart:
      return QStringLiteral("restart");
    case HostCall::Kind::Exit:
      return QStringLiteral("exit %1").arg(call.exitCode);
  }
  return {};
}

bool SameBox(const HostCall& a, const HostCall& b, bool sameDetails) {
  return a.text == b.text && a.caption == b.caption && a.icon == b.icon && a.buttons == b.buttons &&
         (!sameDetails || a.detailedText == b.detailedText);
}

}  // namespace

ScriptedHost::ScriptedHost() : m_installed(*this) {}

ScriptedHost::~ScriptedHost() {
  const QStringList problems = Problems();
  if (problems.isEmpty()) return;
  const FailureHandler& handler = CurrentFailureHandler();
  for (const QString& problem : problems) {
    if (handler) {
      handler(problem);
    } else {
      qFatal("Scripted host: %s", qPrintable(problem));
    }
  }
}

ScriptedHost::FailureHandler ScriptedHost::SetFailureHandler(FailureHandler handler) {
  return std::exchange(CurrentFailureHandler(), std::move(handler));
}

void ScriptedHost::AnswerMessageBox(MessageAnswer answer) { m_messageAnswers.push_back({answer, std::nullopt}); }

void ScriptedHost::ExpectMessageBox(const QString& text, const QString& caption, MessageIcon icon,
                                    MessageButtons buttons, MessageAnswer answer) {
  HostCall expected;
  expected.text = text;
  expected.caption = caption;
  expected.icon = icon;
  expected.buttons = buttons;
  m_messageAnswers.push_back({answer, expected});
}

void ScriptedHost::ExpectMessageBox(const QString& text, const QString& caption, MessageIcon icon,
                                    MessageButtons buttons, MessageAnswer answer, const QString& detailedText) {
  ExpectMessageBox(text, caption, icon, buttons, answer);
  m_messageAnswers.back().expected->detailedText = detailedText;
  m_messageAnswers.back().detailsExpected = true;
}

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
  return static_cast<int>(
      std::count_if(m_calls.begin(), m_calls.end(), [](const HostCall& call) { return !call.answered; }));
}

bool ScriptedHost::ScriptUsedUp() const {
  return m_messageAnswers.empty() && m_fileAnswers.empty() && m_modalAnswers.empty() && m_restartAnswers.empty();
}

QStringList ScriptedHost::Problems() const {
  QStringList problems = m_mismatches;
  for (const HostCall& call : m_calls) {
    if (!call.answered) problems << QStringLiteral("unexpected ") + Describe(call);
  }
  const auto unused = [&](std::size_t count, const char* what) {
    if (count > 0)
      problems << QStringLiteral("%1 scripted %2 answer(s) never used").arg(count).arg(QLatin1String(what));
  };
  unused(m_messageAnswers.size(), "message box");
  unused(m_fileAnswers.size(), "file dialog");
  unused(m_modalAnswers.size(), "modal dialog");
  unused(m_restartAnswers.size(), "restart");
  return problems;
}

void ScriptedHost::Clear() {
  m_mismatches.clear();
  m_messageAnswers.clear();
  m_fileAnswers.clear();
  m_modalAnswers.clear();
  m_restartAnswers.clear();
  m_calls.clear();
}

MessageAnswer ScriptedHost::MessageBox(QWidget*, const QString& text, const QString& caption, MessageIcon icon,
                                       MessageButtons buttons, const QString& detailedText) {
  HostCall call;
  call.kind = HostCall::Kind::MessageBox;
  call.text = text;
  call.caption = caption;
  call.icon = icon;
  call.buttons = buttons;
  call.detailedText = detailedText;
  call.answered = !m_messageAnswers.empty();
  m_calls.push_back(call);
  if (!call.answered) return CloseAnswer(buttons);
  const ScriptedBox scripted = m_messageAnswers.front();
  m_messageAnswers.pop_front();
  if (scripted.expected && !SameBox(*scripted.expected, call, scripted.detailsExpected)) {
    m_mismatches << QStringLiteral("expected %1, shown %2").arg(Describe(*scripted.expected), Describe(call));
  }
  return scripted.answer;
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
