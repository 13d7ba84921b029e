#include "app/step_boxes.h"

#include <initializer_list>

#include "platform/ansi_text.h"

namespace skarvel {
namespace {

struct DoneRow {
  std::initializer_list<int> codes;
  int boxes;
};

// A step's box is ticked once its report has gone out; step 1 reports 19 and step 12 reports 120.
const DoneRow kDoneRows[] = {
    {{10, 18, 19, 20, 28}, 1},
    {{29, 30, 38}, 2},
    {{39, 40, 48}, 3},
    {{49, 50, 58}, 4},
    {{59, 60, 68}, 5},
    {{69, 70, 78}, 6},
    {{79, 80, 88}, 7},
    {{89, 90, 98}, 8},
    {{99, 100, 108}, 9},
    {{109, 110, 118}, 10},
    {{119, 120, 128, 129}, kStepCount},
};

}  // namespace

int DoneStepBoxes(std::string_view status) {
  const int code = StrToIntDef(status, 10);
  for (const DoneRow& row : kDoneRows) {
    for (int listed : row.codes) {
      if (listed == code) return row.boxes;
    }
  }
  return 0;
}

}  // namespace skarvel

#include "app/wizard_view.h"

namespace skarvel {

void ClearStepBoxes(WizardView& view) {
  for (int box = 1; box <= kStepCount; ++box) view.SetStepTicked(box, false);
}

void ShowDoneSteps(WizardView& view, std::string_view status) {
  const int done = DoneStepBoxes(status);
  for (int box = 1; box <= done; ++box) view.SetStepTicked(box, true);
}

int BoxOfStatus(int status) {
  const int box = status / 10;
  const int unit = status % 10;
  if (status < 10 || box > kStepCount || (unit != 0 && unit != 8 && unit != 9)) return 0;
  return box;
}

int FailedStepBox(int status) {
  const int box = status / 10;
  return status % 10 == 8 && box >= 1 && box <= kStepCount ? box : 0;
}

}  // namespace skarvel
