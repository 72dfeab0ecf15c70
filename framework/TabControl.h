#pragma once

#include <QWidget>

class QTabBar;

namespace cadmira::framework {

// A strip of tabs over a framed area. The pages are the owner's own child windows, placed and
// shown by it; the control only tells which tab is selected. Its client rectangle is the whole
// control, tabs included.
class TabControl : public QWidget {
  Q_OBJECT

 public:
  explicit TabControl(QWidget* parent = nullptr);

  int InsertItem(int index, const QString& text);
  int ItemCount() const;
  QString ItemText(int index) const;
  void SetItemText(int index, const QString& text);

  // -1 when there are no tabs.
  int CurSel() const;
  // Selects a tab without notifying anyone.
  void SetCurSel(int index);
  // Gives a tab the focus, which also selects it; a change is notified as a person's would be.
  void SetCurFocus(int index);

  QTabBar* TabBar() const { return m_tabBar; }

 signals:
  // Another tab was selected by the person (or by SetCurFocus).
  void SelectionChanged();
  // A mouse click on the control, reported after the selection it made has taken effect.
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void LayOutTabBar();
  void OnCurrentChanged();

  QTabBar* m_tabBar;
  bool m_quiet = false;
};

}  // namespace cadmira::framework
