#pragma once

#include <QCollator>
#include <QListWidget>

#include <optional>

namespace cadmira::framework {

// A list of text rows, each with an integer of the owner's. A sorted list places every new row by
// its text, ignoring case; the horizontal scroll range is the extent the owner sets, not the
// widest row, and there is none until it is set.
class ListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBox(bool sorted, QWidget* parent = nullptr);

  // Rows added from now on sort by `collator` instead.
  void SetCollator(const QCollator& collator) { m_collator = collator; }

  // The index the row landed at.
  int AddString(const QString& text);
  void SetItemData(int index, qintptr data);
  // 0 for a row that does not exist.
  qintptr ItemData(int index) const;

  void SetHorizontalExtent(int pixels);
  int HorizontalExtent() const { return m_horizontalExtent; }

 protected:
  void updateGeometries() override;

 private:
  int Compare(const QString& a, const QString& b) const;

  bool m_sorted;
  std::optional<QCollator> m_collator;
  int m_horizontalExtent = 0;
  bool m_updatingGeometries = false;
};

}  // namespace cadmira::framework
