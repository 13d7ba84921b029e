// The main of every GoogleTest program of the project: each test process runs in a temporary
// folder of its own, with a database lock folder of its own, so that test programs run side by
// side (ctest -j) never meet in /tmp.

#include <gtest/gtest.h>

#include "tests/support/process_folder.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const skarvel::test::ProcessFolder folder;
  return RUN_ALL_TESTS();
}
