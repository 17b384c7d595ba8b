#include "tests/support/x_client.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <stdexcept>

namespace zentavi::test {
namespace {

std::optional<long> cardinalProperty(Display* d, Window w, const char* name) {
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  std::optional<long> value;
  if (XGetWindowProperty(d, w, XInternAtom(d, name, False), 0, 1, False, XA_CARDINAL, &type, &format, &items,
                         &after, &data) == Success &&
      items == 1)
    value = *reinterpret_cast<long*>(data);
  if (data) XFree(data);
  return value;
}

void collectWindowsOf(Display* d, Window w, pid_t pid, std::vector<Window>& out) {
  XWindowAttributes attributes;
  if (cardinalProperty(d, w, "_NET_WM_PID") == pid && XGetWindowAttributes(d, w, &attributes) &&
      attributes.map_state == IsViewable && attributes.c_class == InputOutput)
    out.push_back(w);
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(d, w, &root, &parent, &children, &count)) return;
  for (unsigned i = 0; i < count; ++i) collectWindowsOf(d, children[i], pid, out);
  if (children) XFree(children);
}

int ignoreErrors(Display*, XErrorEvent*) { return 0; }  // windows vanish while we look

}  // namespace

bool Colour::near(const Colour& o, int tolerance) const {
  return std::abs(r - o.r) <= tolerance && std::abs(g - o.g) <= tolerance && std::abs(b - o.b) <= tolerance;
}

Colour colourFromHex(const char* hex) {
  const long v = std::strtol(hex + 1, nullptr, 16);
  return {static_cast<int>((v >> 16) & 0xff), static_cast<int>((v >> 8) & 0xff), static_cast<int>(v & 0xff)};
}

XClient::XClient(const std::string& display) : display_(XOpenDisplay(display.c_str())) {
  if (display_ == nullptr) throw std::runtime_error("cannot open display " + display);
  XSetErrorHandler(ignoreErrors);
}

XClient::~XClient() { XCloseDisplay(display_); }

std::vector<Window> XClient::windowsOf(pid_t pid) {
  std::vector<Window> found;
  XGrabServer(display_);
  collectWindowsOf(display_, DefaultRootWindow(display_), pid, found);
  XUngrabServer(display_);
  XFlush(display_);
  return found;
}

std::size_t XClient::countWindowsOf(pid_t pid) { return windowsOf(pid).size(); }

std::optional<Window> XClient::windowOf(pid_t pid) {
  auto all = windowsOf(pid);
  if (all.empty()) return std::nullopt;
  return all.front();
}

Window XClient::activeWindow() {
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  Window active = 0;
  if (XGetWindowProperty(display_, DefaultRootWindow(display_),
                         XInternAtom(display_, "_NET_ACTIVE_WINDOW", False), 0, 1, False, XA_WINDOW, &type,
                         &format, &items, &after, &data) == Success &&
      items == 1)
    active = *reinterpret_cast<Window*>(data);
  if (data) XFree(data);
  return active;
}

std::string XClient::title(Window w) {
  Atom type;
  int format;
  unsigned long items, after;
  unsigned char* data = nullptr;
  std::string text;
  if (XGetWindowProperty(display_, w, XInternAtom(display_, "_NET_WM_NAME", False), 0, 1024, False,
                         XInternAtom(display_, "UTF8_STRING", False), &type, &format, &items, &after,
                         &data) == Success &&
      data)
    text.assign(reinterpret_cast<char*>(data), items);
  if (data) XFree(data);
  return text;
}

Rect XClient::rootGeometry(Window w) {
  XWindowAttributes a{};
  XGetWindowAttributes(display_, w, &a);
  int x = 0, y = 0;
  Window child;
  XTranslateCoordinates(display_, w, DefaultRootWindow(display_), 0, 0, &x, &y, &child);
  return {x, y, a.width, a.height};
}

Rect XClient::frameGeometry(Window w) {
  Window root = DefaultRootWindow(display_), parent = w, current = w, *children = nullptr;
  unsigned count = 0;
  while (XQueryTree(display_, current, &root, &parent, &children, &count) && parent != root) {
    if (children) XFree(children);
    children = nullptr;
    current = parent;
  }
  if (children) XFree(children);
  return rootGeometry(current);
}

std::string XClient::wmClass(Window w) {
  XClassHint hint{};
  std::string value;
  if (XGetClassHint(display_, w, &hint)) {
    value = std::string(hint.res_name) + "." + hint.res_class;
    XFree(hint.res_name);
    XFree(hint.res_class);
  }
  return value;
}

std::size_t XClient::countShownTopLevels() {
  Window root, parent, *children = nullptr;
  unsigned count = 0;
  std::size_t shown = 0;
  if (!XQueryTree(display_, DefaultRootWindow(display_), &root, &parent, &children, &count)) return 0;
  for (unsigned i = 0; i < count; ++i) {
    XWindowAttributes a;
    if (XGetWindowAttributes(display_, children[i], &a) && a.map_state == IsViewable) ++shown;
  }
  if (children) XFree(children);
  return shown;
}

void XClient::setMaximized(Window w, bool maximized) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(display_, "_NET_WM_STATE", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = maximized ? 1 : 0;  // add, remove
  e.xclient.data.l[1] = static_cast<long>(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_VERT", False));
  e.xclient.data.l[2] = static_cast<long>(XInternAtom(display_, "_NET_WM_STATE_MAXIMIZED_HORZ", False));
  e.xclient.data.l[3] = 1;  // from an ordinary application
  XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &e);
  sync();
}

void XClient::requestSize(Window w, int width, int height) {
  XResizeWindow(display_, w, static_cast<unsigned>(width), static_cast<unsigned>(height));
  sync();
}

void XClient::minimise(Window w) {
  XIconifyWindow(display_, w, DefaultScreen(display_));
  sync();
}

void XClient::activate(Window w) {
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = w;
  e.xclient.message_type = XInternAtom(display_, "_NET_ACTIVE_WINDOW", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = 2;  // from a pager
  XSendEvent(display_, DefaultRootWindow(display_), False, SubstructureRedirectMask | SubstructureNotifyMask,
             &e);
  sync();
}

bool XClient::viewable(Window w) {
  XWindowAttributes a{};
  return XGetWindowAttributes(display_, w, &a) && a.map_state == IsViewable;
}

void XClient::movePointer(int x, int y) {
  XTestFakeMotionEvent(display_, -1, x, y, CurrentTime);
  sync();
}

void XClient::click(int x, int y, unsigned button) {
  movePointer(x, y);
  XTestFakeButtonEvent(display_, button, True, CurrentTime);
  XTestFakeButtonEvent(display_, button, False, CurrentTime);
  sync();
}

void XClient::key(const char* keysym, const std::vector<std::string>& modifiers) {
  std::vector<KeyCode> held;
  for (const std::string& m : modifiers) {
    const char* name = m == "ctrl" ? "Control_L" : m == "shift" ? "Shift_L" : "Alt_L";
    held.push_back(XKeysymToKeycode(display_, XStringToKeysym(name)));
  }
  const KeyCode code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
  for (KeyCode k : held) XTestFakeKeyEvent(display_, k, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, True, CurrentTime);
  XTestFakeKeyEvent(display_, code, False, CurrentTime);
  for (auto it = held.rbegin(); it != held.rend(); ++it) XTestFakeKeyEvent(display_, *it, False, CurrentTime);
  sync();
}

Colour XClient::pixel(int x, int y) {
  XImage* image = XGetImage(display_, DefaultRootWindow(display_), x, y, 1, 1, AllPlanes, ZPixmap);
  if (image == nullptr) return {};
  const unsigned long p = XGetPixel(image, 0, 0);
  XDestroyImage(image);
  return {static_cast<int>((p >> 16) & 0xff), static_cast<int>((p >> 8) & 0xff), static_cast<int>(p & 0xff)};
}

void XClient::sync() { XSync(display_, False); }

}  // namespace zentavi::test
