#include "framework/TemplateWindow.h"

#include <QKeyEvent>

#include "framework/AccessibleNames.h"
#include "framework/ControlFactory.h"
#include "framework/ControlId.h"
#include "framework/DialogFont.h"
#include "framework/Screen.h"
#include "resources/DialogTemplate.h"

namespace cadmira::framework {
namespace {

using resources::ControlKind;
using resources::ControlTemplate;
using resources::DialogTemplateData;

constexpr int kDefaultPointSize = 8;

QString ToQString(std::u16string_view text) {
  return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

int PointSize(const DialogTemplateData& data) {
  return data.fontPointSize > 0 ? data.fontPointSize : kDefaultPointSize;
}

bool Has(const ControlTemplate& control, std::uint32_t style) { return (control.style & style) != 0; }

// A combo box's template height is that of its dropped list; the closed control is as tall as
// its field.
int ClosedComboHeight(const QWidget* combo, int templateHeight) {
  return qMin(templateHeight, combo->fontMetrics().height() + 8);
}

}  // namespace

bool IsDialogKey(const QKeyEvent* event) {
  const int key = event->key();
  return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

TemplateWindow::TemplateWindow(QWidget& window, int templateId) : m_window(window), m_templateId(templateId) {}

TemplateWindow::~TemplateWindow() = default;

bool TemplateWindow::Create() {
  if (m_created) return true;
  const DialogTemplateData* data = resources::DialogTemplate(m_templateId);
  if (data == nullptr) return false;
  BuildControls(*data);
  m_created = true;
  OnInitDialog();
  // After the initialisation, which gives the statics their texts.
  NameControlsAfterTheirLabels(&m_window);
  return true;
}

bool TemplateWindow::Create(QWidget* parent) {
  if (!m_created) m_window.setParent(parent);
  return Create();
}

void TemplateWindow::BuildControls(const DialogTemplateData& data) {
  const int dpi = ScreenDpi();
  m_baseUnits = DialogFontBaseUnits(PointSize(data));
  m_window.setFont(DialogFont(PointSize(data), dpi));
  SetControlId(&m_window, 0);
  m_window.setWindowTitle(ToQString(data.caption));
  ApplyFrame(data, QSize(DialogUnitsToPixelsX(data.width, m_baseUnits, dpi),
                         DialogUnitsToPixelsY(data.height, m_baseUnits, dpi)));
  m_window.setAcceptDrops((data.style & resources::kDialogAcceptFiles) != 0);

  int radioGroup = 0;
  for (const ControlTemplate& control : data.controls) {
    if (Has(control, resources::kStyleGroup)) ++radioGroup;
    QWidget* widget = CreateControl(control, radioGroup, &m_window);
    SetControlId(widget, control.id);
    QRect geometry = DialogUnitsToPixels(QRect(control.x, control.y, control.width, control.height), m_baseUnits, dpi);
    if (control.kind == ControlKind::ComboBox) geometry.setHeight(ClosedComboHeight(widget, geometry.height()));
    widget->setGeometry(geometry);
    if (Has(control, resources::kStyleDisabled)) widget->setEnabled(false);
    if (Has(control, resources::kStyleHidden)) widget->hide();
  }
}

QWidget* TemplateWindow::item(int id) const {
  for (QWidget* child : m_window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const std::optional<int> childId = ControlId(child);
    if (childId && *childId == id) return child;
  }
  return nullptr;
}

QRect TemplateWindow::MapDialogRect(const QRect& dialogUnits) const {
  const int dpi = ScreenDpi();
  const int left = DialogUnitsToPixelsX(dialogUnits.left(), m_baseUnits, dpi);
  const int top = DialogUnitsToPixelsY(dialogUnits.top(), m_baseUnits, dpi);
  const int right = DialogUnitsToPixelsX(dialogUnits.left() + dialogUnits.width(), m_baseUnits, dpi);
  const int bottom = DialogUnitsToPixelsY(dialogUnits.top() + dialogUnits.height(), m_baseUnits, dpi);
  return QRect(left, top, right - left, bottom - top);
}

void TemplateWindow::OnInitDialog() {}

void TemplateWindow::ApplyChildFrame(const DialogTemplateData& data, const QSize& client) {
  m_window.setWindowFlags(Qt::Widget);
  m_window.resize(client);
  // An unparented page stays hidden until its owner adopts it, or it would open as a window.
  m_window.setVisible(m_window.parentWidget() != nullptr && (data.style & resources::kDialogVisible) != 0);
}

bool TemplateWindow::SwallowDialogKey(QKeyEvent* event) const {
  if (!m_keyPassThrough || !IsDialogKey(event)) return false;
  // The focused control has had the key; nothing more happens.
  event->accept();
  return true;
}

}  // namespace cadmira::framework
