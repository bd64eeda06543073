#pragma once
// What a calculation has to say besides its numbers: the messages for the
// user, in order, and whether there are results to show. A calculation
// never talks to the user itself; it puts its messages in its outcome and
// the module shows them (ShowOutcome). The few questions a calculation asks
// on its way go through an Ask callback that the caller provides.
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform.h"

namespace kav {

struct Notice {
  enum class Buttons { Ok, OkCancel, YesNo };

  int id = 0;        // the string-table entry of the message
  std::string text;  // the message with its arguments filled in
  Icon icon = Icon::Exclamation;
  Buttons buttons = Buttons::Ok;
};

struct Outcome {
  // Results to show; false when the calculation failed or was stopped.
  bool ok = true;
  std::vector<Notice> notices;

  // A message that leaves the results standing.
  void Tell(int id, std::string text, Icon icon = Icon::Exclamation) {
    notices.push_back({id, std::move(text), icon, Notice::Buttons::Ok});
  }
  // A message that ends the calculation without results.
  void Fail(int id, std::string text, Icon icon = Icon::Stop) {
    Tell(id, std::move(text), icon);
    ok = false;
  }
  // Refused: "Beregningen kan ikke utføres med disse inndataene: <reason>."
  // with the reason's text from the string table.
  void Refuse(int reasonId);
  // Ended without results and without a message (the user said stop).
  void Stop() { ok = false; }
  // Whether the message `id` is among the notices.
  bool Says(int id) const {
    for (const Notice& notice : notices) {
      if (notice.id == id) return true;
    }
    return false;
  }
};

// Asks the user a question in the middle of a calculation: true for OK or
// Yes. The module passes AskUser; tests pass their own answers.
using Ask = std::function<bool(const Notice&)>;

// The question through the platform's message box.
bool AskUser(const Notice& question);
// Shows every notice of the outcome in order.
void ShowOutcome(const Outcome& outcome);

}  // namespace kav
