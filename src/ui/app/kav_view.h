#pragma once
// The page view: shows the current module page on white page columns,
// scrolls over it with the scroll bars, the keys and the wheel, shows the
// hand cursor over page items, selects an item by a click (the topmost),
// opens an item's help on a double-click, and copies the selected item as
// text or the visible part of the page as a picture.
#include <QAbstractScrollArea>
#include <QImage>

#include "output/device.h"

namespace kav {

class CGraphicsItem;

class CKavView final : public QAbstractScrollArea {
  Q_OBJECT

 public:
  explicit CKavView(QWidget* parent = nullptr);

  // After every change of the document: the page extent of the current
  // page, the scroll limits and bars, a redraw; a selection that is no
  // longer on the page is dropped.
  void OnUpdate();

  // Nothing selected, the item that was no longer marked.
  void ClearSelection();
  // A new or opened document: nothing selected and the top left corner of
  // its page in view.
  void StartAtTop();

  // The scroll position: the page point at the view's top left corner.
  DevicePoint ScrollPosition() const;
  void ScrollTo(DevicePoint position);
  // The largest scroll positions: page extent less the view's size, at
  // least 0.
  DeviceSize ScrollLimits() const;
  DeviceSize PageSize() const { return extent_; }

  // The item selected by the last click, if it is still on the page.
  CGraphicsItem* SelectedItem() const;
  // Whether "Kopier som tekst" can copy the selection.
  bool CanCopyText() const;
  void CopyText();
  // Puts the visible part of the page on the clipboard as a picture.
  void CopyPicture();
  // The visible part of the page as the view draws it.
  QImage VisiblePage();

 signals:
  // The selection changed (and with it whether it can be copied).
  void selectionChanged();
  // The page has been painted in the window.
  void painted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void Draw(QPainter& painter, const QSize& size);
  void UpdateScrollBars();
  void ScrollBy(int dx, int dy);
  void SetSelection(CGraphicsItem* item);
  void SetHot(const CGraphicsItem* item);

  DeviceSize extent_;
  CGraphicsItem* selected_ = nullptr;
  bool hot_ = false;
  DeviceRect hotRect_;
};

}  // namespace kav
