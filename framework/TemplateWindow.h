#pragma once

#include <QRect>
#include <QWidget>

#include "framework/DialogUnits.h"

class QKeyEvent;

namespace cadmira::resources {
struct DialogTemplateData;
}

namespace cadmira::framework {

// What a window built from a dialog template offers, whether it is a modal dialog (Dialog) or a
// child page (PageDialog): the controls exist with their template ids, texts and pixel geometry
// once Create() has run, and OnInitDialog runs once, right after them.
class TemplateWindow {
 public:
  TemplateWindow(const TemplateWindow&) = delete;
  TemplateWindow& operator=(const TemplateWindow&) = delete;

  int TemplateId() const { return m_templateId; }

  // Builds the controls and runs OnInitDialog, the first time only. False when the program has
  // no template of that id: nothing is built and OnInitDialog does not run.
  bool Create();
  // The same for a window made a child of `parent` first (its owner creates it where it belongs).
  bool Create(QWidget* parent);
  bool IsCreated() const { return m_created; }

  // The control the template gave `id`, null when there is none.
  QWidget* item(int id) const;
  template <class Widget>
  Widget* item(int id) const {
    return qobject_cast<Widget*>(item(id));
  }

  // A rectangle in this window's dialog units, in pixels at the screen's scale.
  QRect MapDialogRect(const QRect& dialogUnits) const;
  const BaseUnits& DialogBaseUnits() const { return m_baseUnits; }

  // Enter and Escape go to the focused control: the window neither confirms nor closes on them.
  void SetKeyPassThrough(bool passThrough) { m_keyPassThrough = passThrough; }

 protected:
  TemplateWindow(QWidget& window, int templateId);
  virtual ~TemplateWindow();

  virtual void OnInitDialog();
  // Gives the window its kind of frame for a client area of `client` pixels.
  virtual void ApplyFrame(const resources::DialogTemplateData& data, const QSize& client) = 0;

  // The frame of a child page: the client size, shown when the template says so and it has a parent.
  void ApplyChildFrame(const resources::DialogTemplateData& data, const QSize& client);
  // True for Enter and Escape when the pass-through is on: the key is accepted and goes no further.
  bool SwallowDialogKey(QKeyEvent* event) const;

 private:
  void BuildControls(const resources::DialogTemplateData& data);

  QWidget& m_window;
  int m_templateId;
  bool m_created = false;
  bool m_keyPassThrough = false;
  BaseUnits m_baseUnits{};
};

// True for Return, Enter and Escape, the keys a dialog acts on.
bool IsDialogKey(const QKeyEvent* event);

}  // namespace cadmira::framework
