// Start-up of the desktop program off screen, from process start to the end
// of its first page paint (KAV_QUIT_AFTER_FIRST_PAINT), against a floor: a
// bare Qt Widgets main window that ends after its first paint. The two are
// started in turn, each run a fresh process, and the medians compared with
// the bound. With the start-up windows switched off, as a returning user
// may have them; settings and Qt's run-time files go to a fresh folder. An
// argument sets the number of runs of each (default 15).
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr double kBound = 1.5;

// Milliseconds from spawning the program to its end, or a negative number
// when it could not be started or did not end well.
double TimeRun(const char* program) {
  char* argv[] = {const_cast<char*>(program), nullptr};
  const auto start = std::chrono::steady_clock::now();
  // Qt's notes about the session are no business of the benchmark's.
  posix_spawn_file_actions_t quiet;
  posix_spawn_file_actions_init(&quiet);
  posix_spawn_file_actions_addopen(&quiet, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program, &quiet, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&quiet);
  if (spawned != 0) return -1.0;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1.0;
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1.0;
  return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::max(std::atoi(argv[1]), 1) : 15;
  char folder[] = "/tmp/kav-startup-XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    std::perror("startup_bench: mkdtemp");
    return 1;
  }
  const std::filesystem::path config = std::filesystem::path(folder) / "KORBU";
  std::filesystem::create_directories(config);
  std::ofstream(config / "KAV.conf") << "[Settings]\nHelpWindow=No\nNewDocWindow=No\n";
  setenv("XDG_CONFIG_HOME", folder, 1);
  setenv("XDG_RUNTIME_DIR", folder, 1);
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  setenv("KAV_QUIT_AFTER_FIRST_PAINT", "1", 1);

  std::vector<double> floor;
  std::vector<double> kav;
  TimeRun(FLOOR_PROGRAM);  // both once untimed: the files are in the page cache
  TimeRun(KAV_PROGRAM);
  for (int i = 0; i < runs; ++i) {
    floor.push_back(TimeRun(FLOOR_PROGRAM));
    kav.push_back(TimeRun(KAV_PROGRAM));
  }
  std::filesystem::remove_all(folder);
  const auto failed = [](const std::vector<double>& times) {
    return std::any_of(times.begin(), times.end(), [](double t) { return t < 0.0; });
  };
  if (failed(floor) || failed(kav)) {
    std::fprintf(stderr, "startup_bench: a program did not start or did not end well\n");
    return 1;
  }
  const double floorMs = Median(floor);
  const double kavMs = Median(kav);
  const double ratio = kavMs / floorMs;
  std::printf("Start-up to the first painted page, off screen: median of %d runs each\n", runs);
  std::printf("  %-34s %8.1f ms\n", "bare Qt Widgets main window", floorMs);
  std::printf("  %-34s %8.1f ms  %.2fx the floor (bound %.1fx: %s)\n", "kav", kavMs, ratio, kBound,
              ratio <= kBound ? "met" : "NOT met");
  return 0;
}
