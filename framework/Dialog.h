#pragma once

#include <QDialog>
#include <QRect>

#include "framework/DialogUnits.h"

class QKeyEvent;

namespace cadmira::resources {
struct DialogTemplateData;
}

namespace cadmira::framework {

// Results of a modal run, as the platform numbers them.
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kModalFailed = -1;

// A window built from a dialog template: a modal dialog, or a child page when the template says
// so. The controls exist with their template ids, texts and pixel geometry once Create() has run;
// OnInitDialog runs once, right after them.
class Dialog : public QDialog {
  Q_OBJECT

 public:
  explicit Dialog(int templateId, QWidget* parent = nullptr);
  ~Dialog() override;

  int TemplateId() const { return m_templateId; }

  // Builds the controls and runs OnInitDialog, the first time only. False when the program has
  // no template of that id: nothing is built and OnInitDialog does not run.
  bool Create();
  // The same for a page made a child of `parent` first (its owner creates it where it belongs).
  bool Create(QWidget* parent);
  bool IsCreated() const { return m_created; }

  // The control the template gave `id`, null when there is none.
  QWidget* item(int id) const;
  template <class Widget>
  Widget* item(int id) const {
    return qobject_cast<Widget*>(item(id));
  }

  // Runs the dialog modally through the host; the answer is what EndDialog was given.
  int DoModal();
  void EndDialog(int result);

  // A rectangle in this dialog's dialog units, in pixels at the screen's scale.
  QRect MapDialogRect(const QRect& dialogUnits) const;
  const BaseUnits& DialogBaseUnits() const { return m_baseUnits; }

  // Enter and Escape go to the focused control: the dialog neither confirms nor closes on them.
  void SetKeyPassThrough(bool passThrough) { m_keyPassThrough = passThrough; }
  bool KeyPassThrough() const { return m_keyPassThrough; }

  void accept() override;
  void reject() override;

 protected:
  virtual void OnInitDialog();
  // What Enter (with no default button) and Escape do on a dialog without the pass-through.
  virtual void OnOK();
  virtual void OnCancel();

  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildWindow(const resources::DialogTemplateData& data);
  void PressDefaultButton();
  void PressCancel();

  int m_templateId;
  bool m_created = false;
  bool m_keyPassThrough = false;
  BaseUnits m_baseUnits{};
};

}  // namespace cadmira::framework
