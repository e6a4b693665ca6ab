#include "window/shared/form_controller.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "testing/fake_disk.h"
#include "testing/system_values.h"
#include "window/shared/form_layout.h"

namespace quillfold {
namespace {

// Form1 with no system beneath: the controls' states and texts are set by
// the test, and what the controller asks of the window is written down.
class FakeView : public FormView {
 public:
  std::map<std::string_view, CheckState> checks;
  std::map<std::string_view, std::string> texts;
  std::vector<std::string> asked;

  void SetVisible(std::string_view control, bool visible) override {
    asked.push_back((visible ? "show " : "hide ") + std::string(control));
  }
  void SetCaption(std::string_view control, std::string_view caption) override {
    asked.push_back("caption " + std::string(control) + " " + std::string(caption));
  }
  CheckState CheckStateOf(std::string_view check_box) const override {
    return checks.at(check_box);
  }
  std::string TextOf(std::string_view text_box) const override { return texts.at(text_box); }
  void ShowFolderLines(const std::vector<FolderLine>& lines, std::size_t open_line) override {
    std::string shown = "lines";
    for (const FolderLine& line : lines) shown += " " + line.name;
    asked.push_back(shown + ", " + lines[open_line].name + " highlighted");
  }
  void HighlightFolderLine(std::size_t line) override {
    asked.push_back("highlight " + std::to_string(line));
  }
  void ShowLog(std::string log) override { asked.push_back("log " + log); }
  void ShowError(const Error& error) override {
    asked.push_back("error " + std::to_string(error.number()));
  }
  void PostWorkEnded() override {
    const std::lock_guard lock(mutex_);
    ended_ = true;
    ended_changed_.notify_one();
  }
  void HoldUntilWorkEnded(HeldFor held_for) override {
    std::unique_lock lock(mutex_);
    ended_changed_.wait(lock, [this] { return ended_; });
    ended_ = false;
    asked.push_back(held_for == HeldFor::kRun ? "held for a run" : "held for a listing");
  }

 private:
  std::mutex mutex_;
  std::condition_variable ended_changed_;
  bool ended_ = false;
};

// Folders listed without a disk, each with its sub-folders; any other
// cannot be listed. The window starts in /srv.
using Subfolders = std::map<std::string, std::vector<std::string>>;
FolderSystem FakeFolders(Subfolders subfolders) {
  return {[] { return StartPlaces{.current = "/srv", .home = "", .root = "/"}; },
          [subfolders = std::move(subfolders)](const std::string& folder) {
            if (!subfolders.contains(folder)) throw Error(kPathNotFound, folder);
            return FolderLines(folder, subfolders.at(folder), PathStyle::kPosix,
                               std::less<std::string>());
          },
          PathStyle::kPosix};
}

TEST(FormControllerTest, FolderListOpensALineOrReportsItAndHighlightsTheOpenFolderAgain) {
  struct Case {
    std::size_t line;
    std::vector<std::string> asked;
    std::string open_folder;
  };
  const Case cases[] = {
      {2, {"held for a listing", "lines / srv a, a highlighted"}, "/srv/a"},
      {0, {"held for a listing", "lines / bin srv, / highlighted"}, "/"},
      {3, {"held for a listing", "highlight 1", "error 76"}, "/srv"},
      // No such line.
      {4, {}, "/srv"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    FakeView view;
    testing::FakeDisk disk;
    FormController controller(
        view, disk, FakeFolders({{"/", {"srv", "bin"}}, {"/srv", {"b", "a"}}, {"/srv/a", {}}}));
    controller.OpenStartFolder();
    EXPECT_EQ(view.asked,
              (std::vector<std::string>{"held for a listing", "lines / srv a b, srv highlighted"}));
    view.asked.clear();
    controller.OpenFolderLine(c.line);
    EXPECT_EQ(view.asked, c.asked);
    EXPECT_EQ(controller.open_folder(), c.open_folder);
  }
}

TEST(FormControllerTest, CheckBoxesShowAndHideTheirOptionsOnlyWhenTheyChange) {
  const std::string to_filter_caption = "caption Check1 " + std::string(kFilterOnCaption);
  const std::string back_caption = "caption Check1 " + std::string(kFilterOffCaption);
  struct Step {
    std::string_view box;
    CheckState state;
    std::vector<std::string> asked;
  };
  const Step steps[] = {
      {"Check1",
       CheckState::kTicked,
       {to_filter_caption, "show Text2", "hide Label5", "hide Label6", "hide Text3"}},
      // The grey state and a state already shown change nothing.
      {"Check1", CheckState::kGrey, {}},
      {"Check1", CheckState::kTicked, {}},
      {"Check2", CheckState::kTicked, {"show Text2", "show Label5", "show Label6", "show Text3"}},
      {"Check1",
       CheckState::kClear,
       {back_caption, "hide Text2", "show Label5", "show Label6", "show Text3"}},
      {"Check2", CheckState::kClear, {"hide Text2", "hide Label5", "hide Label6", "hide Text3"}},
  };
  FakeView view;
  testing::FakeDisk disk;
  FormController controller(view, disk, FakeFolders({}));
  for (const Step& step : steps) {
    SCOPED_TRACE(std::string(step.box) + " " + std::to_string(static_cast<int>(step.state)));
    view.checks[step.box] = step.state;
    view.asked.clear();
    step.box == "Check1" ? controller.FilterSwitchChanged() : controller.PagingSwitchChanged();
    EXPECT_EQ(view.asked, step.asked);
  }
}

TEST(FormControllerTest, RunReadsTheControlsHoldsTheWindowThenShowsTheLogAndTheError) {
  using enum CheckState;
  struct Case {
    const char* what;
    CheckState filter, paging;
    std::string filter_text, links_per_page, folder;
    std::vector<std::string> asked;
    std::size_t pages;  // How many page files the run wrote.
  };
  // The site holds a.txt and b.pdf: one page holds both, or index.html lists
  // a page per name.
  const std::string site(testing::kSiteFolder);
  const std::string gone = std::string(testing::kRootFolder) + "gone";
  const std::string both = "log a.txt\nb.pdf\n";
  const Case cases[] = {
      {"no option", kClear, kClear, "b", "1", site, {"held for a run", both}, 1},
      {"filter ticked", kTicked, kClear, ".pdf", "95", site, {"held for a run", "log b.pdf\n"}, 1},
      // A grey box is no ticked one.
      {"options grey", kGrey, kGrey, ".pdf", "1", site, {"held for a run", both}, 1},
      {"one link per page", kClear, kTicked, "", "1", site, {"held for a run", both}, 3},
      // Failed before clearing the log: the box keeps what it showed.
      {"no number", kClear, kTicked, "", "abc", site, {"held for a run", "error 13"}, 0},
      {"folder gone", kClear, kClear, "", "95", gone, {"held for a run", "log ", "error 76"}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    testing::FakeDisk disk;
    disk.AddFolder(site, {"a.txt", "b.pdf"});
    FakeView view;
    view.checks = {{"Check1", c.filter}, {"Check2", c.paging}};
    view.texts = {{"Text2", c.filter_text}, {"Text3", c.links_per_page}};
    FormController controller(view, disk, FakeFolders({{c.folder, {}}}));
    controller.OpenGivenFolder(c.folder);
    view.asked.clear();
    controller.Run();
    EXPECT_EQ(view.asked, c.asked);
    EXPECT_EQ(disk.files.size(), c.pages);
  }
}

}  // namespace
}  // namespace quillfold
