#pragma once
// The row under the memo: the report as typed, one item a group, the groups the translation left
// unread in red. Pointing at a group (the mouse, or the arrow keys once the row has focus) makes it
// the current group, which the window answers by highlighting its sentence in the memo; the window
// can also light up the groups of a sentence the user points at in the memo. Ctrl+C or the context
// menu copies the groups not read.

#include <QString>
#include <QWidget>
#include <cstddef>
#include <vector>

#include "metar/translate.hpp"

namespace vantrel {

class GroupRow : public QWidget {
  Q_OBJECT

 public:
  // No more groups than these are shown; a "…" after them says how many more there are.
  static constexpr std::size_t kMostItems = 2000;

  explicit GroupRow(QWidget* parent = nullptr);

  // The groups of `report` and what `translation` (explained) made of them; empty: no row.
  void setGroups(std::string_view report, const Translation& translation);
  void clear();

  // The item under the pointer or the keyboard, or -1.
  int current() const noexcept { return current_; }
  int itemCount() const noexcept { return static_cast<int>(items_.size()); }
  QString itemText(int item) const { return items_[static_cast<std::size_t>(item)].text; }
  bool itemUnread(int item) const { return items_[static_cast<std::size_t>(item)].unread; }
  // The pieces (indices into Translation::pieces()) an item's group is in.
  const std::vector<int>& itemPieces(int item) const {
    return items_[static_cast<std::size_t>(item)].pieces;
  }
  // Lights up the items of `piece` (-1: none), for a sentence pointed at in the memo.
  void lightPiece(int piece);
  bool itemLit(int item) const;
  // Where an item stands in the row, for the tooltip and for tests.
  QRect itemRect(int item) const;
  void setCurrent(int item);
  // The groups not read, a space between them.
  QString unreadGroups() const;

 signals:
  // The current item changed (-1: none).
  void currentChanged(int item);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Item {
    QString text;
    std::size_t at = 0;  // where the group begins in the report
    std::vector<int> pieces;
    bool unread = false;
    QRect rect;  // in the row's text, before scrolling
  };
  void layOut();
  int itemAt(QPoint point) const;
  void scrollTo(int item);

  std::vector<Item> items_;
  std::size_t more_ = 0;  // groups not shown
  int current_ = -1;
  int litPiece_ = -1;
  int scroll_ = 0;  // the rows of text scrolled out of sight above
};

}  // namespace vantrel
