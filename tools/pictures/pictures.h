#pragma once
// The program's pictures, drawn: the module illustrations (240 x 200), the
// logo of the page header (280 x 158) and the two welcome pictures
// (400 x 250), each in 8-bit indexed colour with the 16-colour palette;
// and the program's icon in its sizes, in full colour.
#include <QImage>
#include <string>
#include <vector>

namespace kavpic {

struct Picture {
  std::string name;  // resource name, as the modules ask for it
  QImage image;
};

std::vector<Picture> ModulePictures();
Picture HeaderLogo();
std::vector<Picture> WelcomePictures();
// "kav-16" to "kav-256".
std::vector<Picture> AppIcons();

}  // namespace kavpic
