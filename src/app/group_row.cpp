#include "group_row.hpp"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace vantrel {
namespace {

constexpr int kGap = 6;  // pixels between two groups

QString qtString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A line break typed inside a group shows as U+FFFD, as in the memo.
QString shownGroup(std::string_view group) {
  QString text = qtString(group);
  for (QChar& c : text) {
    if (c == u'\n' || c == u'\r' || c == QChar(0x2028) || c == QChar(0x2029)) {
      c = QChar::ReplacementCharacter;
    }
  }
  return text;
}

}  // namespace

GroupRow::GroupRow(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void GroupRow::clear() {
  items_.clear();
  more_ = 0;
  current_ = -1;
  litPiece_ = -1;
  scroll_ = 0;
  update();
}

void GroupRow::setGroups(std::string_view report, const Translation& translation) {
  clear();
  // The groups: what the spaces separate, as the pieces name them.
  std::size_t i = 0;
  while (i < report.size()) {
    while (i < report.size() && report[i] == ' ') ++i;
    const std::size_t start = i;
    while (i < report.size() && report[i] != ' ') ++i;
    if (i == start) break;
    if (items_.size() == kMostItems) {
      ++more_;
      continue;
    }
    Item& item = items_.emplace_back();
    item.text = shownGroup(report.substr(start, i - start));
    item.at = start;
  }
  const auto& pieces = translation.pieces();
  for (std::size_t p = 0; p < pieces.size(); ++p) {
    for (const std::string_view g : pieces[p].groups) {
      const auto at = static_cast<std::size_t>(g.data() - report.data());
      const auto found = std::lower_bound(items_.begin(), items_.end(), at,
                                          [](const Item& a, std::size_t b) { return a.at < b; });
      if (found == items_.end() || found->at != at) continue;
      found->pieces.push_back(static_cast<int>(p));
      found->unread = found->unread || pieces[p].unread();
    }
  }
  layOut();
  update();
}

void GroupRow::layOut() {
  const QFontMetrics metrics(font());
  const int lineHeight = metrics.height();
  int x = 0, y = 0;
  for (Item& item : items_) {
    const int width = metrics.horizontalAdvance(item.text);
    if (x > 0 && x + width > this->width()) {
      x = 0;
      y += lineHeight;
    }
    item.rect = QRect(x, y, width, lineHeight);
    x += width + kGap;
  }
}

QRect GroupRow::itemRect(int item) const {
  return items_[static_cast<std::size_t>(item)].rect.translated(0, -scroll_);
}

int GroupRow::itemAt(QPoint point) const {
  for (std::size_t k = 0; k < items_.size(); ++k) {
    if (itemRect(static_cast<int>(k)).adjusted(0, 0, kGap, 0).contains(point)) {
      return static_cast<int>(k);
    }
  }
  return -1;
}

void GroupRow::scrollTo(int item) {
  if (item < 0) return;
  const QRect r = items_[static_cast<std::size_t>(item)].rect;
  if (r.top() < scroll_) scroll_ = r.top();
  if (r.bottom() >= scroll_ + height()) scroll_ = r.bottom() + 1 - height();
}

void GroupRow::setCurrent(int item) {
  if (item == current_) return;
  current_ = item;
  scrollTo(item);
  update();
  emit currentChanged(item);
}

void GroupRow::lightPiece(int piece) {
  if (piece == litPiece_) return;
  litPiece_ = piece;
  for (std::size_t k = 0; k < items_.size(); ++k) {
    if (itemLit(static_cast<int>(k))) {
      scrollTo(static_cast<int>(k));
      break;
    }
  }
  update();
}

bool GroupRow::itemLit(int item) const {
  const auto& pieces = items_[static_cast<std::size_t>(item)].pieces;
  return litPiece_ >= 0 && std::find(pieces.begin(), pieces.end(), litPiece_) != pieces.end();
}

void GroupRow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QPalette& colours = palette();
  for (std::size_t k = 0; k < items_.size(); ++k) {
    const int item = static_cast<int>(k);
    const QRect r = itemRect(item);
    if (r.bottom() < 0 || r.top() >= height()) continue;
    const bool lit = item == current_ || itemLit(item);
    if (lit) painter.fillRect(r.adjusted(-2, 0, 2, 0), colours.color(QPalette::Highlight));
    painter.setPen(lit                ? colours.color(QPalette::HighlightedText)
                   : items_[k].unread ? QColor(Qt::red)
                                      : colours.color(QPalette::WindowText));
    painter.drawText(r, Qt::AlignLeft | Qt::AlignVCenter, items_[k].text);
    if (item == current_ && hasFocus()) {
      painter.setPen(QPen(colours.color(QPalette::WindowText), 1, Qt::DotLine));
      painter.drawRect(r.adjusted(-2, 0, 1, -1));
    }
  }
  if (more_ != 0 && !items_.empty()) {
    const QRect last = itemRect(static_cast<int>(items_.size()) - 1);
    painter.setPen(colours.color(QPalette::WindowText));
    painter.drawText(QPoint(last.right() + kGap, last.top() + QFontMetrics(font()).ascent()),
                     tr("… %n more", nullptr, static_cast<int>(more_)));
  }
}

void GroupRow::mouseMoveEvent(QMouseEvent* event) {
  setCurrent(itemAt(event->position().toPoint()));
}

void GroupRow::leaveEvent(QEvent*) {
  if (!hasFocus()) setCurrent(-1);
}

QString GroupRow::unreadGroups() const {
  QStringList unread;
  for (const Item& item : items_) {
    if (item.unread) unread << item.text;
  }
  return unread.join(u' ');
}

void GroupRow::contextMenuEvent(QContextMenuEvent* event) {
  QMenu menu(this);
  QAction* copy = menu.addAction(tr("Copy the groups not read"));
  copy->setEnabled(!unreadGroups().isEmpty());
  connect(copy, &QAction::triggered, this,
          [this] { QGuiApplication::clipboard()->setText(unreadGroups()); });
  menu.exec(event->globalPos());
}

void GroupRow::keyPressEvent(QKeyEvent* event) {
  // Ctrl+C: the current group, or with none every group not read.
  if (event->matches(QKeySequence::Copy)) {
    QGuiApplication::clipboard()->setText(current_ >= 0 ? itemText(current_) : unreadGroups());
    return;
  }
  if (items_.empty()) {
    QWidget::keyPressEvent(event);
    return;
  }
  const int last = static_cast<int>(items_.size()) - 1;
  switch (event->key()) {
    case Qt::Key_Right:
      setCurrent(std::min(current_ + 1, last));
      break;
    case Qt::Key_Left:
      setCurrent(std::max(current_ - 1, 0));
      break;
    case Qt::Key_Home:
      setCurrent(0);
      break;
    case Qt::Key_End:
      setCurrent(last);
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

void GroupRow::focusInEvent(QFocusEvent* event) {
  if (current_ < 0 && !items_.empty()) setCurrent(0);
  update();
  QWidget::focusInEvent(event);
}

void GroupRow::focusOutEvent(QFocusEvent* event) {
  setCurrent(-1);
  QWidget::focusOutEvent(event);
}

}  // namespace vantrel
