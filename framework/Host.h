#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace cadmira::framework {

class Dialog;

enum class MessageIcon { None, Information, Question, Warning, Error };
// SaveDiscardCancel: the platform's own Save, Discard and Cancel buttons, in its language.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard };

struct FileDialogRequest {
  enum class Mode { Open, Save };
  Mode mode = Mode::Open;
  // The platform's filter form: pairs of description and patterns, each ended by "|", the list
  // by a further "|", as in "XML (*.xml)|*.xml||".
  QString filter;
  QString defaultExtension;  // without the dot; empty for none
  QString initialName;
  bool readOnlyBoxHidden = false;
  bool readOnlyBoxChecked = false;
  bool overwritePrompt = false;
  bool pathMustExist = false;
  bool fileMustExist = false;
};

// Everything that talks to the person or ends the process: message boxes, file dialogs, modal
// runs, the restart and the exit. The program runs on the Qt host; tests install a scripted one.
class Host {
 public:
  virtual ~Host() = default;

  // `detailedText`, when not empty, is offered behind the box's own details button.
  virtual MessageAnswer MessageBox(QWidget* owner, const QString& text, const QString& caption, MessageIcon icon,
                                   MessageButtons buttons, const QString& detailedText = QString()) = 0;
  // The chosen path, or nothing when the dialog was cancelled.
  virtual std::optional<QString> FileDialog(QWidget* owner, const FileDialogRequest& request) = 0;
  // The dialog has been created already; the answer is what it ended with.
  virtual int RunModal(Dialog& dialog) = 0;
  // Starts the program's executable again, without arguments, and ends this process at once.
  // Returns false, and this process keeps running, when the new instance could not be started.
  virtual bool Restart() = 0;
  // Ends the process at once with `code`; no destructor runs.
  virtual void Exit(int code) = 0;
};

// The host in use: the Qt host unless a ScopedHost has replaced it.
Host& CurrentHost();

// Installs `host` for its lifetime and puts the previous one back afterwards.
class ScopedHost {
 public:
  explicit ScopedHost(Host& host);
  ~ScopedHost();
  ScopedHost(const ScopedHost&) = delete;
  ScopedHost& operator=(const ScopedHost&) = delete;

 private:
  Host* m_previous;
};

}  // namespace cadmira::framework
