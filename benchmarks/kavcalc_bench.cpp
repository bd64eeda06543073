// kavcalc as a user runs it: the whole process exporting each example as
// text and printing it to PDF, against `kavcalc --version` (the process
// floor: start, argument parsing, exit). The runs of one example are
// interleaved round by round so that a busy machine slows all alike; the
// figures are medians. Peak memory is the child's ru_maxrss from wait4.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench_report.h"

extern char** environ;

namespace {

using kav::bench::Median;

constexpr int kRounds = 7;
constexpr double kTextBound = 1.5;
constexpr double kPdfBound = 1.8;
constexpr double kMemoryBound = 1.5;

struct Run {
  double ms = 0.0;
  double maxRssMb = 0.0;
};

// Runs kavcalc with `args`, its output and messages thrown away; aborts
// when it fails.
Run RunKavcalc(const std::vector<std::string>& args) {
  std::vector<std::string> all = {KAVCALC};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& arg : all) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::perror("kavcalc_bench: posix_spawn");
    std::exit(1);
  }
  int status = 0;
  rusage usage{};
  if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "kavcalc_bench: kavcalc %s failed\n", args.back().c_str());
    std::exit(1);
  }
  const std::chrono::duration<double, std::milli> elapsed =
      std::chrono::steady_clock::now() - start;
  posix_spawn_file_actions_destroy(&actions);
  return {elapsed.count(), static_cast<double>(usage.ru_maxrss) / 1024.0};
}

struct Series {
  std::vector<double> ms;
  std::vector<double> rssMb;
  void Add(const Run& run) {
    ms.push_back(run.ms);
    rssMb.push_back(run.maxRssMb);
  }
};

}  // namespace

int main() {
  std::vector<std::filesystem::path> examples;
  for (const auto& entry : std::filesystem::directory_iterator(EXAMPLES_DIR)) {
    if (entry.path().extension() == ".kav") examples.push_back(entry.path());
  }
  std::sort(examples.begin(), examples.end());
  const std::string pdf = (std::filesystem::temp_directory_path() /
                           ("kavcalc_bench_" + std::to_string(getpid()) + ".pdf"))
                              .string();
  std::printf("kavcalc: whole-process medians of %d interleaved runs per example\n", kRounds);
  kav::bench::PrintReportHeading();
  int unmet = 0;
  for (const std::filesystem::path& example : examples) {
    Series version;
    Series text;
    Series printed;
    for (int round = 0; round < kRounds; ++round) {
      version.Add(RunKavcalc({"--version"}));
      text.Add(RunKavcalc({"--data", SHARE_DIR, example.string()}));
      printed.Add(RunKavcalc({"--data", SHARE_DIR, "--pdf", pdf, example.string()}));
    }
    const std::string name = example.stem().string();
    const double floorMs = Median(version.ms);
    unmet += !kav::bench::ReportRatio(name + " text", Median(text.ms), floorMs, "ms", kTextBound);
    unmet +=
        !kav::bench::ReportRatio(name + " --pdf", Median(printed.ms), floorMs, "ms", kPdfBound);
    unmet += !kav::bench::ReportRatio(name + " text peak memory", Median(text.rssMb),
                                      Median(version.rssMb), "MB", kMemoryBound);
  }
  std::filesystem::remove(pdf);
  std::printf("kavcalc: %d bound(s) not met\n", unmet);
  return 0;
}
