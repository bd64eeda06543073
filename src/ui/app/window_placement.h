#pragma once
// The main window's placement as the "Window" settings keep it: show
// command, flags, minimised and maximised positions and the normal
// rectangle, as the older Windows program stored them (show command 1
// normal, 2 minimised, 3 maximised; flag 2: restore to maximised).
#include <array>

#include "core/settings.h"

class QWidget;

namespace kav {

struct WindowPlacement {
  static constexpr int kShowNormal = 1;
  static constexpr int kShowMinimized = 2;
  static constexpr int kShowMaximized = 3;
  static constexpr int kRestoreToMaximized = 2;

  int show = kShowMaximized;
  int flags = 0;
  int minPosX = -1;
  int minPosY = -1;
  int maxPosX = -1;
  int maxPosY = -1;
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  // The keys of the "Window" section, in the order they are read and written.
  static const std::array<const char*, 10>& Keys();

  // The window's placement now; the normal rectangle is the one it has
  // when neither maximised nor minimised.
  static WindowPlacement Of(const QWidget& window);
  // Every key read with this placement's value as its default.
  WindowPlacement ReadFrom(Settings& settings) const;
  void WriteTo(Settings& settings) const;
  // Gives the window its normal rectangle (unless no screen shows it) and
  // shows it maximised or normal; a window stored minimised comes back as
  // it was before.
  void ApplyTo(QWidget& window) const;

  bool operator==(const WindowPlacement&) const = default;
};

}  // namespace kav
