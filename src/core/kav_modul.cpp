#include "core/kav_modul.h"

namespace kav {

std::string CKavModul::PictureName(ColourRecord&) const {
  return std::string();
}

}  // namespace kav
