#include "framework/Dialog.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "framework/Host.h"
#include "resources/DialogTemplate.h"

namespace cadmira::framework {

Dialog::Dialog(int templateId, QWidget* parent)
    : QDialog(parent), TemplateWindow(static_cast<QWidget&>(*this), templateId) {}

Dialog::~Dialog() = default;

void Dialog::ApplyFrame(const resources::DialogTemplateData& data, const QSize& client) {
  if ((data.style & resources::kDialogChild) != 0) {
    ApplyChildFrame(data, client);
    return;
  }
  // An application window has its own taskbar entry; window managers treat a dialog as transient.
  const Qt::WindowType type = (data.style & resources::kDialogAppWindow) != 0 ? Qt::Window : Qt::Dialog;
  Qt::WindowFlags flags = type | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
  if ((data.style & resources::kDialogSystemMenu) != 0) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if ((data.style & resources::kDialogMinimizeBox) != 0) flags |= Qt::WindowMinimizeButtonHint;
  setWindowFlags(flags);
  setFixedSize(client);
  if ((data.style & resources::kDialogCentered) != 0) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      const QRect area = screen->availableGeometry();
      move(area.center() - QPoint(client.width() / 2, client.height() / 2));
    }
  }
}

int Dialog::DoModal() {
  if (!Create()) return kModalFailed;
  return CurrentHost().RunModal(*this);
}

void Dialog::EndDialog(int result) { done(result); }

void Dialog::accept() { EndDialog(kIdOk); }

void Dialog::reject() { EndDialog(kIdCancel); }

void Dialog::OnOK() { EndDialog(kIdOk); }

void Dialog::OnCancel() { EndDialog(kIdCancel); }

void Dialog::PressDefaultButton() {
  for (QPushButton* button : findChildren<QPushButton*>()) {
    if (button->isDefault() && button->isVisible() && button->isEnabled()) {
      button->click();
      return;
    }
  }
  if (auto* ok = item<QPushButton>(kIdOk); ok != nullptr && ok->isEnabled()) {
    ok->click();
    return;
  }
  OnOK();
}

void Dialog::PressCancel() {
  if (auto* cancel = item<QPushButton>(kIdCancel); cancel != nullptr && cancel->isEnabled()) {
    cancel->click();
    return;
  }
  OnCancel();
}

void Dialog::keyPressEvent(QKeyEvent* event) {
  if (!IsDialogKey(event)) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (SwallowDialogKey(event)) return;
  event->accept();
  if (event->key() == Qt::Key_Escape) {
    PressCancel();
  } else {
    PressDefaultButton();
  }
}

}  // namespace cadmira::framework
