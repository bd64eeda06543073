#include "output/page_context.h"

#include <ctime>

namespace kav {
namespace {

PageContext gContext;

LocalTime SystemTime() {
  const std::time_t now = std::time(nullptr);
  const std::tm* local = std::localtime(&now);
  if (local == nullptr) return {};
  return {local->tm_hour, local->tm_min, local->tm_mday, local->tm_mon + 1, local->tm_year + 1900};
}

}  // namespace

const PageContext& CurrentPageContext() {
  return gContext;
}

void SetPageContext(PageContext context) {
  gContext = std::move(context);
}

LocalTime Now() {
  return gContext.clock ? gContext.clock() : SystemTime();
}

}  // namespace kav
