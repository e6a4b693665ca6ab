#ifndef QUILLFOLD_TESTING_FAKE_RUN_INPUTS_H_
#define QUILLFOLD_TESTING_FAKE_RUN_INPUTS_H_

#include <string>
#include <string_view>

#include "generation/run_inputs.h"

namespace quillfold::testing {

// Run inputs held in plain fields; the log is kept as its text.
struct FakeRunInputs : RunInputs {
  std::string folder_path;
  bool filter_on = false;
  std::string filter_text;
  bool paging_on = false;
  std::string links_per_page_text = "95";
  std::string log = "previous log\r\n";

  RunSettings Settings() override {
    return {folder_path, filter_on, filter_text, paging_on, links_per_page_text};
  }
  void Clear() override { log.clear(); }
  void AddLine(std::string_view name) override {
    log += name;
    log += "\r\n";
  }
};

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_FAKE_RUN_INPUTS_H_
