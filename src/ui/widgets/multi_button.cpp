#include "ui/widgets/multi_button.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "ui/render/qt_pictures.h"

namespace kav {
namespace {

constexpr int kMargin = 4;
constexpr int kGap = 6;
constexpr int kThumbnailScale = 5;  // small pictures are a fifth of the large one
const QSize kNoPictureSize(120, 100);

std::string PictureName(const QString& caption, const char* infix, int number) {
  return caption.toStdString() + infix + std::to_string(number);
}

}  // namespace

CMultiButton::CMultiButton(const QString& caption, int states, QWidget* parent)
    : CMultiButton(caption, states, 1, parent) {}

CMultiButton::CMultiButton(const QString& caption, int states, int variants, QWidget* parent)
    : QAbstractButton(parent),
      caption_(caption),
      states_(std::clamp(states, 1, 10)),
      variants_(variants) {
  setText(caption);
  setFocusPolicy(Qt::StrongFocus);
  const QImage first = Picture(0, false, colours_);
  pictureSize_ = first.isNull() ? kNoPictureSize : first.size();
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CMultiButton::SetState(int state) {
  state = std::clamp(state, 0, states_ - 1);
  if (state == state_) return;
  state_ = state;
  PicturesChanged();
}

void CMultiButton::SetVariantFlag(bool flag) {
  if (flag == variantFlag_) return;
  variantFlag_ = flag;
  PicturesChanged();
}

void CMultiButton::SetColours(const ColourRecord& colours) {
  colours_ = colours;
  PicturesChanged();
}

void CMultiButton::SetStateToolTips(const QStringList& tips) {
  tips_ = tips;
}

void CMultiButton::PicturesChanged() {
  large_ = QImage();
  update();
}

QSize CMultiButton::ThumbnailSize() const {
  return pictureSize_ / kThumbnailScale;
}

// The large picture, with the variant pictures beside it when there are
// variants, sits above the row of state pictures; both centred.
QRect CMultiButton::LargeRect() const {
  const QSize thumb = ThumbnailSize();
  const int top = pictureSize_.width() + (variants_ > 1 ? kGap + thumb.width() : 0);
  const int row = states_ * thumb.width() + (states_ - 1) * kGap;
  const int content = std::max(top, row);
  return QRect(QPoint(kMargin + (content - top) / 2, kMargin), pictureSize_);
}

QRect CMultiButton::HitRect(int state) const {
  const QSize thumb = ThumbnailSize();
  const int row = states_ * thumb.width() + (states_ - 1) * kGap;
  const int content = sizeHint().width() - 2 * kMargin;
  const int left = kMargin + (content - row) / 2 + state * (thumb.width() + kGap);
  return QRect(QPoint(left, kMargin + pictureSize_.height() + kGap), thumb);
}

QSize CMultiButton::sizeHint() const {
  const QSize thumb = ThumbnailSize();
  const int top = pictureSize_.width() + (variants_ > 1 ? kGap + thumb.width() : 0);
  const int row = states_ * thumb.width() + (states_ - 1) * kGap;
  return QSize(std::max(top, row) + 2 * kMargin,
               pictureSize_.height() + kGap + thumb.height() + 2 * kMargin);
}

QImage CMultiButton::Picture(int number, bool variantFlag, const ColourRecord& colours) const {
  if (!variantFlag) return RecolouredPicture(PictureName(caption_, "", number), colours);
  QImage variant = RecolouredPicture(PictureName(caption_, "x", number), ColourRecord());
  if (!variant.isNull()) return variant;
  return RecolouredPicture(PictureName(caption_, "", number), ColourRecord())
      .convertToFormat(QImage::Format_Grayscale8)
      .convertToFormat(QImage::Format_RGB32);
}

QImage CMultiButton::LargePicture() const {
  if (large_.isNull()) large_ = Picture(PictureNumber(state_), variantFlag_, colours_);
  return large_;
}

QImage CMultiButton::Thumbnail(int number) const {
  if (thumbnails_.size() <= static_cast<std::size_t>(number)) {
    thumbnails_.resize(static_cast<std::size_t>(number) + 1);
  }
  QImage& thumbnail = thumbnails_[static_cast<std::size_t>(number)];
  if (thumbnail.isNull()) {
    // The small pictures show the states as they are drawn.
    const QImage picture = Picture(number, false, ColourRecord());
    if (!picture.isNull()) {
      thumbnail = picture.scaled(ThumbnailSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
  }
  return thumbnail;
}

void CMultiButton::PaintThumbnail(QPainter& painter, const QRect& rect, int number,
                                  bool current) const {
  painter.drawImage(rect, Thumbnail(number));
  if (!current) {
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    return;
  }
  const QColor highlight = palette().color(QPalette::Highlight);
  if (hasFocus()) {
    QColor veil = highlight;
    veil.setAlpha(110);
    painter.fillRect(rect, veil);
  }
  painter.setPen(QPen(hasFocus() ? highlight : palette().color(QPalette::Dark), 2));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect.adjusted(-1, -1, 0, 0));
}

void CMultiButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect large = LargeRect();
  const QImage picture = LargePicture();
  if (picture.isNull()) {
    painter.fillRect(large, palette().color(QPalette::Base));
  } else {
    painter.drawImage(large, picture);
  }
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(large.adjusted(-1, -1, 0, 0));
  for (int state = 0; state < states_; ++state) {
    PaintThumbnail(painter, HitRect(state), PictureNumber(state), state == state_);
  }
  PaintOther(painter);
}

void CMultiButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && isDown() && rect().contains(event->pos())) {
    const QPoint pos = event->pos();
    for (int state = 0; state < states_; ++state) {
      if (HitRect(state).contains(pos) && state != state_) {
        state_ = state;
        variantFlag_ = true;
        PicturesChanged();
      }
    }
    HitOther(pos);
  }
  // Emits clicked() as any button does.
  QAbstractButton::mouseReleaseEvent(event);
}

void CMultiButton::keyPressEvent(QKeyEvent* event) {
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Right:
      step = 1;
      break;
    case Qt::Key_Left:
    case Qt::Key_Down:
      step = -1;
      break;
    default:
      QAbstractButton::keyPressEvent(event);
      return;
  }
  state_ = (state_ + step + states_) % states_;
  variantFlag_ = true;
  PicturesChanged();
  event->accept();
  emit clicked(false);
}

QString CMultiButton::ToolTipAt(QPoint pos) const {
  for (int state = 0; state < states_; ++state) {
    if (HitRect(state).contains(pos) && state < tips_.size()) return tips_[state];
  }
  if (LargeRect().contains(pos) && state_ < tips_.size()) return tips_[state_];
  return QString();
}

bool CMultiButton::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QString tip = ToolTipAt(help->pos());
    if (tip.isEmpty()) {
      QToolTip::hideText();
      event->ignore();
    } else {
      QToolTip::showText(help->globalPos(), tip, this);
    }
    return true;
  }
  return QAbstractButton::event(event);
}

// ---- CMultiButton2

CMultiButton2::CMultiButton2(const QString& caption, int states, QWidget* parent)
    : CMultiButton(caption, states, 2, parent) {}

void CMultiButton2::SetVariant(int variant) {
  variant = std::clamp(variant, 0, 1);
  if (variant == variant_) return;
  variant_ = variant;
  PicturesChanged();
}

void CMultiButton2::Set(int state, int variant, const ColourRecord& colours, bool variantFlag) {
  SetState(state);
  SetVariant(variant);
  SetColours(colours);
  SetVariantFlag(variantFlag);
}

void CMultiButton2::SetVariantToolTips(const QStringList& tips) {
  variantTips_ = tips;
}

QRect CMultiButton2::VariantRect(int variant) const {
  const QRect large = LargeRect();
  const QSize thumb = ThumbnailSize();
  const int middle = large.top() + large.height() / 2;
  const int top = variant == 0 ? middle - kGap / 2 - thumb.height() : middle + kGap / 2;
  return QRect(QPoint(large.right() + 1 + kGap, top), thumb);
}

bool CMultiButton2::HitOther(QPoint pos) {
  for (int variant = 0; variant < 2; ++variant) {
    if (VariantRect(variant).contains(pos)) {
      SetVariant(variant);
      return true;
    }
  }
  return false;
}

void CMultiButton2::PaintOther(QPainter& painter) {
  for (int variant = 0; variant < 2; ++variant) {
    PaintThumbnail(painter, VariantRect(variant), variant * States() + State(),
                   variant == variant_);
  }
}

QString CMultiButton2::ToolTipAt(QPoint pos) const {
  for (int variant = 0; variant < 2; ++variant) {
    if (VariantRect(variant).contains(pos) && variant < variantTips_.size()) {
      return variantTips_[variant];
    }
  }
  return CMultiButton::ToolTipAt(pos);
}

}  // namespace kav
