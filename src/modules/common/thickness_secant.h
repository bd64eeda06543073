#pragma once
// The secant search on an insulation thickness s (m) that the condensation
// modules share: a first step of 0.02 m, then secant steps on the residual;
// a step to zero or below goes to half the thickness instead.
#include "modules/common/surface_search.h"

namespace kav::search {

class ThicknessSecant {
 public:
  enum class Next { Step, Closed, Stuck };

  // The residual closes at |f| < tolerance.
  explicit ThicknessSecant(float tolerance = kBalance) : tolerance_(tolerance) {}

  // Takes the residual f at s and moves s on, unless the search is over.
  // Identical residuals on two steps end it (Stuck): no secant step can be
  // taken.
  Next Take(float& s, float f);
  // Whether the last step went to half the thickness.
  bool Halved() const { return halved_; }

 private:
  float tolerance_;
  bool first_ = true;
  bool halved_ = false;
  float sPrev_ = 0.0f;
  float fPrev_ = 0.0f;
};

}  // namespace kav::search
