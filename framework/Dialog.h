#pragma once

#include <QDialog>

#include "framework/TemplateWindow.h"
#include "resources/ResourceIds.h"

class QKeyEvent;

namespace cadmira::framework {

// Results of a modal run, as the platform numbers them.
using resources::kIdCancel;
using resources::kIdOk;
inline constexpr int kModalFailed = -1;

// A window built from a dialog template and run modally. Pages inside another window are
// PageDialogs, which leave right-clicks and unused keys to that window.
class Dialog : public QDialog, public TemplateWindow {
  Q_OBJECT

 public:
  explicit Dialog(int templateId, QWidget* parent = nullptr);
  ~Dialog() override;

  // Runs the dialog modally through the host; the answer is what EndDialog was given.
  int DoModal();
  void EndDialog(int result);

  void accept() override;
  void reject() override;

 protected:
  // What Enter (with no default button) and Escape do on a dialog without the pass-through.
  virtual void OnOK();
  virtual void OnCancel();

  void ApplyFrame(const resources::DialogTemplateData& data, const QSize& client) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void PressDefaultButton();
  void PressCancel();
};

}  // namespace cadmira::framework
