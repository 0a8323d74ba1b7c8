#pragma once
#include <cstddef>
#include <functional>

#include "addons/AddonContext.h"
#include "addons/LanguageRows.h"
#include "protocol/FixedText.h"

namespace tarvix::addons {

// The answer of the last question asked.
struct Answer {
  int value;      // the leading number of the value text
  bool answered;  // the query itself succeeded
};

// Asks the selected device one question up to `tries` times: empties the
// session field first (so an unanswered question reads as 0, not as an old
// value), queries, pauses `pauseMs`, and stops once `enough` is content.
template <std::size_t N>
Answer AskDevice(AddonContext& context, int (AddonOperations::*query)(), char (&field)[N],
                 int tries, int pauseMs, const std::function<bool(const Answer&)>& enough) {
  Answer answer{0, false};
  for (int attempt = 0; attempt < tries; ++attempt) {
    CopyField(field, "");
    answer.answered = (context.operations.*query)() != 0;
    context.clock.Pause(pauseMs);
    answer.value = LeadingNumber(FieldText(field));
    if (enough(answer)) break;
  }
  return answer;
}

}  // namespace tarvix::addons
