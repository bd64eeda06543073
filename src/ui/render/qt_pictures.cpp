#include "ui/render/qt_pictures.h"

#include <QDir>
#include <QStringList>
#include <algorithm>
#include <memory>
#include <vector>

// The resources of a static library are registered by hand; this has to
// happen outside any namespace.
static void RegisterPictureResources() {
  Q_INIT_RESOURCE(pictures);
}

namespace kav {
namespace {

// Upper-case name -> resource path, for every picture in the resources.
const std::map<QString, QString>& PictureIndex() {
  static const std::map<QString, QString> index = [] {
    RegisterPictureResources();
    std::map<QString, QString> names;
    const QDir dir(QStringLiteral(":/pictures"));
    const QStringList files = dir.entryList({QStringLiteral("*.png")}, QDir::Files);
    for (const QString& file : files) {
      const QString name = file.left(file.size() - 4).toUpper();
      names.emplace(name, dir.filePath(file));
    }
    return names;
  }();
  return index;
}

Colour ToColour(QRgb rgb) {
  return Rgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

std::optional<IndexedImage> FromPalette(const QImage& image) {
  const QList<QRgb> table = image.colorTable();
  IndexedImage out;
  out.width = image.width();
  out.height = image.height();
  for (qsizetype i = 0; i < table.size(); ++i) {
    out.palette[static_cast<std::size_t>(i)] = ToColour(table[i]);
  }
  const auto width = static_cast<std::size_t>(out.width);
  out.indexes.resize(width * static_cast<std::size_t>(out.height));
  for (int y = 0; y < image.height(); ++y) {
    const uchar* line = image.constScanLine(y);
    const uchar* end = line + width;
    if (std::any_of(line, end, [&table](uchar index) { return index >= table.size(); })) {
      return std::nullopt;  // an index past the palette
    }
    std::copy(line, end, out.indexes.begin() + static_cast<std::ptrdiff_t>(width * y));
  }
  return out;
}

std::optional<IndexedImage> FromColours(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  IndexedImage out;
  out.width = rgb.width();
  out.height = rgb.height();
  out.indexes.reserve(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
  std::vector<Colour> colours;
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      const Colour colour = ToColour(line[x]);
      auto it = std::find(colours.begin(), colours.end(), colour);
      if (it == colours.end()) {
        if (colours.size() == out.palette.size()) return std::nullopt;
        colours.push_back(colour);
        out.palette[colours.size() - 1] = colour;
        it = colours.end() - 1;
      }
      out.indexes.push_back(static_cast<std::uint8_t>(it - colours.begin()));
    }
  }
  return out;
}

QImage Converted(const RgbImage& image) {
  QImage out(image.width, image.height, QImage::Format_RGB32);
  const Colour* pixel = image.pixels.data();
  for (int y = 0; y < image.height; ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < image.width; ++x, ++pixel) {
      line[x] = qRgb(RedOf(*pixel), GreenOf(*pixel), BlueOf(*pixel));
    }
  }
  return out;
}

}  // namespace

QString PicturePath(const std::string& name) {
  const auto& index = PictureIndex();
  const auto it = index.find(QString::fromStdString(name).toUpper());
  return it == index.end() ? QString() : it->second;
}

QImage PictureImage(const std::string& name) {
  const QString path = PicturePath(name);
  return path.isEmpty() ? QImage() : QImage(path);
}

const QImage& ToQImage(const RgbImage& image) {
  if (!image.converted) image.converted = std::make_shared<const QImage>(Converted(image));
  return *static_cast<const QImage*>(image.converted.get());
}

QImage RecolouredPicture(const std::string& name, const ColourRecord& colours) {
  const std::shared_ptr<const RgbImage> picture = SharedPicture(name, colours);
  return picture ? ToQImage(*picture) : QImage();
}

std::optional<IndexedImage> ToIndexedImage(const QImage& image) {
  if (image.isNull()) return std::nullopt;
  if (image.format() == QImage::Format_Indexed8 && image.colorCount() <= 16) {
    return FromPalette(image);
  }
  return FromColours(image);
}

std::optional<IndexedImage> QtPictureProvider::Load(const std::string& name) const {
  const QString path = PicturePath(name);
  if (path.isEmpty()) return std::nullopt;
  const std::lock_guard lock(mutex_);
  auto it = cache_.find(path);
  if (it == cache_.end()) it = cache_.emplace(path, ToIndexedImage(QImage(path))).first;
  return it->second;
}

void InstallQtPictures() {
  static const QtPictureProvider provider;
  SetPictureProvider(&provider);
}

}  // namespace kav
