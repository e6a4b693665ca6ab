#ifndef QUILLFOLD_WINDOW_QT_DISPLAY_CHECK_H_
#define QUILLFOLD_WINDOW_QT_DISPLAY_CHECK_H_

#include <functional>
#include <optional>
#include <string>

namespace quillfold {

// Qt ends the process with an abort and a core dump when none of its
// platforms can start, as on a machine without a display. So before Qt
// starts, the program works out which platforms Qt will try, in Qt 6's
// order, and asks each display server whether it answers: the X server
// through libxcb, the library Qt's X platform itself connects with (so the
// display name and the authorisation are read exactly as Qt will read them),
// and a Wayland compositor by connecting to its socket. Platforms without a
// display server (offscreen, minimal, vnc, ...) are left to Qt.

// One environment variable; nullopt when it is not set.
using EnvironmentReader = std::function<std::optional<std::string>(const char* name)>;

// Whether a display server answers. The real ones connect; tests fake them.
struct DisplayProbes {
  std::function<bool(const std::string& x_display_name)> x_server_answers;
  std::function<bool(const std::string& socket_path)> wayland_compositor_answers;
};

// What the command line says about the display: Qt's -platform and -display
// values, empty when not given.
struct DisplayChoice {
  std::string platform;
  std::string display;
};

// Empty when a platform Qt will try can show the window; otherwise why
// none can, one reason for each platform tried, such as
// "DISPLAY is not set". Qt tries -platform, else QT_QPA_PLATFORM, else
// Wayland first in a Wayland session, then X.
std::string DisplayProblem(const DisplayChoice& choice, const EnvironmentReader& environment,
                           const DisplayProbes& probes);

// The process's environment, and the probes that really connect.
EnvironmentReader ProcessEnvironment();
DisplayProbes SystemDisplayProbes();

}  // namespace quillfold

#endif  // QUILLFOLD_WINDOW_QT_DISPLAY_CHECK_H_
