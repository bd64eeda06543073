#include "data/replacement.h"

#include "core/platform.h"
#include "core/strings.h"

namespace kav {

CListItem* ChooseReplacement(const ObjectList& choices, const std::string& prompt,
                             const std::string& helpTopic) {
  if (choices.empty()) return nullptr;
  ChoiceRequest request{Str(ids::ReplacementDialogTitle), prompt, {}, 0, helpTopic};
  for (const CListItem* row : choices) request.entries.push_back(row->Name);
  const int chosen = CurrentPlatform().Choose(request);
  if (chosen < 0 || static_cast<std::size_t>(chosen) >= choices.size()) return nullptr;
  return choices.at(static_cast<std::size_t>(chosen));
}

}  // namespace kav
