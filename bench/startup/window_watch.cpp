#include "bench/startup/window_watch.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <X11/keysym.h>
#include <poll.h>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A window that went away while being looked at is an answer, not a reason to end the
// whole measurement, as Xlib's default handler would.
int IgnoreError(Display* /*display*/, XErrorEvent* /*error*/) {
  return 0;
}

}  // namespace

struct WindowWatch::Connection {
  Display* display = nullptr;
  Window root = 0;
  int damage_event = 0;  // the event number of DamageNotify
  Atom wm_pid = 0;

  Connection() = default;
  ~Connection() {
    if (display != nullptr) XCloseDisplay(display);
  }
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // The process that says it owns `window`, or 0.
  pid_t OwnerOf(Window window) const {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    pid_t owner = 0;
    if (XGetWindowProperty(display, window, wm_pid, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &left, &data) == Success &&
        data != nullptr && format == 32 && count == 1)
      owner = static_cast<pid_t>(*reinterpret_cast<unsigned long*>(data));
    if (data != nullptr) XFree(data);
    return owner;
  }

  // Whether the mapped window holds more than one colour anywhere.
  bool ShowsContent(Window window) const {
    XWindowAttributes attributes{};
    if (XGetWindowAttributes(display, window, &attributes) == 0 ||
        attributes.map_state != IsViewable)
      return false;
    XImage* image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool varied = false;
    for (int y = 0; y < attributes.height && !varied; ++y) {
      for (int x = 0; x < attributes.width && !varied; ++x)
        varied = XGetPixel(image, x, y) != first;
    }
    XDestroyImage(image);
    return varied;
  }

  // Waits up to `deadline` for the next event.
  bool NextEvent(Clock::time_point deadline, XEvent& event) const {
    while (XPending(display) == 0) {
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
      if (left.count() <= 0) return false;
      pollfd connection{ConnectionNumber(display), POLLIN, 0};
      poll(&connection, 1, static_cast<int>(left.count()) + 1);
    }
    XNextEvent(display, &event);
    return true;
  }
};

std::unique_ptr<WindowWatch> WindowWatch::Open(std::string& error) {
  auto connection = std::make_unique<Connection>();
  connection->display = XOpenDisplay(nullptr);
  if (connection->display == nullptr) {
    error = "cannot open the display (is DISPLAY set?)";
    return nullptr;
  }
  Display* display = connection->display;
  int damage_error = 0;
  int major = 0;
  int minor = 0;
  if (!XDamageQueryExtension(display, &connection->damage_event, &damage_error) ||
      !XTestQueryExtension(display, &damage_error, &damage_error, &major, &minor)) {
    error = "the display lacks the DAMAGE or XTEST extension";
    return nullptr;
  }
  XSetErrorHandler(IgnoreError);
  connection->root = DefaultRootWindow(display);
  connection->wm_pid = XInternAtom(display, "_NET_WM_PID", False);
  // Every top-level window's creation and mapping, and every drawing anywhere on the
  // screen, in the order the server did them: nothing a program does after it starts
  // can slip past, however late this process reads its events.
  XSelectInput(display, connection->root, SubstructureNotifyMask);
  XDamageCreate(display, connection->root, XDamageReportRawRectangles);
  XSync(display, False);
  return std::unique_ptr<WindowWatch>(new WindowWatch(std::move(connection)));
}

WindowWatch::WindowWatch(std::unique_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

WindowWatch::~WindowWatch() = default;

void WindowWatch::Forget() {
  Display* display = connection_->display;
  XSync(display, False);
  XEvent event;
  while (XPending(display) != 0) XNextEvent(display, &event);
}

std::optional<Sighting> WindowWatch::WaitForFirstPaint(pid_t pid, Clock::time_point start,
                                                       std::chrono::milliseconds timeout,
                                                       std::string& error) {
  const Clock::time_point deadline = start + timeout;
  Sighting sighting;
  XEvent event;
  while (connection_->NextEvent(deadline, event)) {
    if (event.type == MapNotify && sighting.window == 0) {
      const XMapEvent& map = event.xmap;
      if (map.event != connection_->root || map.override_redirect) continue;
      if (connection_->OwnerOf(map.window) != pid) continue;
      sighting.window = map.window;
      sighting.mapped_ms = MillisecondsSince(start);
    } else if (event.type == connection_->damage_event + XDamageNotify && sighting.window != 0) {
      const double drawn_ms = MillisecondsSince(start);
      if (!connection_->ShowsContent(sighting.window)) continue;
      sighting.painted_ms = drawn_ms;
      return sighting;
    }
  }
  error = sighting.window == 0 ? "no window was mapped" : "the window was never painted";
  return std::nullopt;
}

void WindowWatch::PressEscape(unsigned long window) {
  Display* display = connection_->display;
  XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
  const KeyCode escape = XKeysymToKeycode(display, XK_Escape);
  XTestFakeKeyEvent(display, escape, True, CurrentTime);
  XTestFakeKeyEvent(display, escape, False, CurrentTime);
  XSync(display, False);
}
