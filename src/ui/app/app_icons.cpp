#include "ui/app/app_icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <iterator>

// The resources of a static library are registered by hand; this has to
// happen outside any namespace.
static void RegisterIconResources() {
  Q_INIT_RESOURCE(icons);
}

namespace kav {
namespace {

const QColor kInk(0x33, 0x3b, 0x45);
const QColor kPaper(0xfd, 0xfd, 0xfb);
const QColor kBlue(0x1f, 0x5f, 0xa8);
const QColor kYellow(0xf5, 0xc5, 0x18);

// Painting in a 24 x 24 grid, scaled to the size asked for.
class Sketch {
 public:
  explicit Sketch(QPainter& p) : p_(p) {}

  void Pen(const QColor& colour, double width = 1.5) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    p_.setPen(pen);
  }
  void Fill(const QColor& colour) { p_.setBrush(colour); }
  void NoFill() { p_.setBrush(Qt::NoBrush); }

  // A sheet of paper with a folded corner.
  void Sheet(double x, double y, double w, double h) {
    const double fold = w * 0.3;
    QPainterPath path;
    path.moveTo(x, y);
    path.lineTo(x + w - fold, y);
    path.lineTo(x + w, y + fold);
    path.lineTo(x + w, y + h);
    path.lineTo(x, y + h);
    path.closeSubpath();
    Pen(kInk);
    Fill(kPaper);
    p_.drawPath(path);
    NoFill();
    p_.drawPolyline(QPolygonF({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}}));
  }
  void Lines(double x, double y, double w, int count, double gap = 3.0) {
    Pen(kInk, 1.2);
    for (int i = 0; i < count; ++i)
      p_.drawLine(QPointF(x, y + i * gap), QPointF(x + w, y + i * gap));
  }
  QPainter& P() { return p_; }

 private:
  QPainter& p_;
};

void DrawNew(Sketch& s) {
  s.Sheet(5, 2.5, 14, 19);
  s.Pen(kBlue, 2.0);
  s.P().drawLine(QPointF(15, 16), QPointF(21, 16));
  s.P().drawLine(QPointF(18, 13), QPointF(18, 19));
}

void DrawOpen(Sketch& s) {
  s.Pen(kInk);
  s.Fill(QColor(0xe8, 0xb8, 0x4a));
  s.P().drawPolygon(QPolygonF({{2.5, 5}, {9, 5}, {11, 7.5}, {20, 7.5}, {20, 19.5}, {2.5, 19.5}}));
  s.Fill(QColor(0xf6, 0xd2, 0x7a));
  s.P().drawPolygon(QPolygonF({{2.5, 19.5}, {6, 10.5}, {22.5, 10.5}, {20, 19.5}}));
}

void DrawSave(Sketch& s) {
  s.Pen(kInk);
  s.Fill(kBlue);
  s.P().drawPolygon(QPolygonF({{3, 3}, {18, 3}, {21, 6}, {21, 21}, {3, 21}}));
  s.Fill(kPaper);
  s.P().drawRect(QRectF(6.5, 3, 10, 6.5));
  s.P().drawRect(QRectF(6, 13, 12, 8));
  s.Lines(8, 16, 8, 2);
}

void DrawPrinter(Sketch& s) {
  s.Sheet(6.5, 2.5, 11, 8);
  s.Pen(kInk);
  s.Fill(QColor(0x9a, 0xa3, 0xad));
  s.P().drawRoundedRect(QRectF(2.5, 9.5, 19, 8.5), 1.5, 1.5);
  s.Fill(kPaper);
  s.P().drawRect(QRectF(6.5, 14.5, 11, 7));
  s.Lines(8.5, 17, 7, 2, 2.5);
  s.Pen(QColor(0x3c, 0xb0, 0x4a), 2.0);
  s.P().drawPoint(QPointF(18.5, 12));
}

void DrawPreview(Sketch& s) {
  s.Sheet(3, 2.5, 13, 18);
  s.Lines(5.5, 8, 7, 3);
  s.Pen(kInk, 2.0);
  s.Fill(QColor(0xcf, 0xe4, 0xf7));
  s.P().drawEllipse(QPointF(15, 14.5), 4.5, 4.5);
  s.P().drawLine(QPointF(18.3, 17.8), QPointF(21.5, 21));
}

void DrawCopyText(Sketch& s) {
  s.Sheet(2.5, 2.5, 12, 15);
  s.Sheet(9.5, 6.5, 12, 15);
  s.Lines(11.5, 12.5, 7, 3);
}

void DrawCopyPicture(Sketch& s) {
  s.Sheet(2.5, 2.5, 12, 15);
  s.Pen(kInk);
  s.Fill(QColor(0xcf, 0xe4, 0xf7));
  s.P().drawRect(QRectF(9.5, 7.5, 12, 13));
  s.Pen(kInk, 1.0);
  s.Fill(QColor(0x4c, 0x9a, 0x4f));
  s.P().drawPolygon(QPolygonF({{9.5, 20.5}, {13.5, 14}, {16, 17}, {18, 15}, {21.5, 20.5}}));
  s.Fill(kYellow);
  s.P().drawEllipse(QPointF(18, 10.5), 1.6, 1.6);
}

void DrawEditInput(Sketch& s) {
  s.Sheet(3, 2.5, 14, 19);
  s.Lines(5.5, 9, 8, 4);
  s.Pen(kInk, 1.2);
  s.Fill(kYellow);
  s.P().drawPolygon(QPolygonF({{11, 20.5}, {12, 16.5}, {20, 8.5}, {23, 11.5}, {15, 19.5}}));
  s.Fill(kInk);
  s.P().drawPolygon(QPolygonF({{11, 20.5}, {11.6, 18.3}, {13.2, 19.9}}));
}

void DrawProject(Sketch& s) {
  s.Pen(kInk);
  s.Fill(kPaper);
  s.P().drawRoundedRect(QRectF(2.5, 4.5, 19, 15), 2, 2);
  s.Fill(kBlue);
  s.P().setPen(Qt::NoPen);
  s.P().drawEllipse(QPointF(8, 10), 2.6, 2.6);
  s.P().drawChord(QRectF(4, 13, 8, 8), 0, 180 * 16);
  s.Lines(13.5, 9.5, 5.5, 3);
}

void DrawHelp(Sketch& s) {
  s.Pen(kBlue, 1.5);
  s.Fill(kBlue);
  s.P().drawEllipse(QPointF(12, 12), 9.5, 9.5);
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(15);
  font.setBold(true);
  s.P().setFont(font);
  s.P().setPen(Qt::white);
  s.P().drawText(QRectF(2.5, 2.5, 19, 19), Qt::AlignCenter, QStringLiteral("?"));
}

using Drawing = void (*)(Sketch&);

// In the order of ToolIcon.
constexpr Drawing kDrawings[] = {DrawNew,     DrawOpen,     DrawSave,        DrawPrinter,
                                 DrawPreview, DrawCopyText, DrawCopyPicture, DrawEditInput,
                                 DrawProject, DrawHelp};
static_assert(std::size(kDrawings) == static_cast<std::size_t>(ToolIcon::Help) + 1);

// Draws its icon at any size; disabled, in the style's greyed form.
class DrawnIconEngine final : public QIconEngine {
 public:
  explicit DrawnIconEngine(Drawing drawing) : drawing_(drawing) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    const double side = std::min(rect.width(), rect.height());
    painter->scale(side / 24.0, side / 24.0);
    Sketch sketch(*painter);
    drawing_(sketch);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    {
      QPainter painter(&pixmap);
      paint(&painter, QRect(QPoint(0, 0), size), QIcon::Normal, state);
    }
    if (mode == QIcon::Disabled) {
      QStyleOption option;
      option.palette = QApplication::palette();
      return QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
    }
    return pixmap;
  }

  QIconEngine* clone() const override { return new DrawnIconEngine(drawing_); }

 private:
  Drawing drawing_;
};

}  // namespace

QIcon AppIcon() {
  // Made once, when first asked for: making it reads all seven pictures.
  // It is never destroyed, as its pixmaps must not outlive the application.
  static const QIcon* const icon = [] {
    RegisterIconResources();
    auto* made = new QIcon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
      made->addFile(QStringLiteral(":/icons/kav-%1.png").arg(size), QSize(size, size));
    }
    return made;
  }();
  return *icon;
}

QIcon MakeToolIcon(ToolIcon icon) {
  return QIcon(new DrawnIconEngine(kDrawings[static_cast<std::size_t>(icon)]));
}

}  // namespace kav
