#include "framework/ComboBox.h"

#include <QLineEdit>

#include <limits>

namespace cadmira::framework {

ComboBox::ComboBox(bool withEditField, QWidget* parent) : QComboBox(parent) {
  setEditable(withEditField);
  setInsertPolicy(QComboBox::NoInsert);
  if (QLineEdit* field = lineEdit()) {
    // Qt cuts a text at 32767 characters by default; a file's values may be longer.
    field->setMaxLength(std::numeric_limits<int>::max());
    setCompleter(nullptr);
    // Qt would select an item whose text matches the field when editing ends.
    disconnect(field, &QLineEdit::editingFinished, this, nullptr);
    // A typed text is not an item: the selection ends until one is picked from the list.
    connect(field, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (currentIndex() == -1) return;
      const int caret = lineEdit()->cursorPosition();
      setCurrentIndex(-1);
      setEditText(text);
      lineEdit()->setCursorPosition(caret);
    });
  }
}

int ComboBox::AddString(const QString& text) {
  const int selected = currentIndex();
  const QString field = isEditable() ? currentText() : QString();
  addItem(text);
  if (selected == -1 && currentIndex() != -1) {
    setCurrentIndex(-1);
    if (isEditable()) setEditText(field);
  }
  return count() - 1;
}

void ComboBox::SetCurSel(int index) { setCurrentIndex(index >= 0 && index < count() ? index : -1); }

}  // namespace cadmira::framework
