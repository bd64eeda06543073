#pragma once
// Module illustrations and the header logo: 16-colour pictures found by
// name, recoloured with a module's colour record before they are drawn.
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
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
// Pictures made from the old one are not given out again.
void SetPictureProvider(const PictureProvider* provider);

// Every pixel in its palette colour, mapped through the colour record.
RgbImage Recolour(const IndexedImage& image, const ColourRecord& colours);

// The named picture from the provider in use, recoloured. Whoever asks for
// the same name in the same colours while someone holds the picture gets
// that same picture (the page headers share one logo). Nothing for a name
// the provider does not know.
std::shared_ptr<const RgbImage> SharedPicture(const std::string& name, const ColourRecord& colours);

// A picture by name and colours, made (SharedPicture) when it is first
// wanted: a page's pictures are built when the page is first drawn.
class LazyPicture {
 public:
  LazyPicture() = default;
  explicit LazyPicture(std::string name) : name_(std::move(name)) {}

  // Names the picture to show from now on. The one made so far is kept
  // until the new one is made, so the same name and colours give the same
  // picture again.
  void Set(std::string name, const ColourRecord& colours);

  const std::string& Name() const { return name_; }
  const ColourRecord& Colours() const { return colours_; }
  // The picture, made now if need be; empty when its name gives none.
  const RgbImage& Image() const;

 private:
  std::string name_;
  ColourRecord colours_;
  mutable std::shared_ptr<const RgbImage> image_;
  mutable bool made_ = false;
};

}  // namespace kav
