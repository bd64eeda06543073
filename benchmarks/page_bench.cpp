// The heat-loss page with Qt's text measurement, off screen:
// - a warm Calculate (physics, tables filled and laid out) against the bare
//   physics (CalculateHeatLoss, no page), in instructions counted by the
//   CPU's counter (perf_event_open, user space only); where the counter is
//   not available, in time, and the report says so;
// - a recalculation, the page's refresh and its repaint onto an image with
//   the Qt painter device, in milliseconds (the median of many).
#include <linux/perf_event.h>
#include <sys/ioctl.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <vector>

#include "bench_report.h"
#include "core/data_directory.h"
#include "core/scripted_platform.h"
#include "modules/kav_doc.h"
#include "modules/varme_tap/varme_tap_calculate.h"
#include "modules/varme_tap/varme_tap_modul.h"
#include "output/page_layout.h"
#include "ui/render/page_render.h"
#include "ui/render/qt_device.h"
#include "ui/render/qt_pictures.h"

namespace {

using namespace kav;

constexpr double kCalculateBound = 30.0;
constexpr double kPageBoundMs = 4.0;
constexpr int kRepeats = 200;

// Counts the instructions this thread retires in user space; -1 when the
// counter cannot be opened (no PMU, or not allowed).
class InstructionCounter {
 public:
  InstructionCounter() {
    perf_event_attr attr{};
    attr.type = PERF_TYPE_HARDWARE;
    attr.size = sizeof(attr);
    attr.config = PERF_COUNT_HW_INSTRUCTIONS;
    attr.disabled = 1;
    attr.exclude_kernel = 1;
    attr.exclude_hv = 1;
    fd_ = static_cast<int>(syscall(SYS_perf_event_open, &attr, 0, -1, -1, 0));
    if (fd_ < 0) error_ = errno;
  }
  ~InstructionCounter() {
    if (fd_ >= 0) close(fd_);
  }
  InstructionCounter(const InstructionCounter&) = delete;
  InstructionCounter& operator=(const InstructionCounter&) = delete;

  bool Available() const { return fd_ >= 0; }
  // Why the counter could not be opened.
  const char* Error() const { return std::strerror(error_); }

  // Instructions of one call of `work`: the median over kRepeats calls.
  double PerCall(const std::function<void()>& work) const {
    std::vector<double> counts;
    for (int i = 0; i < kRepeats; ++i) {
      ioctl(fd_, PERF_EVENT_IOC_RESET, 0);
      ioctl(fd_, PERF_EVENT_IOC_ENABLE, 0);
      work();
      ioctl(fd_, PERF_EVENT_IOC_DISABLE, 0);
      long long count = 0;
      if (read(fd_, &count, sizeof(count)) != sizeof(count)) return -1.0;
      counts.push_back(static_cast<double>(count));
    }
    return bench::Median(counts);
  }

 private:
  int fd_ = -1;
  int error_ = 0;
};

// Milliseconds of one call of `work`: the median over kRepeats calls.
double MsPerCall(const std::function<void()>& work) {
  std::vector<double> times;
  for (int i = 0; i < kRepeats; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    times.push_back(elapsed.count());
  }
  return bench::Median(times);
}

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  ScriptedPlatform platform;
  SetDataDirectory(SHARE_DIR);
  QtScreenDevice screen;
  SetScreenDevice(&screen);
  InstallQtPictures();
  CKavDoc doc;
  const auto example = std::filesystem::path(EXAMPLES_DIR) / "varmetap-ror-innendors.kav";
  if (!doc.Open(example)) return 1;
  auto& module = static_cast<CVarmeTapModul&>(doc.Module(CVarmeTapModul::kPage));
  const std::function<void()> calculate = [&module] { module.Calculate(); };
  const std::function<void()> physics = [&module] {
    volatile bool ok = CalculateHeatLoss(module).outcome.ok;
    (void)ok;
  };
  const std::function<void()> page = [&] {
    module.Calculate();
    doc.DocumentChanged();
    volatile int width = RenderCurrentPage().width();
    (void)width;
  };
  for (int i = 0; i < 20; ++i) page();  // warm: fonts, caches, pictures

  const InstructionCounter counter;
  bench::PrintReportHeading();
  int unmet = 0;
  if (counter.Available()) {
    std::printf("heat-loss Calculate: instructions (perf_event_open, user space), median of %d\n",
                kRepeats);
    unmet += !bench::ReportRatio("Calculate with tables / bare physics (kinstr)",
                                 counter.PerCall(calculate) / 1000.0,
                                 counter.PerCall(physics) / 1000.0, "ki", kCalculateBound);
  } else {
    std::printf(
        "heat-loss Calculate: no instruction counter here (perf_event_open: %s); time "
        "ratio instead, median of %d\n",
        counter.Error(), kRepeats);
    unmet += !bench::ReportRatio("Calculate with tables / bare physics (time)",
                                 MsPerCall(calculate) * 1000.0, MsPerCall(physics) * 1000.0, "us",
                                 kCalculateBound);
  }
  unmet += !bench::ReportBelow("recalculate + refresh + repaint heat-loss page", MsPerCall(page),
                               "ms", kPageBoundMs);
  std::printf("page: %d bound(s) not met\n", unmet);
  return 0;
}
