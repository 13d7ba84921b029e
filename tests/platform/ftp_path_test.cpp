#include "platform/ftp_path.h"

#include <gtest/gtest.h>

namespace skarvel::wininet {
namespace {

using Steps = std::vector<std::pair<std::string, std::string>>;

// The steps as (command, folder after it); "none" when the folder cannot be reached.
std::optional<Steps> Planned(const std::string& from, const std::string& to,
                             const std::string& login_folder) {
  const auto steps = FolderSteps(from, to, login_folder);
  if (!steps) return std::nullopt;
  Steps planned;
  for (const FolderStep& step : *steps) planned.emplace_back(step.command, step.folder);
  return planned;
}

// Whether or not the server named its login folder, folders are entered one name at a time from
// where the connection is, and a folder it is in is never entered again.
TEST(FolderStepsTest, RelativeFoldersAreEnteredOneStepAtATimeAndNeverTwice) {
  for (const std::string login : {"", "/home/skarvel"}) {
    EXPECT_EQ(Planned("", "zip", login), (Steps{{"CWD zip", "zip"}})) << login;
    EXPECT_EQ(Planned("zip", "zip", login), Steps{}) << login;
    EXPECT_EQ(Planned("zip", "srv", login), (Steps{{"CDUP", ""}, {"CWD srv", "srv"}})) << login;
    EXPECT_EQ(Planned("", "pos_templates/all", login),
              (Steps{{"CWD pos_templates", "pos_templates"}, {"CWD all", "pos_templates/all"}}))
        << login;
    EXPECT_EQ(Planned("pos_templates/all", "pos_templates", login),
              (Steps{{"CDUP", "pos_templates"}}))
        << login;
    EXPECT_EQ(Planned("", "../srv", login), (Steps{{"CDUP", ".."}, {"CWD srv", "../srv"}}))
        << login;
  }
}

// A full path is sent as one; the way back from it, or from above the login folder, runs through
// the login folder's full path, which only a server that named it can give.
TEST(FolderStepsTest, AFullPathIsOneStepAndTheWayBackNeedsTheLoginFolder) {
  EXPECT_EQ(Planned("zip", "/srv/ftp", ""), (Steps{{"CWD /srv/ftp", "/srv/ftp"}}));
  EXPECT_EQ(Planned("/srv/ftp", "zip", ""), std::nullopt);
  EXPECT_EQ(Planned("../srv", "zip", ""), std::nullopt);
  EXPECT_EQ(Planned("/srv/ftp", "zip", "/srv"), (Steps{{"CDUP", "/srv"}, {"CWD zip", "zip"}}));
  EXPECT_EQ(Planned("../srv", "zip", "/home/skarvel"),
            (Steps{{"CDUP", "/home"}, {"CWD skarvel", "/home/skarvel"}, {"CWD zip", "zip"}}));
  // The same folder spelled both ways is where the connection is.
  EXPECT_EQ(Planned("zip", "/home/skarvel/zip", "/home/skarvel"), Steps{});
  EXPECT_EQ(Planned("/home/skarvel", "", "/home/skarvel"), Steps{});
}

}  // namespace
}  // namespace skarvel::wininet
