#pragma once

#include <vector>

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

  // The page's controls in the order Tab visits them; the window it sits in puts them between its
  // tab strip and its buttons. By default its template's tab stops in template order.
  virtual std::vector<QWidget*> FocusChain() const;

 signals:
  // Controls were made after the window ordered the page's chain: it is to be ordered again.
  void FocusChainChanged();

 protected:
  void ApplyFrame(const resources::DialogTemplateData& data, const QSize& client) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace cadmira::framework
