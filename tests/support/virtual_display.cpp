#include "tests/support/virtual_display.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <stdexcept>

#include "tests/support/wait.h"

namespace zentavi::test {
namespace {

// Xvfb writes the display number it chose once it accepts clients.
std::string readDisplayNumber(int fd) {
  std::string number;
  char c;
  while (read(fd, &c, 1) == 1 && c != '\n') number += c;
  return number;
}

bool windowManagerRunning(const std::string& display) {
  Display* x = XOpenDisplay(display.c_str());
  if (x == nullptr) return false;
  Atom check = XInternAtom(x, "_NET_SUPPORTING_WM_CHECK", False);
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  const bool found = XGetWindowProperty(x, DefaultRootWindow(x), check, 0, 1, False, XA_WINDOW, &type,
                                        &format, &items, &after, &data) == Success &&
                     items == 1;
  if (data) XFree(data);
  XCloseDisplay(x);
  return found;
}

}  // namespace

VirtualDisplay::VirtualDisplay(DisplayOptions options) {
  const std::string screen = std::to_string(options.width) + "x" + std::to_string(options.height) + "x24";
  server_ = std::make_unique<Process>(std::vector<std::string>{XVFB_PATH, "-displayfd", "1", "-screen", "0",
                                                               screen, "-nolisten", "tcp", "-noreset"},
                                      currentEnvironment(), true);
  const std::string number = readDisplayNumber(server_->stdoutFd());
  if (number.empty()) throw std::runtime_error("Xvfb did not start");
  name_ = ":" + number;
  if (!options.windowManager) return;
  Environment env = currentEnvironment();
  env["DISPLAY"] = name_;
  windowManager_ = std::make_unique<Process>(
      std::vector<std::string>{OPENBOX_PATH, "--config-file", OPENBOX_CONFIG, "--sm-disable"}, env);
  if (!waitUntil([this] { return windowManagerRunning(name_); }, 20s))
    throw std::runtime_error("openbox did not start");
}

VirtualDisplay::~VirtualDisplay() {
  windowManager_.reset();
  server_.reset();
}

}  // namespace zentavi::test
