#ifndef QUILLFOLD_TESTING_FAKE_RUN_H_
#define QUILLFOLD_TESTING_FAKE_RUN_H_

#include <string>
#include <string_view>

#include "generation/generate_indexes.h"

namespace quillfold::testing {

// A run's settings, and its log kept as its text.
struct FakeRun : RunSettings, RunLog {
  std::string log = "previous log\r\n";

  void Clear() override { log.clear(); }
  void AddLine(std::string_view name) override {
    log += name;
    log += "\r\n";
  }
};

}  // namespace quillfold::testing

#endif  // QUILLFOLD_TESTING_FAKE_RUN_H_
