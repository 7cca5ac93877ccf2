#pragma once
// A scrolling group of collapsible category panels stacked from the top: each
// panel has a header (caption, collapse/expand chevron) and a client area for
// its controls. Collapsing or expanding a panel, or changing its height,
// reflows the panels below it.
#include <QScrollArea>
#include <QString>
#include <vector>

namespace zentar {

class TCategory_Panel_Group;

class TCategory_Panel_Header : public QWidget {
  Q_OBJECT
public:
  explicit TCategory_Panel_Header(QWidget* parent);
  QString caption;
  bool collapsed = false;

signals:
  void Clicked();

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

private:
  bool hot_ = false;
};

class TCategory_Panel : public QWidget {
  Q_OBJECT
public:
  TCategory_Panel(TCategory_Panel_Group& group, QWidget* parent);

  void Set_Caption(const QString& caption);
  QString Caption() const;
  // Height with the panel expanded, header included.
  void Set_Expanded_Height(int height);
  int Expanded_Height() const { return expanded_height_; }
  bool Collapsed() const { return collapsed_; }
  void Set_Collapsed(bool collapsed);

  // Parent of the panel's controls; its origin is just below the header.
  QWidget* Client() const { return client_; }
  TCategory_Panel_Header* Header() const { return header_; }

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  TCategory_Panel_Group& group_;
  TCategory_Panel_Header* header_;
  QWidget* client_;
  int expanded_height_ = 100;
  bool collapsed_ = false;
};

class TCategory_Panel_Group : public QScrollArea {
  Q_OBJECT
public:
  explicit TCategory_Panel_Group(QWidget* parent);

  TCategory_Panel* Add_Panel(const QString& object_name);
  const std::vector<TCategory_Panel*>& Panels() const { return panels_; }
  // Display order of the panels; panels not listed follow in creation order.
  void Set_Order(const std::vector<TCategory_Panel*>& order);

  static constexpr int Header_Height = 24;

  // Stacks the shown panels: the first at top 0, each next one at the
  // previous top plus its height; the scroll range follows the total.
  void Reflow();
  // One vertical-scroll request of a line up or down.
  void Scroll_Line(bool up);

protected:
  void resizeEvent(QResizeEvent* event) override;

private:
  QWidget* content_;
  std::vector<TCategory_Panel*> panels_;
};

} // namespace zentar
