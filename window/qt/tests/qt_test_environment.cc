// One QApplication for the whole test program, as Qt allows only one per
// process and widgets need it before they are created; and no error report
// waits for a click that never comes.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "window/qt/application.h"
#include "window/qt/tests/window_test_support.h"

namespace {

class QtApplicationEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    application_ = std::make_unique<QApplication>(argc_, argv_);
    quillfold::DescribeApplication();
    quillfold::testing::FailOnErrorReports();
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char program_name_[14] = "window_tests";
  char* argv_[2] = {program_name_, nullptr};
  std::unique_ptr<QApplication> application_;
};

[[maybe_unused]] ::testing::Environment* const kEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtApplicationEnvironment);

}  // namespace
