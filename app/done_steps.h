#pragma once

#include <string_view>

namespace skarvel {

inline constexpr int kStepCount = 12;

// How many step boxes, counted from box 1, a status shows as done (ShowDoneSteps ticks boxes
// 1..n and never unticks). A text that is not a whole number counts as status 10.
int DoneStepBoxes(std::string_view status);

}  // namespace skarvel
