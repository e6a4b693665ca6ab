#include "window/qt/display_check.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace quillfold {
namespace {

std::vector<std::string> SplitPlatformList(std::string_view list) {
  std::vector<std::string> names;
  while (!list.empty()) {
    const std::size_t semicolon = list.find(';');
    const std::string_view entry = list.substr(0, semicolon);
    // "xcb:option=value" names the plugin "xcb".
    const std::string_view name = entry.substr(0, entry.find(':'));
    if (!name.empty()) names.emplace_back(name);
    if (semicolon == std::string_view::npos) break;
    list.remove_prefix(semicolon + 1);
  }
  return names;
}

// Empty when the X server answers, else why not.
std::string XProblem(const DisplayChoice& choice, const EnvironmentReader& environment,
                     const DisplayProbes& probes) {
  std::string name = choice.display;
  if (name.empty()) name = environment("DISPLAY").value_or("");
  if (name.empty()) return "DISPLAY is not set";
  if (probes.x_server_answers(name)) return "";
  return "no X server accepts a connection at " + name;
}

// Where a Wayland client connects, as libwayland-client finds it: a socket
// handed over in WAYLAND_SOCKET, else WAYLAND_DISPLAY (by default
// "wayland-0") in XDG_RUNTIME_DIR unless it is an absolute path.
std::string WaylandProblem(const EnvironmentReader& environment, const DisplayProbes& probes) {
  if (environment("WAYLAND_SOCKET")) return "";
  const std::string name = environment("WAYLAND_DISPLAY").value_or("wayland-0");
  std::string path = name;
  if (!name.starts_with('/')) {
    const std::string runtime_folder = environment("XDG_RUNTIME_DIR").value_or("");
    if (runtime_folder.empty()) return "XDG_RUNTIME_DIR is not set for Wayland";
    path = runtime_folder + "/" + name;
  }
  if (probes.wayland_compositor_answers(path)) return "";
  return "no Wayland compositor at " + path;
}

bool XServerAnswers(const std::string& display_name) {
  int screen = 0;
  xcb_connection_t* connection = xcb_connect(display_name.c_str(), &screen);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
}

bool SocketAnswers(const std::string& path) {
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return false;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.data(), path.size());
  const int socket_fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (socket_fd < 0) return false;
  const bool answers =
      connect(socket_fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
  close(socket_fd);
  return answers;
}

// The platform plugins Qt will try, in order, without their ":options".
std::vector<std::string> PlatformCandidates(std::string_view platform_option,
                                            const EnvironmentReader& environment) {
  if (!platform_option.empty()) return SplitPlatformList(platform_option);
  const std::string from_environment = environment("QT_QPA_PLATFORM").value_or("");
  if (!from_environment.empty()) return SplitPlatformList(from_environment);
  // Qt 6 tries Wayland first once WAYLAND_DISPLAY is set, even empty, or the
  // session says it is a Wayland one; X stays the fallback.
  if (environment("WAYLAND_DISPLAY") || environment("XDG_SESSION_TYPE") == "wayland") {
    return {"wayland", "xcb"};
  }
  return {"xcb"};
}

}  // namespace

std::string DisplayProblem(const DisplayChoice& choice, const EnvironmentReader& environment,
                           const DisplayProbes& probes) {
  std::string reasons;
  for (const std::string& platform : PlatformCandidates(choice.platform, environment)) {
    std::string reason;
    if (platform == "xcb") {
      reason = XProblem(choice, environment, probes);
    } else if (platform.starts_with("wayland")) {
      reason = WaylandProblem(environment, probes);
    }
    if (reason.empty()) return "";
    if (!reasons.empty()) reasons += ", ";
    reasons += reason;
  }
  return reasons.empty() ? "no platform is named" : reasons;
}

EnvironmentReader ProcessEnvironment() {
  return [](const char* name) -> std::optional<std::string> {
    const char* value = std::getenv(name);
    if (value == nullptr) return std::nullopt;
    return std::string(value);
  };
}

DisplayProbes SystemDisplayProbes() { return {XServerAnswers, SocketAnswers}; }

}  // namespace quillfold
