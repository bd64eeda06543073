#include "output/picture.h"

#include <algorithm>
#include <cstdlib>
#include <mutex>

namespace kav {
namespace {

// The sixteen colours of the standard palette.
constexpr std::array<Colour, 16> kStandardPalette = {
    Rgb(0, 0, 0),       Rgb(128, 0, 0),   Rgb(0, 128, 0),   Rgb(128, 128, 0),
    Rgb(0, 0, 128),     Rgb(128, 0, 128), Rgb(0, 128, 128), Rgb(192, 192, 192),
    Rgb(128, 128, 128), Rgb(255, 0, 0),   Rgb(0, 255, 0),   Rgb(255, 255, 0),
    Rgb(0, 0, 255),     Rgb(255, 0, 255), Rgb(0, 255, 255), Rgb(255, 255, 255)};

std::uint8_t IndexOf(Colour colour) {
  const auto* it = std::find(kStandardPalette.begin(), kStandardPalette.end(), colour);
  return static_cast<std::uint8_t>(it - kStandardPalette.begin());
}

IndexedImage Blank(int width, int height, Colour background) {
  IndexedImage image;
  image.width = width;
  image.height = height;
  image.palette = kStandardPalette;
  image.indexes.assign(static_cast<std::size_t>(width * height), IndexOf(background));
  return image;
}

// A section through an insulated pipe, drawn as nested squares from the
// outside in: surface, jacketing, insulation, pipe wall, medium.
IndexedImage ModulePicture() {
  constexpr std::array<Colour, 5> kRings = {kBlueKey, kYellowKey, kOliveKey, Rgb(128, 128, 128),
                                            Rgb(255, 255, 255)};
  IndexedImage image =
      Blank(PlaceholderPictures::kWidth, PlaceholderPictures::kHeight, Rgb(255, 255, 255));
  const int cx = image.width / 2;
  const int cy = image.height / 2;
  const int outer = cy - 5;  // a 5-pixel margin, then rings 9 pixels wide
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const int depth = outer - std::max(std::abs(x - cx), std::abs(y - cy));
      if (depth < 0) continue;
      const auto ring = std::min(static_cast<std::size_t>(depth / 9), kRings.size() - 1);
      image.indexes[static_cast<std::size_t>(y * image.width + x)] = IndexOf(kRings[ring]);
    }
  }
  return image;
}

// A navy block with a white band: the logo's place.
IndexedImage LogoPicture() {
  IndexedImage image = Blank(140, 79, Rgb(0, 0, 128));
  for (int y = 34; y < 45; ++y) {
    for (int x = 10; x < 130; ++x) {
      image.indexes[static_cast<std::size_t>(y * image.width + x)] = IndexOf(Rgb(255, 255, 255));
    }
  }
  return image;
}

const PlaceholderPictures gPlaceholders;
const PictureProvider* gProvider = &gPlaceholders;

bool SameColours(const ColourRecord& a, const ColourRecord& b) {
  if (a.count != b.count) return false;
  for (std::size_t i = 0; i < static_cast<std::size_t>(a.count); ++i) {
    if (a.pairs[i].from != b.pairs[i].from || a.pairs[i].to != b.pairs[i].to) return false;
  }
  return true;
}

// The pictures SharedPicture has given out and someone still holds.
struct Shared {
  std::string name;
  ColourRecord colours;
  std::weak_ptr<const RgbImage> picture;
};
std::mutex gSharedMutex;
std::vector<Shared> gShared;

}  // namespace

std::optional<IndexedImage> PlaceholderPictures::Load(const std::string& name) const {
  if (name.empty()) return std::nullopt;
  return name == "HEADER" ? LogoPicture() : ModulePicture();
}

const PictureProvider& CurrentPictureProvider() {
  return *gProvider;
}

void SetPictureProvider(const PictureProvider* provider) {
  gProvider = provider != nullptr ? provider : &gPlaceholders;
  const std::lock_guard lock(gSharedMutex);
  gShared.clear();
}

RgbImage Recolour(const IndexedImage& image, const ColourRecord& colours) {
  std::array<Colour, 16> palette{};
  std::transform(image.palette.begin(), image.palette.end(), palette.begin(),
                 [&colours](Colour colour) { return colours.Map(colour); });
  RgbImage out;
  out.width = image.width;
  out.height = image.height;
  out.pixels.resize(image.indexes.size());
  std::transform(image.indexes.begin(), image.indexes.end(), out.pixels.begin(),
                 [&palette](std::uint8_t index) { return palette[index & 0x0Fu]; });
  return out;
}

std::shared_ptr<const RgbImage> SharedPicture(const std::string& name,
                                              const ColourRecord& colours) {
  const std::lock_guard lock(gSharedMutex);
  std::erase_if(gShared, [](const Shared& shared) { return shared.picture.expired(); });
  for (const Shared& shared : gShared) {
    if (shared.name != name || !SameColours(shared.colours, colours)) continue;
    if (auto picture = shared.picture.lock()) return picture;
  }
  const std::optional<IndexedImage> indexed = CurrentPictureProvider().Load(name);
  if (!indexed) return nullptr;
  auto picture = std::make_shared<const RgbImage>(Recolour(*indexed, colours));
  gShared.push_back({name, colours, picture});
  return picture;
}

void LazyPicture::Set(std::string name, const ColourRecord& colours) {
  name_ = std::move(name);
  colours_ = colours;
  made_ = false;
}

const RgbImage& LazyPicture::Image() const {
  static const RgbImage kNone;
  if (!made_) {
    image_ = SharedPicture(name_, colours_);
    made_ = true;
  }
  return image_ ? *image_ : kNone;
}

}  // namespace kav
