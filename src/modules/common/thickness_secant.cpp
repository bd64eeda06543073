#include "modules/common/thickness_secant.h"

#include <cmath>

namespace kav::search {

ThicknessSecant::Next ThicknessSecant::Take(float& s, float f) {
  halved_ = false;
  if (std::fabs(f) < tolerance_) return Next::Closed;
  if (first_) {
    first_ = false;
    sPrev_ = s;
    fPrev_ = f;
    s += 0.02f;
    return Next::Step;
  }
  if (f == fPrev_) return Next::Stuck;
  float next = Secant(s, sPrev_, f, fPrev_);
  if (next <= 0.0f) {
    next = s / 2.0f;
    halved_ = true;
  }
  sPrev_ = s;
  fPrev_ = f;
  s = next;
  return Next::Step;
}

}  // namespace kav::search
