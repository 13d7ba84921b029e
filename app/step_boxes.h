#pragma once

#include <string_view>

namespace skarvel {

inline constexpr int kStepCount = 12;

// How many step boxes, counted from box 1, a status shows as done (ShowDoneSteps ticks boxes
// 1..n and never unticks). A text that is not a whole number counts as status 10.
int DoneStepBoxes(std::string_view status);

}  // namespace skarvel

namespace skarvel {

class WizardView;

// Unticks all twelve boxes.
void ClearStepBoxes(WizardView& view);

// Ticks boxes 1..DoneStepBoxes(status); never unticks.
void ShowDoneSteps(WizardView& view, std::string_view status);

// The box a pass of the driver ticks for the status it read: 10k, 10k+8 and 10k+9 tick box k.
// 0 when the status names no box.
int BoxOfStatus(int status);

// The box of the step a failure status names (10k+8: box k); 0 for any other status. Status 118
// also follows step 12's end that the service did not acknowledge, which is no failure of step
// 11: the caller tells them apart.
int FailedStepBox(int status);

}  // namespace skarvel
