#pragma once
// Module illustrations and the header logo: 16-colour pictures found by
// name, recoloured with a module's colour record before they are drawn.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/colour.h"
#include "output/device.h"

namespace kav {

// A 16-colour picture: palette indexes row by row from the top.
struct IndexedImage {
  int width = 0;
  int height = 0;
  std::array<Colour, 16> palette{};
  std::vector<std::uint8_t> indexes;
};

// The colours the modules repaint: insulation, jacketing or facing, and a
// third surface colour.
inline constexpr Colour kOliveKey = Rgb(128, 128, 0);
inline constexpr Colour kYellowKey = Rgb(255, 255, 0);
inline constexpr Colour kBlueKey = Rgb(0, 0, 255);

class PictureProvider {
 public:
  virtual ~PictureProvider() = default;
  // The picture of that name ("MATERIALTYPE3", "HEADER"), or nothing.
  virtual std::optional<IndexedImage> Load(const std::string& name) const = 0;
};

// Stands in until the artwork exists: every name gives the same plain
// picture in the key colours, "HEADER" a plain logo block.
class PlaceholderPictures final : public PictureProvider {
 public:
  static constexpr int kWidth = 120;
  static constexpr int kHeight = 100;
  std::optional<IndexedImage> Load(const std::string& name) const override;
};

// The provider in use; the placeholders until one is installed.
const PictureProvider& CurrentPictureProvider();
// Installs a provider (not owned); null goes back to the placeholders.
void SetPictureProvider(const PictureProvider* provider);

// Every pixel in its palette colour, mapped through the colour record.
RgbImage Recolour(const IndexedImage& image, const ColourRecord& colours);

}  // namespace kav
