#include "framework/ControlFactory.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <limits>

#include "framework/ComboBox.h"
#include "framework/DialogUnits.h"
#include "framework/GroupBox.h"
#include "framework/ListBox.h"
#include "framework/MultilineCheckBox.h"
#include "framework/ProgramIcon.h"
#include "framework/RadioButton.h"
#include "framework/Screen.h"
#include "framework/TabControl.h"
#include "framework/TreeView.h"
#include "resources/DialogTemplate.h"

namespace cadmira::framework {
namespace {

using resources::ControlKind;
using resources::ControlTemplate;

bool Has(const ControlTemplate& control, std::uint32_t style) { return (control.style & style) != 0; }

QString TextOf(const ControlTemplate& control) {
  return QString::fromUtf16(control.text.data(), static_cast<qsizetype>(control.text.size()));
}

Qt::Alignment HorizontalAlignment(const ControlTemplate& control) {
  if (Has(control, resources::kStyleCenter)) return Qt::AlignHCenter;
  if (Has(control, resources::kStyleRight)) return Qt::AlignRight;
  return Qt::AlignLeft;
}

QWidget* CreateStatic(const ControlTemplate& control, QWidget* dialog) {
  auto* label = new QLabel(TextOf(control), dialog);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(HorizontalAlignment(control) | Qt::AlignTop);
  return label;
}

QWidget* CreateIcon(QWidget* dialog) {
  auto* label = new QLabel(dialog);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The platform's large icon: 32 pixels at 96 dots per inch.
  const int side = MulDiv(32, ScreenDpi(), 96);
  // Drawn for the screen's pixel ratio, so that a doubled screen gets a sharp icon.
  label->setPixmap(ProgramIcon().pixmap(QSize(side, side), dialog->devicePixelRatioF()));
  return label;
}

QWidget* CreatePushButton(const ControlTemplate& control, QWidget* dialog) {
  auto* button = new QPushButton(TextOf(control), dialog);
  // A dialog's buttons would otherwise take Enter whenever they have the focus.
  button->setAutoDefault(false);
  button->setDefault(Has(control, resources::kStyleDefaultButton));
  return button;
}

QWidget* CreateCheckBox(const ControlTemplate& control, QWidget* dialog) {
  if (Has(control, resources::kStyleMultiline)) return new MultilineCheckBox(TextOf(control), dialog);
  return new QCheckBox(TextOf(control), dialog);
}

// A read-only edit shows the dialog's background, as the platform draws it.
void ShowReadOnlyOnWindowBackground(QWidget* edit) {
  QPalette palette = edit->palette();
  palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
  edit->setPalette(palette);
}

QWidget* CreateEdit(const ControlTemplate& control, QWidget* dialog) {
  const bool readOnly = Has(control, resources::kStyleReadOnly);
  const bool border = Has(control, resources::kStyleBorder);
  if (Has(control, resources::kStyleMultiline)) {
    auto* edit = new QPlainTextEdit(dialog);
    if (!border) edit->setFrameShape(QFrame::NoFrame);
    if (readOnly) ShowReadOnlyOnWindowBackground(edit->viewport());
    edit->setPlainText(TextOf(control));
    edit->setReadOnly(readOnly);
    const bool wraps = !Has(control, resources::kStyleAutoHScroll) && !Has(control, resources::kStyleHScroll);
    edit->setLineWrapMode(wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    edit->setVerticalScrollBarPolicy(Has(control, resources::kStyleVScroll) ? Qt::ScrollBarAlwaysOn
                                                                            : Qt::ScrollBarAlwaysOff);
    edit->setHorizontalScrollBarPolicy(Has(control, resources::kStyleHScroll) ? Qt::ScrollBarAlwaysOn
                                                                              : Qt::ScrollBarAlwaysOff);
    return edit;
  }
  auto* edit = new QLineEdit(TextOf(control), dialog);
  // Qt cuts a text at 32767 characters by default; a file's values may be longer.
  edit->setMaxLength(std::numeric_limits<int>::max());
  edit->setFrame(border);
  edit->setReadOnly(readOnly);
  if (readOnly) ShowReadOnlyOnWindowBackground(edit);
  edit->setAlignment(HorizontalAlignment(control) | Qt::AlignVCenter);
  if (Has(control, resources::kStylePassword)) edit->setEchoMode(QLineEdit::Password);
  if (Has(control, resources::kStyleNumber)) {
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
  }
  edit->setCursorPosition(0);
  return edit;
}

QWidget* CreateListBox(const ControlTemplate& control, QWidget* dialog) {
  auto* list = new ListBox(Has(control, resources::kStyleSorted), dialog);
  list->setVerticalScrollBarPolicy(Has(control, resources::kStyleVScroll) ? Qt::ScrollBarAsNeeded
                                                                          : Qt::ScrollBarAlwaysOff);
  list->setHorizontalScrollBarPolicy(Has(control, resources::kStyleHScroll) ? Qt::ScrollBarAsNeeded
                                                                            : Qt::ScrollBarAlwaysOff);
  return list;
}

QWidget* CreateTreeView(const ControlTemplate& control, QWidget* dialog) {
  auto* tree = new TreeView(Has(control, resources::kStyleCheckBoxes), dialog);
  tree->setRootIsDecorated(Has(control, resources::kStyleLinesAtRoot) || Has(control, resources::kStyleHasButtons));
  tree->setHorizontalScrollBarPolicy(Has(control, resources::kStyleHScroll) ? Qt::ScrollBarAsNeeded
                                                                            : Qt::ScrollBarAlwaysOff);
  return tree;
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& control, int radioGroup, QWidget* dialog) {
  switch (control.kind) {
    case ControlKind::Static:
      return CreateStatic(control, dialog);
    case ControlKind::Icon:
      return CreateIcon(dialog);
    case ControlKind::GroupBox:
      return new GroupBox(TextOf(control), dialog);
    case ControlKind::PushButton:
      return CreatePushButton(control, dialog);
    case ControlKind::CheckBox:
      return CreateCheckBox(control, dialog);
    case ControlKind::RadioButton:
      return new RadioButton(TextOf(control), radioGroup, dialog);
    case ControlKind::Edit:
      return CreateEdit(control, dialog);
    case ControlKind::ComboBox:
      return new ComboBox(true, dialog);
    case ControlKind::ListBox:
      return CreateListBox(control, dialog);
    case ControlKind::TreeView:
      return CreateTreeView(control, dialog);
    case ControlKind::TabControl:
      return new TabControl(dialog);
  }
  return new QWidget(dialog);
}

}  // namespace cadmira::framework
