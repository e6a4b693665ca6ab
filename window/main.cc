#include <QApplication>

#include "window/application.h"
#include "window/main_window.h"

// The program takes no arguments of its own and reads no configuration;
// closing the window ends it.
int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  quillfold::DescribeApplication();
  quillfold::MainWindow window;
  window.ShowCentered();
  return QApplication::exec();
}
