#include "ui/app/window_placement.h"

#include <QGuiApplication>
#include <QWidget>

namespace kav {
namespace {

constexpr const char* kSection = "Window";
// Wider or higher than any screen: such a stored rectangle is damage.
constexpr long long kMaxExtent = 1 << 16;

// The fields in the order of the keys.
template <class Placement>
auto FieldsOf(Placement& p) {
  return std::array{&p.show,    &p.flags, &p.minPosX, &p.minPosY, &p.maxPosX,
                    &p.maxPosY, &p.left,  &p.top,     &p.right,   &p.bottom};
}

}  // namespace

const std::array<const char*, 10>& WindowPlacement::Keys() {
  static const std::array<const char*, 10> keys = {"show",    "flags",   "minposx", "minposy",
                                                   "maxposx", "maxposy", "left",    "top",
                                                   "right",   "bottom"};
  return keys;
}

WindowPlacement WindowPlacement::Of(const QWidget& window) {
  WindowPlacement placement;
  const Qt::WindowStates state = window.windowState();
  const bool maximized = state.testFlag(Qt::WindowMaximized);
  if (state.testFlag(Qt::WindowMinimized)) {
    placement.show = kShowMinimized;
    placement.flags = maximized ? kRestoreToMaximized : 0;
  } else {
    placement.show = maximized ? kShowMaximized : kShowNormal;
  }
  const QRect normal =
      window.normalGeometry().isValid() ? window.normalGeometry() : window.geometry();
  placement.left = normal.left();
  placement.top = normal.top();
  placement.right = normal.left() + normal.width();
  placement.bottom = normal.top() + normal.height();
  return placement;
}

WindowPlacement WindowPlacement::ReadFrom(Settings& settings) const {
  WindowPlacement read;
  const auto defaults = FieldsOf(*this);
  const auto fields = FieldsOf(read);
  for (std::size_t i = 0; i < Keys().size(); ++i) {
    *fields[i] = settings.GetInt(kSection, Keys()[i], *defaults[i]);
  }
  return read;
}

void WindowPlacement::WriteTo(Settings& settings) const {
  const auto fields = FieldsOf(*this);
  for (std::size_t i = 0; i < Keys().size(); ++i) settings.SetInt(kSection, Keys()[i], *fields[i]);
}

void WindowPlacement::ApplyTo(QWidget& window) const {
  // Stored corners may be anything: a width or height beyond the range of
  // coordinates is no rectangle at all.
  const long long width = static_cast<long long>(right) - left;
  const long long height = static_cast<long long>(bottom) - top;
  const bool inRange = width > 0 && height > 0 && width <= kMaxExtent && height <= kMaxExtent;
  const QRect normal =
      inRange ? QRect(left, top, static_cast<int>(width), static_cast<int>(height)) : QRect();
  const bool maximized =
      show == kShowMaximized || (show == kShowMinimized && (flags & kRestoreToMaximized) != 0);
  window.setWindowState(Qt::WindowNoState);
  // A rectangle on a screen that is no longer there is not used.
  if (!normal.isEmpty() && QGuiApplication::screenAt(normal.center()) != nullptr) {
    window.setGeometry(normal);
  }
  if (maximized) {
    window.showMaximized();
  } else {
    window.showNormal();
  }
}

}  // namespace kav
