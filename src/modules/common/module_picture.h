#pragma once
// The module illustrations: their key colours, which PictureName has
// painted in the colours of the chosen rows, the colours painted where a
// row is missing, and the numbered picture names.
#include <string>

#include "core/colour.h"

namespace kav {

inline constexpr Colour kKeyOlive = Rgb(128, 128, 0);
inline constexpr Colour kKeyYellow = Rgb(255, 255, 0);
inline constexpr Colour kKeyBlue = Rgb(0, 0, 255);

inline constexpr Colour kNoProductColour = Rgb(255, 255, 0);
inline constexpr Colour kNoHoseProductColour = Rgb(0, 0, 0);
inline constexpr Colour kNoSurfaceColour = Rgb(192, 192, 192);

// "MATERIALTYPE" and 7 give "MATERIALTYPE7".
inline std::string NumberedPicture(const char* base, int number) {
  return base + std::to_string(number);
}

// The picture of an object type in an orientation: "KANAL", vertical 1, 2
// per orientation and type 1 give "KANAL3". The stored orientation may hold
// any integer, so the number is made in 64 bits.
inline std::string OrientedPicture(const char* base, int vertical, int perOrientation, int index) {
  return base + std::to_string(static_cast<long long>(vertical) * perOrientation + index);
}

}  // namespace kav
