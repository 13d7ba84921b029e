// Concurrent installations, as a chain's rollout runs them: 1, 2, 4 and 8 tills of one shop at
// once, each a whole installation by skarvel-cli (its restart included, simulated by starting it
// again), against one configuration service, one download server and one central database on
// one Firebird server, with a till package of about 100 MB. Prints each round's wall time,
// installations per minute, the speed-up over one at a time, and where an installation's time
// goes, from the step times of its JSON output.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/support/child_process.h"
#include "tests/support/download_tree.h"
#include "tests/support/shop_chain.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kTillPackage = 100u << 20;
constexpr int kRounds[] = {1, 2, 4, 8};

// Seconds one installation spent, by the steps that carry the work.
struct Split {
  double downloads = 0;  // step 3
  double unpack = 0;     // step 4
  double programs = 0;   // step 5: the till programs copied into the till folder
  double database = 0;   // step 9: the till database filled from the central one
  double other = 0;
  bool completed = false;
};

void Add(Split& split, const std::string& json_lines) {
  std::istringstream lines(json_lines);
  for (std::string line; std::getline(lines, line);) {
    const nlohmann::json event = nlohmann::json::parse(line, nullptr, false);
    if (!event.is_object()) continue;
    if (event["event"] == "end") split.completed = event["exit_code"] == 0;
    if (event["event"] != "step") continue;
    const double seconds = event["seconds"];
    switch (event["step"].get<int>()) {
      case 3:
        split.downloads += seconds;
        break;
      case 4:
        split.unpack += seconds;
        break;
      case 5:
        split.programs += seconds;
        break;
      case 9:
        split.database += seconds;
        break;
      default:
        split.other += seconds;
    }
  }
}

// One till's installation: the run up to the restart, then the run after it.
Split Install(const std::string& code, const std::map<std::string, std::string>& environment) {
  Split split;
  for (int run = 0; run < 2 && !split.completed; ++run) {
    const auto result = skarvel::test::RunProgram(
        {SKARVEL_CLI_PROGRAM, "--no-restart", "--json", code}, environment);
    Add(split, result.out);
    if (result.exit_code != 0 && result.exit_code != 5) {
      std::fprintf(stderr, "%s ended with %d:\n%s\n", code.c_str(), result.exit_code,
                   result.err.c_str());
      break;
    }
  }
  return split;
}

struct Round {
  int tills = 0;
  double wall = 0;
  Split mean;
  int completed = 0;
};

Round RunRound(skarvel::test::ShopChain& chain, std::size_t first, int count) {
  std::vector<Split> splits(count);
  std::vector<std::thread> threads;
  ::sync();  // what the previous round wrote is not this one's to write back
  const auto start = Clock::now();
  for (int i = 0; i < count; ++i) {
    const skarvel::test::ChainTill& till = chain.tills()[first + i];
    threads.emplace_back([&, i, environment = chain.ProgramEnvironment(till), code = till.code] {
      splits[i] = Install(code, environment);
    });
  }
  for (std::thread& thread : threads) thread.join();
  Round round{count, std::chrono::duration<double>(Clock::now() - start).count(), {}, 0};
  for (const Split& split : splits) {
    round.mean.downloads += split.downloads / count;
    round.mean.unpack += split.unpack / count;
    round.mean.programs += split.programs / count;
    round.mean.database += split.database / count;
    round.mean.other += split.other / count;
    round.completed += split.completed ? 1 : 0;
  }
  return round;
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  int total = 0;
  for (int count : kRounds) total += count;
  std::printf(
      "preparing one shop of %d tills, its central database on a Firebird server, and a "
      "till package of %zu MB\n",
      total, kTillPackage >> 20);
  skarvel::test::ShopChain chain(1, total);
  skarvel::test::EnlargeTillPackage(chain.download_root(), kTillPackage);
  std::printf("%u processors\n\n", std::thread::hardware_concurrency());
  std::printf("%6s %9s %10s %9s %12s   %-48s\n", "tills", "wall s", "inst/min", "speed-up",
              "x one's time", "one installation's mean seconds");
  std::printf("%6s %9s %10s %9s %12s   %9s %7s %9s %9s %7s\n", "", "", "", "", "", "downloads",
              "unpack", "programs", "database", "other");
  double one = 0;
  std::size_t next = 0;
  bool all_completed = true;
  double four_ratio = 0;
  for (int count : kRounds) {
    const Round round = RunRound(chain, next, count);
    next += static_cast<std::size_t>(count);
    if (count == 1) one = round.wall;
    const double ratio = round.wall / one;
    if (count == 4) four_ratio = ratio;
    std::printf("%6d %9.1f %10.1f %9.2f %12.2f   %9.1f %7.1f %9.1f %9.1f %7.1f%s\n", count,
                round.wall, 60.0 * count / round.wall, count * one / round.wall, ratio,
                round.mean.downloads, round.mean.unpack, round.mean.programs, round.mean.database,
                round.mean.other,
                round.completed == count ? "" : "   (not every installation completed)");
    all_completed = all_completed && round.completed == count;
  }
  std::printf(
      "\n4 concurrent installations took %.2f times one installation's time (goal: less "
      "than 2.5)\n",
      four_ratio);
  return all_completed ? 0 : 1;
}
