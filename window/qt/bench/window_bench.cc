// Measures the window against the command line on the same large folder,
// side by side: the time from a click on Step 2 until the log box shows its
// first line, with paging on at 95 links a page, and the time of
//   quillfold-cli --paging --links-per-page 95 FOLDER > /dev/null
// Each size is measured three times, alternating, and the medians printed,
// with the time until the window takes input again, the time until the
// whole log is in its box (it goes in while the window answers), and the
// longest the window kept input waiting meanwhile.
//
//   --million      also measure a folder of 1,000,000 files (slow to create)
//   --folder-root  where the scratch folders go (default /tmp)

#include <QApplication>
#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "window/qt/application.h"
#include "window/qt/folder_list.h"
#include "window/qt/log_box.h"
#include "window/qt/main_window.h"

namespace {

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// Notes when the log box first paints a text that starts with a file name.
class FirstLinePainted : public QObject {
 public:
  explicit FirstLinePainted(QPlainTextEdit* log) : log_(log) {
    log->viewport()->installEventFilter(this);
  }
  std::optional<Clock::time_point> at;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !at && log_->toPlainText().startsWith("file")) {
      at = Clock::now();
    }
    return false;
  }

 private:
  QPlainTextEdit* log_;
};

struct WindowTimes {
  double first_line;     // Click until the log box has painted its first line.
  double ready;          // Click until the window takes input again.
  double log_in;         // Click until the whole log is in its box.
  double longest_pause;  // The longest turn of the window while the log goes in.
};

WindowTimes TimeWindowRun(const std::string& folder) {
  std::filesystem::current_path(folder);  // The folder list starts here.
  quillfold::MainWindow window;
  window.ShowCentered();
  QTest::mouseClick(window.findChild<QCheckBox*>("Check2"), Qt::LeftButton, {}, QPoint(8, 12));
  auto* command1 = window.findChild<QPushButton*>("Command1");
  auto* text1 = window.findChild<quillfold::LogBox*>("Text1");
  QApplication::processEvents();
  FirstLinePainted painted(text1);
  const Clock::time_point start = Clock::now();
  QTest::mouseClick(command1, Qt::LeftButton);
  const double ready = SecondsSince(start);
  if (!painted.at) text1->viewport()->repaint();
  if (!painted.at) {
    std::fprintf(stderr, "the log shows no file names\n");
    std::exit(1);
  }
  double longest_pause = 0;
  while (text1->filling()) {
    const Clock::time_point turn = Clock::now();
    QApplication::processEvents();
    longest_pause = std::max(longest_pause, SecondsSince(turn));
  }
  const double log_in = SecondsSince(start);
  std::filesystem::current_path("/");
  return {std::chrono::duration<double>(*painted.at - start).count(), ready, log_in, longest_pause};
}

double TimeCommandLineRun(const std::string& folder) {
  return quillfold::bench::TimeCommand(
             {QUILLFOLD_CLI_PATH, "--paging", "--links-per-page", "95", folder}, folder)
      .seconds;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

void Measure(const std::string& root, int count) {
  const std::string folder = root + "/quillfold-window-bench-" + std::to_string(count);
  std::printf("%d files: creating...\n", count);
  std::fflush(stdout);
  std::filesystem::remove_all(folder);
  quillfold::bench::MakeNumberedFiles(folder, "file%07d.txt", count);
  std::vector<double> first_line_times, ready_times, log_in_times, pause_times, cli_times;
  for (int round = 0; round < 3; ++round) {
    quillfold::bench::RemovePageFiles(folder);
    const WindowTimes window = TimeWindowRun(folder);
    first_line_times.push_back(window.first_line);
    ready_times.push_back(window.ready);
    log_in_times.push_back(window.log_in);
    pause_times.push_back(window.longest_pause);
    quillfold::bench::RemovePageFiles(folder);
    cli_times.push_back(TimeCommandLineRun(folder));
    std::printf(
        "  round %d: window first line %.3f s, ready again %.3f s, log in %.3f s (longest pause "
        "%.3f s); command line %.3f s\n",
        round + 1, window.first_line, window.ready, window.log_in, window.longest_pause,
        cli_times.back());
    std::fflush(stdout);
  }
  const double first_line = Median(first_line_times);
  const double cli = Median(cli_times);
  const double ready = Median(ready_times);
  std::printf(
      "%d files, paging at 95 (medians of 3): click to first log line %.3f s, command line %.3f "
      "s, ratio %.2f; window ready again after %.3f s (%.2f times the command line), whole log "
      "in after %.3f s, longest pause meanwhile %.3f s\n",
      count, first_line, cli, first_line / cli, ready, ready / cli, Median(log_in_times),
      Median(pause_times));
  std::filesystem::remove_all(folder);
}

}  // namespace

int main(int argc, char* argv[]) {
  bool million = false;
  std::string root = "/tmp";
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument == "--million") {
      million = true;
    } else if (argument == "--folder-root" && i + 1 < argc) {
      root = argv[++i];
    } else {
      std::fprintf(stderr, "usage: window_bench [--million] [--folder-root DIR]\n");
      return 2;
    }
  }
  // Measured without a display unless one is asked for.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  quillfold::DescribeApplication();
  Measure(root, 100'000);
  if (million) Measure(root, 1'000'000);
  return 0;
}
