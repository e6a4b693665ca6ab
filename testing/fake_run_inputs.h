#ifndef QUILLFOLD_TESTING_FAKE_RUN_INPUTS_H_
#define QUILLFOLD_TESTING_FAKE_RUN_INPUTS_H_

#include <string>
#include <string_view>

#include "generation/run_inputs.h"

namespace quillfold::testing {

// Run inputs held in plain fields; the log is kept as its text.
struct FakeRunInputs : RunInputs {
  std::string folder_path;
  int filter_switch = 0;
  std::string filter_text;
  int paging_switch = 0;
  std::string links_per_page_text = "95";
  std::string log = "previous log\r\n";

  std::string FolderPath() override { return folder_path; }
  int FilterSwitch() override { return filter_switch; }
  std::string FilterText() override { return filter_text; }
  int PagingSwitch() override { return paging_switch; }
  std::string LinksPerPageText() override { return links_per_page_text; }
  void ClearLog() override { log.clear(); }
  void AppendLogLine(std::string_view name) override {
    log += name;
    log += "\r\n";
  }
};

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_FAKE_RUN_INPUTS_H_
