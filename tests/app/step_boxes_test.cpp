#include "app/step_boxes.h"

#include <map>
#include <string>

#include <gtest/gtest.h>

namespace skarvel {
namespace {

TEST(DoneStepsTest, TicksTheBoxesOfTheReportedSteps) {
  const std::map<int, int> expected = {
      {10, 1},   {18, 1},   {19, 1},   {20, 1},  {28, 1},  {29, 2},   {30, 2},   {38, 2},
      {39, 3},   {40, 3},   {48, 3},   {49, 4},  {50, 4},  {58, 4},   {59, 5},   {60, 5},
      {68, 5},   {69, 6},   {70, 6},   {78, 6},  {79, 7},  {80, 7},   {88, 7},   {89, 8},
      {90, 8},   {98, 8},   {99, 9},   {100, 9}, {108, 9}, {109, 10}, {110, 10}, {118, 10},
      {119, 12}, {120, 12}, {128, 12}, {129, 12}};
  for (int status = -5; status <= 1000; ++status) {
    const auto found = expected.find(status);
    EXPECT_EQ(DoneStepBoxes(std::to_string(status)), found == expected.end() ? 0 : found->second)
        << "status " << status;
  }
}

TEST(DoneStepsTest, AStatusThatIsNoNumberCountsAsTen) {
  EXPECT_EQ(DoneStepBoxes("abc"), 1);
  EXPECT_EQ(DoneStepBoxes(""), 1);
  EXPECT_EQ(DoneStepBoxes(" 60 "), 5);
}

}  // namespace
}  // namespace skarvel
