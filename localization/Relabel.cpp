#include "localization/Relabel.h"

#include <algorithm>

#include <QComboBox>
#include <QFont>
#include <QWidget>

#include "framework/ControlId.h"
#include "framework/Screen.h"
#include "localization/LanguageFile.h"
#include "localization/LanguageFont.h"
#include "localization/lookup/LayoutEntry.h"
#include "localization/WindowText.h"

namespace cadmira::localization {
namespace {

// Qt's own limit on a widget's size; positions are held to it too, so that no rectangle
// arithmetic inside Qt overflows on a hostile language file.
int Scaled(int value, int dpi) { return std::min(ScaleToDpi(value, dpi), QWIDGETSIZE_MAX); }

// A top-level window's entry gives its outer size: the frame the window manager draws, once it is
// known, comes off; a fixed size is replaced, not kept.
void ResizeWindow(QWidget* window, QSize outer) {
  const QSize frame = window->frameGeometry().size() - window->geometry().size();
  const QSize client = (outer - frame).expandedTo(QSize(1, 1));
  if (window->minimumSize() == window->maximumSize()) {
    window->setFixedSize(client);
  } else {
    window->resize(client);
  }
}

void ApplyGeometry(QWidget* window, const LayoutEntry& entry) {
  const int dpi = framework::ScreenDpi();
  const int left = Scaled(*entry.left, dpi);
  const int top = Scaled(*entry.top, dpi);
  QSize size(Scaled(*entry.width, dpi), Scaled(*entry.height, dpi));
  // A combo box's height is that of its dropped list; the closed field keeps its own.
  if (qobject_cast<QComboBox*>(window) != nullptr) size.setHeight(window->height());
  // Moving and resizing keeps the stacking order and never activates a window.
  if (left != 0 || top != 0) window->move(left, top);
  if (window->isWindow()) {
    ResizeWindow(window, size);
  } else {
    window->resize(size);
  }
}

}  // namespace

void ApplyLanguageFont(QWidget* dialog) {
  QFont font = dialog->font();
  if (const auto& face = LanguageFace()) font.setFamilies({*face});
  dialog->setFont(font);
  for (QWidget* child : dialog->findChildren<QWidget*>()) child->setFont(font);
}

void RelabelWindow(QWidget* window, const QString& dialogIdText) {
  const std::optional<int> controlId = framework::ControlId(window);
  if (!controlId) return;  // made by Qt, not by a template
  const std::u16string joined = LanguageLayoutEntry(dialogIdText.toStdU16String(), *controlId);
  if (joined.empty()) return;
  const LayoutEntry entry = ParseLayoutEntry(joined);
  if (!entry.text.empty()) SetWindowText(window, QString::fromStdU16String(entry.text));
  if (entry.HasGeometry()) ApplyGeometry(window, entry);
}

void RelabelDialog(QWidget* dialog, int dialogId) {
  ApplyLanguageFont(dialog);
  const QString dialogIdText = QString::number(static_cast<unsigned int>(dialogId));
  RelabelWindow(dialog, dialogIdText);
  for (QWidget* descendant : dialog->findChildren<QWidget*>()) RelabelWindow(descendant, dialogIdText);
}

}  // namespace cadmira::localization
