#include "framework/PageDialog.h"

#include <QKeyEvent>

#include "framework/FocusChain.h"
#include "resources/DialogTemplate.h"

namespace cadmira::framework {

PageDialog::PageDialog(int templateId, QWidget* parent)
    : QWidget(parent), TemplateWindow(static_cast<QWidget&>(*this), templateId) {}

PageDialog::~PageDialog() = default;

std::vector<QWidget*> PageDialog::FocusChain() const { return TemplateTabStops(this); }

void PageDialog::ApplyFrame(const resources::DialogTemplateData& data, const QSize& client) {
  ApplyChildFrame(data, client);
}

void PageDialog::keyPressEvent(QKeyEvent* event) {
  // Without the pass-through the window the page sits in decides what Enter and Escape do.
  if (!SwallowDialogKey(event)) QWidget::keyPressEvent(event);
}

}  // namespace cadmira::framework
