#include "window/qt/display_check.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <set>
#include <string>

#include "testing/temp_folder.h"

namespace quillfold {
namespace {

using Environment = std::map<std::string, std::string>;

EnvironmentReader ReaderOf(const Environment& environment) {
  return [environment](const char* name) -> std::optional<std::string> {
    const auto found = environment.find(name);
    if (found == environment.end()) return std::nullopt;
    return found->second;
  };
}

TEST(DisplayCheckTest, ThePlatformsQtTriesAndWhyNoneCanStart) {
  struct Case {
    const char* what;
    Environment environment;
    DisplayChoice choice;
    std::set<std::string> x_servers;  // The X displays that answer.
    std::set<std::string> sockets;    // The Wayland sockets that answer.
    std::string problem;
  };
  const Case cases[] = {
      {"nothing set", {}, {}, {}, {}, "DISPLAY is not set"},
      {"an empty DISPLAY", {{"DISPLAY", ""}}, {}, {}, {}, "DISPLAY is not set"},
      {"an X server", {{"DISPLAY", ":0"}}, {}, {":0"}, {}, ""},
      {"an X server that does not answer",
       {{"DISPLAY", ":5"}},
       {},
       {":0"},
       {},
       "no X server accepts a connection at :5"},
      {"an X session", {{"DISPLAY", ":0"}, {"XDG_SESSION_TYPE", "x11"}}, {}, {":0"}, {}, ""},
      {"a text console session tries X alone",
       {{"XDG_SESSION_TYPE", "tty"}},
       {},
       {},
       {},
       "DISPLAY is not set"},
      {"offscreen needs no server", {{"QT_QPA_PLATFORM", "offscreen"}}, {}, {}, {}, ""},
      {"nor does minimal with options",
       {{"QT_QPA_PLATFORM", "minimal:enable_fonts"}},
       {},
       {},
       {},
       ""},
      {"X asked for without a display",
       {{"QT_QPA_PLATFORM", "xcb"}},
       {},
       {},
       {},
       "DISPLAY is not set"},
      {"an empty QT_QPA_PLATFORM is no choice",
       {{"QT_QPA_PLATFORM", ""}},
       {},
       {},
       {},
       "DISPLAY is not set"},
      {"-platform wins over QT_QPA_PLATFORM",
       {{"QT_QPA_PLATFORM", "xcb"}},
       {"offscreen", ""},
       {},
       {},
       ""},
      {"-platform xcb wins over offscreen",
       {{"QT_QPA_PLATFORM", "offscreen"}},
       {"xcb", ""},
       {},
       {},
       "DISPLAY is not set"},
      {"-display without DISPLAY", {}, {"", ":1"}, {":1"}, {}, ""},
      {"-display wins over DISPLAY",
       {{"DISPLAY", ":0"}},
       {"", ":2"},
       {":0"},
       {},
       "no X server accepts a connection at :2"},
      {"a Wayland session",
       {{"XDG_SESSION_TYPE", "wayland"}, {"XDG_RUNTIME_DIR", "/run/user/7"}},
       {},
       {},
       {"/run/user/7/wayland-0"},
       ""},
      {"a Wayland compositor that does not answer falls back to X",
       {{"WAYLAND_DISPLAY", "wl-1"}, {"XDG_RUNTIME_DIR", "/r"}, {"DISPLAY", ":0"}},
       {},
       {":0"},
       {},
       ""},
      {"neither Wayland nor X",
       {{"WAYLAND_DISPLAY", "wl-1"}, {"XDG_RUNTIME_DIR", "/r"}},
       {},
       {},
       {},
       "no Wayland compositor at /r/wl-1, DISPLAY is not set"},
      {"an empty WAYLAND_DISPLAY still makes Qt try Wayland",
       {{"WAYLAND_DISPLAY", ""}, {"XDG_RUNTIME_DIR", "/r"}, {"DISPLAY", ":0"}},
       {},
       {},
       {},
       "no Wayland compositor at /r/, no X server accepts a connection at :0"},
      {"a Wayland socket by its full path",
       {{"WAYLAND_DISPLAY", "/sockets/wl"}},
       {},
       {},
       {"/sockets/wl"},
       ""},
      {"a Wayland session without a runtime folder",
       {{"XDG_SESSION_TYPE", "wayland"}},
       {},
       {},
       {},
       "XDG_RUNTIME_DIR is not set for Wayland, DISPLAY is not set"},
      {"a Wayland socket handed over",
       {{"WAYLAND_SOCKET", "3"}, {"WAYLAND_DISPLAY", "x"}},
       {},
       {},
       {},
       ""},
      {"a list tried in its order", {{"QT_QPA_PLATFORM", "xcb;offscreen"}}, {}, {}, {}, ""},
      {"a list of Wayland and X",
       {{"QT_QPA_PLATFORM", "wayland-egl;xcb"}, {"XDG_RUNTIME_DIR", "/r"}, {"DISPLAY", ":9"}},
       {},
       {},
       {},
       "no Wayland compositor at /r/wayland-0, no X server accepts a connection at :9"},
      {"a list without names", {{"QT_QPA_PLATFORM", ";"}}, {}, {}, {}, "no platform is named"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const DisplayProbes probes{
        [&c](const std::string& display) { return c.x_servers.contains(display); },
        [&c](const std::string& path) { return c.sockets.contains(path); }};
    EXPECT_EQ(DisplayProblem(c.choice, ReaderOf(c.environment), probes), c.problem);
  }
}

// A Unix socket that listens at `path` while it lives.
class ListeningSocket {
 public:
  explicit ListeningSocket(const std::string& path) : fd_(socket(AF_UNIX, SOCK_STREAM, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    EXPECT_EQ(bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0) << path;
    EXPECT_EQ(listen(fd_, 4), 0);
  }
  ~ListeningSocket() { close(fd_); }

 private:
  int fd_;
};

TEST(DisplayCheckTest, TheWaylandProbeConnectsToTheSocket) {
  testing::TempFolder temp;
  const DisplayProbes probes = SystemDisplayProbes();
  const std::string listening = temp / "wayland-0";
  {
    ListeningSocket compositor(listening);
    EXPECT_TRUE(probes.wayland_compositor_answers(listening));
  }
  // The socket file outlives its compositor, as after a crash.
  struct stat info {};
  ASSERT_EQ(stat(listening.c_str(), &info), 0);
  EXPECT_FALSE(probes.wayland_compositor_answers(listening));
  EXPECT_FALSE(probes.wayland_compositor_answers(temp / "missing"));
  EXPECT_FALSE(probes.wayland_compositor_answers(temp.path()));
  EXPECT_FALSE(probes.wayland_compositor_answers("/" + std::string(200, 'x')));
}

TEST(DisplayCheckTest, TheXProbeRefusesAMissingServerAndANameThatIsNoDisplay) {
  // An X server listens at /tmp/.X11-unix/XN; find a number nobody uses.
  int number = 4000;
  while (access(("/tmp/.X11-unix/X" + std::to_string(number)).c_str(), F_OK) == 0) ++number;
  const DisplayProbes probes = SystemDisplayProbes();
  EXPECT_FALSE(probes.x_server_answers(":" + std::to_string(number)));
  EXPECT_FALSE(probes.x_server_answers("no display name"));
}

}  // namespace
}  // namespace quillfold
