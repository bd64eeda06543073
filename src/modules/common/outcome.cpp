#include "modules/common/outcome.h"

#include "core/strings.h"

namespace kav {

void Outcome::Refuse(int reasonId) {
  Fail(ids::CalculationNotPossible, FormatId(ids::CalculationNotPossible, Str(reasonId)));
}

bool AskUser(const Notice& question) {
  switch (question.buttons) {
    case Notice::Buttons::OkCancel:
      return AskOkCancel(question.text, question.icon);
    case Notice::Buttons::YesNo:
      return AskYesNo(question.text, question.icon);
    case Notice::Buttons::Ok:
      break;
  }
  ShowMessage(question.text, question.icon);
  return true;
}

void ShowOutcome(const Outcome& outcome) {
  for (const Notice& notice : outcome.notices) ShowMessage(notice.text, notice.icon);
}

}  // namespace kav
