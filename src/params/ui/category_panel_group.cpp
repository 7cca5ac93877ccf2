#include "params/ui/category_panel_group.h"

#include "common/ui/zentar_dialog.h"

#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace zentar {

// ---------------------------------------------------------------- header

TCategory_Panel_Header::TCategory_Panel_Header(QWidget* parent) : QWidget(parent) {
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void TCategory_Panel_Header::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QLinearGradient g(0, 0, 0, height());
  g.setColorAt(0, QColor(255, 255, 255));
  g.setColorAt(1, QColor(231, 216, 216));
  p.fillRect(rect(), g);
  p.setPen(QColor(200, 190, 190));
  p.drawLine(0, height() - 1, width(), height() - 1);

  p.setFont(Verdana_Pixel_Font(15, true));
  p.setPen(QColor(128, 128, 128));
  p.drawText(rect().adjusted(8, 0, -28, 0), Qt::AlignVCenter | Qt::AlignLeft, caption);

  // Chevron: pointing up while expanded (click collapses), down while collapsed.
  const QColor chevron = hot_ ? QColor(255, 0, 0) : QColor(96, 96, 96);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(chevron, 2));
  const int cx = width() - 16, cy = height() / 2;
  const int dir = collapsed ? 1 : -1; // tip below (down) or above (up)
  for (const int shift : {-2, 2}) {
    const double y = cy + shift;
    const QPointF tip(cx, y + 2.5 * dir);
    p.drawLine(QPointF(cx - 5, y - 2.5 * dir), tip);
    p.drawLine(tip, QPointF(cx + 5, y - 2.5 * dir));
  }
}

void TCategory_Panel_Header::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Clicked();
}

void TCategory_Panel_Header::enterEvent(QEnterEvent*) {
  hot_ = true;
  update();
}

void TCategory_Panel_Header::leaveEvent(QEvent*) {
  hot_ = false;
  update();
}

// ---------------------------------------------------------------- panel

TCategory_Panel::TCategory_Panel(TCategory_Panel_Group& group, QWidget* parent)
    : QWidget(parent), group_(group), header_(new TCategory_Panel_Header(this)),
      client_(new QWidget(this)) {
  connect(header_, &TCategory_Panel_Header::Clicked, this, [this] { Set_Collapsed(!collapsed_); });
}

void TCategory_Panel::Set_Caption(const QString& caption) {
  header_->caption = caption;
  header_->update();
}

QString TCategory_Panel::Caption() const { return header_->caption; }

void TCategory_Panel::Set_Expanded_Height(int height) {
  if (height == expanded_height_) return;
  expanded_height_ = height;
  group_.Reflow();
}

void TCategory_Panel::Set_Collapsed(bool collapsed) {
  if (collapsed == collapsed_) return;
  collapsed_ = collapsed;
  header_->collapsed = collapsed;
  header_->update();
  client_->setVisible(!collapsed);
  group_.Reflow();
}

void TCategory_Panel::resizeEvent(QResizeEvent*) {
  const int h = TCategory_Panel_Group::Header_Height;
  header_->setGeometry(0, 0, width(), h);
  client_->setGeometry(0, h, width(), std::max(0, expanded_height_ - h));
}

// ---------------------------------------------------------------- group

TCategory_Panel_Group::TCategory_Panel_Group(QWidget* parent)
    : QScrollArea(parent), content_(new QWidget) {
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidgetResizable(false);
  verticalScrollBar()->setTracking(true);
  verticalScrollBar()->setSingleStep(8);
  content_->setObjectName(QStringLiteral("CPG_Content"));
  setWidget(content_);
}

TCategory_Panel* TCategory_Panel_Group::Add_Panel(const QString& object_name) {
  auto* panel = new TCategory_Panel(*this, content_);
  panel->setObjectName(object_name);
  panels_.push_back(panel);
  return panel;
}

void TCategory_Panel_Group::Set_Order(const std::vector<TCategory_Panel*>& order) {
  std::vector<TCategory_Panel*> sorted = order;
  for (TCategory_Panel* p : panels_)
    if (std::find(order.begin(), order.end(), p) == order.end()) sorted.push_back(p);
  panels_ = sorted;
  Reflow();
}

void TCategory_Panel_Group::Reflow() {
  const int width = viewport()->width();
  int top = 0;
  for (TCategory_Panel* p : panels_) {
    if (p->isHidden()) continue;
    const int h = p->Collapsed() ? Header_Height : p->Expanded_Height();
    p->setGeometry(0, top, width, h);
    top += h;
  }
  content_->resize(width, top);
}

void TCategory_Panel_Group::Scroll_Line(bool up) {
  verticalScrollBar()->triggerAction(up ? QAbstractSlider::SliderSingleStepSub
                                        : QAbstractSlider::SliderSingleStepAdd);
}

void TCategory_Panel_Group::resizeEvent(QResizeEvent* event) {
  QScrollArea::resizeEvent(event);
  Reflow();
}

} // namespace zentar
