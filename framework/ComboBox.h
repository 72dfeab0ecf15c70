#pragma once

#include <QComboBox>

namespace cadmira::framework {

// A drop-down list, with an edit field when asked. The field may show a text while no item is
// selected; typing in it never selects an item and ends any selection, only picking from the list
// selects one; adding items
// keeps the selection and the field as they were.
class ComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ComboBox(bool withEditField, QWidget* parent = nullptr);

  // The index the item landed at (always the end: the list is not sorted).
  int AddString(const QString& text);
  // -1 when no item is selected.
  int CurSel() const { return currentIndex(); }
  // -1 selects nothing and empties the field.
  void SetCurSel(int index);
};

}  // namespace cadmira::framework
