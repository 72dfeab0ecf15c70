#include "framework/Dialog.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "framework/ControlFactory.h"
#include "framework/ControlId.h"
#include "framework/Host.h"
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

// The platform's dialog faces do not exist here. DejaVu Sans comes with fontconfig itself, so
// every machine lays the templates out with the same base units.
QString ResolveFontFamily(std::u16string_view face) {
  const QString wanted = ToQString(face);
  if (!wanted.isEmpty() && QFontDatabase::hasFamily(wanted)) return wanted;
  const QString everywhere = QStringLiteral("DejaVu Sans");
  if (QFontDatabase::hasFamily(everywhere)) return everywhere;
  return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

QFont TemplateFont(const DialogTemplateData& data, int dpi) {
  QFont font(ResolveFontFamily(data.fontFace));
  const int points = data.fontPointSize > 0 ? data.fontPointSize : kDefaultPointSize;
  font.setPixelSize(FontPixelSize(points, dpi));
  return font;
}

bool Has(const ControlTemplate& control, std::uint32_t style) { return (control.style & style) != 0; }

// A combo box's template height is that of its dropped list; the closed control is as tall as
// its field.
int ClosedComboHeight(const QWidget* combo, int templateHeight) {
  return qMin(templateHeight, combo->fontMetrics().height() + 8);
}

}  // namespace

Dialog::Dialog(int templateId, QWidget* parent) : QDialog(parent), m_templateId(templateId) {}

Dialog::~Dialog() = default;

bool Dialog::Create() {
  if (m_created) return true;
  const DialogTemplateData* data = resources::DialogTemplate(m_templateId);
  if (data == nullptr) return false;
  BuildWindow(*data);
  m_created = true;
  OnInitDialog();
  return true;
}

bool Dialog::Create(QWidget* parent) {
  if (!m_created) setParent(parent);
  return Create();
}

void Dialog::BuildWindow(const DialogTemplateData& data) {
  const int dpi = ScreenDpi();
  const QFont fontAt96 = TemplateFont(data, 96);
  m_baseUnits = MeasureBaseUnits(fontAt96);
  setFont(TemplateFont(data, dpi));
  SetControlId(this, 0);
  setWindowTitle(ToQString(data.caption));

  const QSize client(DialogUnitsToPixelsX(data.width, m_baseUnits, dpi),
                     DialogUnitsToPixelsY(data.height, m_baseUnits, dpi));
  if ((data.style & resources::kDialogChild) != 0) {
    setWindowFlags(Qt::Widget);
    resize(client);
    setVisible((data.style & resources::kDialogVisible) != 0);
  } else {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
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
  setAcceptDrops((data.style & resources::kDialogAcceptFiles) != 0);

  int radioGroup = 0;
  for (const ControlTemplate& control : data.controls) {
    if (Has(control, resources::kStyleGroup)) ++radioGroup;
    QWidget* widget = CreateControl(control, radioGroup, this);
    SetControlId(widget, control.id);
    QRect geometry = DialogUnitsToPixels(QRect(control.x, control.y, control.width, control.height), m_baseUnits, dpi);
    if (control.kind == ControlKind::ComboBox) geometry.setHeight(ClosedComboHeight(widget, geometry.height()));
    widget->setGeometry(geometry);
    if (Has(control, resources::kStyleDisabled)) widget->setEnabled(false);
    if (Has(control, resources::kStyleHidden)) widget->hide();
  }
}

QWidget* Dialog::item(int id) const {
  for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    const std::optional<int> childId = ControlId(child);
    if (childId && *childId == id) return child;
  }
  return nullptr;
}

int Dialog::DoModal() {
  if (!Create()) return kModalFailed;
  return CurrentHost().RunModal(*this);
}

void Dialog::EndDialog(int result) { done(result); }

void Dialog::accept() { EndDialog(kIdOk); }

void Dialog::reject() { EndDialog(kIdCancel); }

QRect Dialog::MapDialogRect(const QRect& dialogUnits) const {
  const int dpi = ScreenDpi();
  const int left = DialogUnitsToPixelsX(dialogUnits.left(), m_baseUnits, dpi);
  const int top = DialogUnitsToPixelsY(dialogUnits.top(), m_baseUnits, dpi);
  const int right = DialogUnitsToPixelsX(dialogUnits.left() + dialogUnits.width(), m_baseUnits, dpi);
  const int bottom = DialogUnitsToPixelsY(dialogUnits.top() + dialogUnits.height(), m_baseUnits, dpi);
  return QRect(left, top, right - left, bottom - top);
}

void Dialog::OnInitDialog() {}

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
  const int key = event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  const bool escape = key == Qt::Key_Escape;
  if (!enter && !escape) {
    QWidget::keyPressEvent(event);
    return;
  }
  if (m_keyPassThrough) {
    // The focused control has had the key; nothing more happens.
    event->accept();
    return;
  }
  if (!isWindow()) {
    // A page leaves the keys to the window it sits in.
    event->ignore();
    return;
  }
  event->accept();
  if (enter) {
    PressDefaultButton();
  } else {
    PressCancel();
  }
}

}  // namespace cadmira::framework
