#pragma once

#include <map>

#include <QPersistentModelIndex>
#include <QPoint>
#include <QString>
#include <QTreeWidget>

class QAccessibleInterface;

namespace cadmira::framework {

// A tree of text items, each with an integer of the owner's. With check boxes every item shows
// state image 1 (unchecked) or 2 (checked); a click on the box toggles it, after the click has
// been reported, and Space toggles the current item. One item at a time may carry the
// drop-highlight, which is drawn like a selection and set only by the owner.
class TreeView : public QTreeWidget {
  Q_OBJECT

 public:
  static constexpr int kStateNone = 0;
  static constexpr int kStateUnchecked = 1;
  static constexpr int kStateChecked = 2;

  struct HitTestResult {
    QTreeWidgetItem* item = nullptr;
    bool onStateIcon = false;
  };

  TreeView(bool checkBoxes, QWidget* parent = nullptr);

  // Appended as the last child of `parent` (top level when null), unchecked and collapsed.
  QTreeWidgetItem* InsertItem(const QString& text, QTreeWidgetItem* parent = nullptr);

  int StateImage(const QTreeWidgetItem* item) const;
  void SetStateImage(QTreeWidgetItem* item, int state);
  bool Checked(const QTreeWidgetItem* item) const { return StateImage(item) == kStateChecked; }
  void SetChecked(QTreeWidgetItem* item, bool checked);
  // Draws an unchecked item's box as partly checked, or plain again; a checked item keeps its
  // tick. It still reads as unchecked, and a toggle checks it.
  void SetPartlyChecked(QTreeWidgetItem* item, bool partly);
  bool PartlyChecked(const QTreeWidgetItem* item) const;

  void SetItemData(QTreeWidgetItem* item, quintptr data);
  quintptr ItemData(const QTreeWidgetItem* item) const;

  QTreeWidgetItem* DropHighlight() const;
  // Null removes the highlight.
  void SetDropHighlight(QTreeWidgetItem* item);

  // `point` in viewport (client) coordinates.
  HitTestResult HitTest(const QPoint& point) const;

  // What a screen reader says of an item in each check state ("checked", "not checked", "partly
  // checked"), given as the item's accessible description: the platform's bridge reports no
  // checkable state for a tree item, and screen readers speak a focused item's description and
  // every change of it.
  void SetCheckStateTexts(std::map<Qt::CheckState, QString> texts);
  // What screen readers are given for `item`: Qt's interface of its row; null when it is not shown.
  QAccessibleInterface* AccessibleItem(QTreeWidgetItem* item);

 signals:
  // A left click at `point` (viewport coordinates), reported before the tree toggles a check box
  // that the click hit.
  void Clicked(const QPoint& point);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QRect StateIconRect(const QModelIndex& index) const;
  void Toggle(QTreeWidgetItem* item);
  void DescribeCheckState(QTreeWidgetItem* item);
  void AnnounceCheckState(QTreeWidgetItem* item);

  std::map<Qt::CheckState, QString> m_checkStateTexts;

  bool m_checkBoxes;
  QPersistentModelIndex m_dropHighlight;
  QPersistentModelIndex m_pressed;
};

}  // namespace cadmira::framework
