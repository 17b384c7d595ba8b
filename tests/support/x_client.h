// What a person at the display sees and does: windows, pixels, pointer, keys.
// Input goes through the X test extension, as real device events.
#pragma once

#include <X11/Xlib.h>
#include <sys/types.h>

#include <optional>
#include <string>
#include <vector>

#include "shell/geometry.h"

namespace zentavi::test {

struct Colour {
  int r = 0, g = 0, b = 0;
  bool near(const Colour& o, int tolerance = 24) const;
};
Colour colourFromHex(const char* hex);  // "#rrggbb"

class XClient {
 public:
  explicit XClient(const std::string& display);
  XClient(const XClient&) = delete;
  XClient& operator=(const XClient&) = delete;
  ~XClient();

  // Viewable top-level client windows of a process (by _NET_WM_PID).
  std::size_t countWindowsOf(pid_t pid);
  std::optional<Window> windowOf(pid_t pid);
  std::vector<Window> windowsOf(pid_t pid);

  // What the window manager says is active (_NET_ACTIVE_WINDOW); 0 for none.
  Window activeWindow();
  std::string title(Window w);
  Rect rootGeometry(Window w);    // the client area, in screen coordinates
  Rect frameGeometry(Window w);   // the window manager's frame around it
  std::string wmClass(Window w);  // "instance.Class"

  // Viewable children of the root: frames, menus and pop-ups of any client.
  std::size_t countShownTopLevels();

  // Asks the window manager, as a pager or a taskbar would.
  void setMaximized(Window w, bool maximized);
  void requestSize(Window w, int width, int height);
  void minimise(Window w);
  void activate(Window w);  // also brings a minimised window back
  bool viewable(Window w);

  void movePointer(int x, int y);
  void click(int x, int y, unsigned button = 1);
  // `keysym` with the named modifiers ("ctrl", "shift", "alt") held.
  void key(const char* keysym, const std::vector<std::string>& modifiers = {});
  Colour pixel(int x, int y);
  void sync();

 private:
  Display* display_;
};

}  // namespace zentavi::test
