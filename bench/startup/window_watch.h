// Watches the X display from outside the programs it measures: which top-level window a
// process maps, when it is mapped, and when it first shows something painted. Also ends
// a program the way a user would, with Esc.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

struct Sighting {
  unsigned long window = 0;  // the X window's id
  double mapped_ms = 0;      // from the start to the window being mapped
  double painted_ms = 0;     // from the start to its first painted frame
};

class WindowWatch {
 public:
  // Connects to the display DISPLAY names; nothing when there is none, or it lacks the
  // extensions the watch needs (the reason is in `error`).
  static std::unique_ptr<WindowWatch> Open(std::string& error);
  ~WindowWatch();
  WindowWatch(const WindowWatch&) = delete;
  WindowWatch& operator=(const WindowWatch&) = delete;

  // Forgets what happened on the display so far; call it just before starting a program.
  void Forget();

  // Waits for process `pid` to map a top-level window and paint it. "Painted" is the
  // first drawing into the mapped window after which the window holds more than one
  // colour: a window server clearing it to its background does not count. Times are
  // measured from `start`. Nothing when `timeout` passes first (the reason is in `error`).
  std::optional<Sighting> WaitForFirstPaint(pid_t pid, std::chrono::steady_clock::time_point start,
                                            std::chrono::milliseconds timeout, std::string& error);

  // Gives the window the keyboard focus and presses and releases Esc.
  void PressEscape(unsigned long window);

 private:
  struct Connection;
  explicit WindowWatch(std::unique_ptr<Connection> connection);

  std::unique_ptr<Connection> connection_;
};
