#pragma once
// What the page headers need from the document, which lives in a higher
// layer: the document fills these hooks once it exists. An empty hook
// gives nothing (no project, no path, the page's initial picture) or, for
// the clock, the system's local time.
#include <functional>
#include <string>

#include "core/colour.h"
#include "core/project.h"

namespace kav {

struct LocalTime {
  int hour = 0;
  int minute = 0;
  int day = 1;
  int month = 1;
  int year = 1970;
};

struct PageContext {
  std::function<const CProject*()> project;
  std::function<std::string()> documentPath;
  // The active module's picture name, filling its colour record.
  std::function<std::string(ColourRecord&)> activePictureName;
  std::function<LocalTime()> clock;
};

const PageContext& CurrentPageContext();
void SetPageContext(PageContext context);
// The time through the clock hook.
LocalTime Now();

}  // namespace kav
