#pragma once
// Picture buttons whose states the user picks: the geometry and case
// pictures of the module dialogs. The caption names the pictures ("Tanktype"
// gives "Tanktype0", "Tanktype1" ...; the variant flag "Tanktypex0"). The
// current state's picture is shown large, with the key colours of the
// picture (olive, yellow, blue) painted in the colours the program sets;
// below it a row of small pictures of every state, each the hit rectangle
// that selects its state. CMultiButton2 adds a second dimension, two
// variants (horizontal and vertical), with one small picture each beside
// the large one.
//
// A click reaches the parent as an ordinary click (clicked()); so does a
// step with the keys: Up/Right the next state, Left/Down the previous one,
// wrapping round at the ends.
#include <QAbstractButton>
#include <QImage>
#include <QStringList>
#include <vector>

#include "core/colour.h"

namespace kav {

class CMultiButton : public QAbstractButton {
  Q_OBJECT

 public:
  // `caption` is the start of the picture names; `states` (1 to 10) pictures.
  CMultiButton(const QString& caption, int states, QWidget* parent = nullptr);

  int States() const { return states_; }
  int State() const { return state_; }
  void SetState(int state);
  // The plain pictures get the program's colours; with the variant flag
  // the "x" picture is shown as it is (the plain one in grey where there
  // is no "x" picture). A click that changes the state sets the flag.
  bool VariantFlag() const { return variantFlag_; }
  void SetVariantFlag(bool flag);
  // The key colours and what to paint them in.
  void SetColours(const ColourRecord& colours);
  // What each state shows as its tool tip.
  void SetStateToolTips(const QStringList& tips);

  // The rectangle whose click selects the state.
  QRect HitRect(int state) const;

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  CMultiButton(const QString& caption, int states, int variants, QWidget* parent);

  // The number in the picture name of a state.
  virtual int PictureNumber(int state) const { return state; }
  // What a click at `pos` selects besides a state; true when it did.
  virtual bool HitOther(QPoint) { return false; }
  virtual void PaintOther(QPainter&) {}
  virtual QString ToolTipAt(QPoint pos) const;

  // Drops the drawn pictures after a change of what they show.
  void PicturesChanged();
  // A small picture of the picture with that number.
  QImage Thumbnail(int number) const;
  QSize ThumbnailSize() const;
  QRect LargeRect() const;
  // Draws a small picture; the current one framed, and highlighted when
  // the button has the focus.
  void PaintThumbnail(QPainter& painter, const QRect& rect, int number, bool current) const;

  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QImage LargePicture() const;
  // The picture with that number; the plain one painted in `colours`.
  QImage Picture(int number, bool variantFlag, const ColourRecord& colours) const;

  QString caption_;
  int states_;
  int variants_;
  int state_ = 0;
  bool variantFlag_ = false;
  ColourRecord colours_;
  QStringList tips_;
  QSize pictureSize_;
  mutable QImage large_;
  mutable std::vector<QImage> thumbnails_;
};

class CMultiButton2 final : public CMultiButton {
  Q_OBJECT

 public:
  // `states` (1 to 10) in two variants: picture variant × states + state.
  CMultiButton2(const QString& caption, int states, QWidget* parent = nullptr);

  int Variant() const { return variant_; }
  void SetVariant(int variant);
  // Everything the program sets, at once.
  void Set(int state, int variant, const ColourRecord& colours, bool variantFlag);
  // What each variant shows as its tool tip.
  void SetVariantToolTips(const QStringList& tips);

  // The rectangle whose click selects the variant (0 or 1).
  QRect VariantRect(int variant) const;

 protected:
  int PictureNumber(int state) const override { return variant_ * States() + state; }
  bool HitOther(QPoint pos) override;
  void PaintOther(QPainter& painter) override;
  QString ToolTipAt(QPoint pos) const override;

 private:
  int variant_ = 0;
  QStringList variantTips_;
};

}  // namespace kav
