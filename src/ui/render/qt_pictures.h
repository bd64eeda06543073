#pragma once
// The program's pictures, compiled in from resources/pictures
// (pictures.qrc): the module illustrations, the logo of the page header and
// the pictures of the welcome window.
#include <QImage>
#include <QString>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "output/picture.h"

namespace kav {

// Module pictures for the page header from the Qt resources
// ":/pictures/<NAME>.png". Names are matched regardless of letter case, so a
// dialog may ask for "Materialtype0" where a page asks for "MATERIALTYPE0".
// A picture with more than 16 colours is refused; an unknown name gives
// nothing.
class QtPictureProvider final : public PictureProvider {
 public:
  std::optional<IndexedImage> Load(const std::string& name) const override;

 private:
  mutable std::mutex mutex_;
  mutable std::map<QString, std::optional<IndexedImage>> cache_;
};

// Installs a QtPictureProvider that lives as long as the program. Call it
// before a page is drawn: page headers load their pictures when they are
// first drawn.
void InstallQtPictures();

// The resource path of the named picture (":/pictures/HEADER.png"), or an
// empty string for an unknown name; letter case does not matter.
QString PicturePath(const std::string& name);

// The named picture as stored, in whatever colours it has (the welcome
// window shows its pictures this way); a null image for an unknown name.
QImage PictureImage(const std::string& name);

// A recoloured picture as a Qt image: converted when first asked for and
// kept with the picture.
const QImage& ToQImage(const RgbImage& image);

// The named picture from the installed provider with its key colours
// painted as `colours` says (an empty record leaves them as they are); a
// null image for an unknown name. Dialog pictures are drawn this way.
QImage RecolouredPicture(const std::string& name, const ColourRecord& colours);

// A picture as palette and palette index per pixel. An indexed picture
// with at most 16 palette entries keeps its palette and indexes; any other
// picture gets a palette of its colours in the order they first occur.
// Nothing for a null picture or one with more than 16 colours.
std::optional<IndexedImage> ToIndexedImage(const QImage& image);

}  // namespace kav
