#include "ui/app/kav_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "output/graphics_item.h"
#include "output/page_layout.h"
#include "ui/render/qt_device.h"

namespace kav {
namespace {

const QColor kDesk(0xb8, 0xbd, 0xc4);
const QColor kColumnEdge(0xd0, 0xd4, 0xd8);

bool OnCurrentPage(const CGraphicsItem* item) {
  const PageItems& items = CurrentPageList();
  return std::find(items.begin(), items.end(), item) != items.end();
}

bool OnAnyPage(const CGraphicsItem* item) {
  for (int page = 0; page < kPageCount; ++page) {
    const PageItems& items = PageList(page);
    if (std::find(items.begin(), items.end(), item) != items.end()) return true;
  }
  return false;
}

DevicePoint ToDevice(const QPointF& point) {
  return {static_cast<int>(point.x()), static_cast<int>(point.y())};
}

// The page columns: as many page widths as the content spans, one page high.
QRect PageArea() {
  return QRect(0, 0, PageColumnCount() * MmToDeviceX(PageWidthMm()), MmToDeviceY(PageHeightMm()));
}

}  // namespace

CKavView::CKavView(QWidget* parent) : QAbstractScrollArea(parent) {
  setObjectName(QStringLiteral("pageView"));
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setAutoFillBackground(false);
  setFrameShape(QFrame::NoFrame);
  OnUpdate();
}

void CKavView::OnUpdate() {
  if (selected_ != nullptr && (!OnCurrentPage(selected_) || !selected_->Selected)) {
    // Still on another page: it is not selected there either.
    if (OnAnyPage(selected_)) selected_->Selected = false;
    selected_ = nullptr;
    emit selectionChanged();
  }
  hot_ = false;
  viewport()->unsetCursor();
  const QRect page = PageArea();
  extent_ = PageExtent(page.width(), page.height());
  UpdateScrollBars();
  viewport()->update();
}

void CKavView::ClearSelection() {
  if (CGraphicsItem* item = SelectedItem()) item->Selected = false;
  SetSelection(nullptr);
  viewport()->update();
}

void CKavView::StartAtTop() {
  ClearSelection();
  hot_ = false;
  ScrollTo({0, 0});
}

DevicePoint CKavView::ScrollPosition() const {
  return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
}

void CKavView::ScrollTo(DevicePoint position) {
  horizontalScrollBar()->setValue(std::clamp(position.x, 0, ScrollLimits().width));
  verticalScrollBar()->setValue(std::clamp(position.y, 0, ScrollLimits().height));
}

DeviceSize CKavView::ScrollLimits() const {
  const QSize client = viewport()->size();
  return {std::max(extent_.width - client.width(), 0),
          std::max(extent_.height - client.height(), 0)};
}

void CKavView::UpdateScrollBars() {
  const QSize client = viewport()->size();
  const DeviceSize limits = ScrollLimits();
  // Setting the range moves a position past the new limit back to it.
  horizontalScrollBar()->setRange(0, limits.width);
  horizontalScrollBar()->setPageStep(client.width());
  horizontalScrollBar()->setSingleStep(std::max(client.width() / 8, 1));
  verticalScrollBar()->setRange(0, limits.height);
  verticalScrollBar()->setPageStep(client.height());
  verticalScrollBar()->setSingleStep(std::max(client.height() / 8, 1));
}

void CKavView::ScrollBy(int dx, int dy) {
  const DevicePoint at = ScrollPosition();
  ScrollTo({at.x + dx, at.y + dy});
}

void CKavView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollBars();
}

void CKavView::scrollContentsBy(int, int) {
  hot_ = false;
  viewport()->update();
}

void CKavView::Draw(QPainter& painter, const QSize& size) {
  const DevicePoint at = ScrollPosition();
  painter.fillRect(QRect(QPoint(0, 0), size), kDesk);
  const QRect page = PageArea().translated(-at.x, -at.y);
  painter.fillRect(page, Qt::white);
  const int columnWidth = MmToDeviceX(PageWidthMm());
  painter.setPen(kColumnEdge);
  for (int x = page.left() + columnWidth; x < page.right(); x += columnWidth) {
    painter.drawLine(x, page.top(), x, page.bottom());
  }
  QtPainterDevice device(painter, false);
  DrawCurrentPage(device, {at.x, at.y, at.x + size.width(), at.y + size.height()});
}

void CKavView::paintEvent(QPaintEvent*) {
  if (IsPrinting()) return;  // the items are laid out for the printer
  {
    QPainter painter(viewport());
    Draw(painter, viewport()->size());
  }
  emit painted();
}

QImage CKavView::VisiblePage() {
  QImage image(viewport()->size(), QImage::Format_RGB32);
  QPainter painter(&image);
  Draw(painter, image.size());
  return image;
}

void CKavView::keyPressEvent(QKeyEvent* event) {
  const QSize client = viewport()->size();
  switch (event->key()) {
    case Qt::Key_PageUp:
      ScrollBy(0, -client.height());
      break;
    case Qt::Key_PageDown:
      ScrollBy(0, client.height());
      break;
    case Qt::Key_Home:
      ScrollBy(-client.width(), 0);
      break;
    case Qt::Key_End:
      ScrollBy(client.width(), 0);
      break;
    case Qt::Key_Up:
      ScrollBy(0, -client.height() / 8);
      break;
    case Qt::Key_Down:
      ScrollBy(0, client.height() / 8);
      break;
    case Qt::Key_Left:
      ScrollBy(-client.width() / 8, 0);
      break;
    case Qt::Key_Right:
      ScrollBy(client.width() / 8, 0);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  event->accept();
}

void CKavView::wheelEvent(QWheelEvent* event) {
  // One unit of wheel turn per device unit, against the turn.
  const QPoint delta = event->angleDelta();
  ScrollBy(-delta.x(), -delta.y());
  event->accept();
}

void CKavView::SetSelection(CGraphicsItem* item) {
  if (item == selected_) return;
  selected_ = item;
  emit selectionChanged();
}

void CKavView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  if (CGraphicsItem* previous = SelectedItem()) previous->Selected = false;
  // The topmost item wins: the one drawn last is tested first.
  const DevicePoint point = ToDevice(event->position());
  const DevicePoint scroll = ScrollPosition();
  const PageItems& items = CurrentPageList();
  CGraphicsItem* hit = nullptr;
  for (auto it = items.rbegin(); it != items.rend() && hit == nullptr; ++it) {
    if ((*it)->HitTest(point, scroll)) hit = *it;
  }
  SetSelection(hit);
  viewport()->update();
}

void CKavView::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const DevicePoint point = ToDevice(event->position());
  const DevicePoint scroll = ScrollPosition();
  const PageItems items = CurrentPageList();  // help may take a while; the list may change
  for (auto it = items.rbegin(); it != items.rend(); ++it) {
    if ((*it)->ShowHelp(point, scroll)) break;
  }
}

void CKavView::SetHot(const CGraphicsItem* item) {
  hot_ = item != nullptr;
  if (hot_) {
    hotRect_ = item->Rect;
    viewport()->setCursor(Qt::PointingHandCursor);
  } else {
    viewport()->unsetCursor();
  }
}

void CKavView::mouseMoveEvent(QMouseEvent* event) {
  const DevicePoint scroll = ScrollPosition();
  const DevicePoint point = ToDevice(event->position()) + scroll;
  if (hot_ && hotRect_.Contains(point)) return;
  const PageItems& items = CurrentPageList();
  const auto hit = std::find_if(items.begin(), items.end(), [point](const CGraphicsItem* item) {
    return item->Contains(point);
  });
  SetHot(hit == items.end() ? nullptr : *hit);
}

CGraphicsItem* CKavView::SelectedItem() const {
  return selected_ != nullptr && OnCurrentPage(selected_) ? selected_ : nullptr;
}

bool CKavView::CanCopyText() const {
  const CGraphicsItem* item = SelectedItem();
  // Tables and graphs copy themselves; headers, footers and texts do not.
  return item != nullptr && item->Selected &&
         (item->Kind() == ItemKind::Table || item->Kind() == ItemKind::Graph);
}

void CKavView::CopyText() {
  if (CanCopyText()) SelectedItem()->CopyToClipboard();
}

void CKavView::CopyPicture() {
  QGuiApplication::clipboard()->setImage(VisiblePage());
}

}  // namespace kav
