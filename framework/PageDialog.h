#pragma once

#include <QWidget>

#include "framework/TemplateWindow.h"

class QKeyEvent;

namespace cadmira::framework {

// A child page built from a dialog template: a plain widget inside its owner, so right-clicks
// and keys it does not use reach the window it sits in.
class PageDialog : public QWidget, public TemplateWindow {
  Q_OBJECT

 public:
  explicit PageDialog(int templateId, QWidget* parent = nullptr);
  ~PageDialog() override;

 protected:
  void ApplyFrame(const resources::DialogTemplateData& data, const QSize& client) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace cadmira::framework
