// The printer's state (its port's status lines) read away from the printing thread, one
// reading at a time: the USB printer driver passes the question on to the printer and may
// wait up to 5 s for its answer, and holds the device until then.
#pragma once

#include <future>

#include "port/file_system_posix.h"
#include "port/printer_wait.h"

class StateReader {
 public:
  // `status_lines`: whether the port may have any (a regular file has none).
  StateReader(FileSystem& files, int fd, bool status_lines)
      : files_(files), fd_(fd), has_status_lines_(status_lines) {}
  // The device is let go only once a reading has ended.
  ~StateReader() {
    if (reading_.valid()) reading_.wait();
  }
  StateReader(const StateReader&) = delete;
  StateReader& operator=(const StateReader&) = delete;

  // Until a reading said the port has none.
  bool HasStatusLines() const { return has_status_lines_; }
  // A reading said the printer has gone away.
  bool PrinterGone() const { return gone_; }
  // A reading is under way: nothing is written meanwhile, as the USB printer driver would
  // hold the write until the printer has answered.
  bool Reading() const { return reading_.valid(); }

  void Start() { reading_ = files_.ReadStatusLines(fd_); }
  // Hands `wait` the answer of the reading under way once it has come; whether it had.
  bool Take(PrinterWait& wait);
  // Waits for the reading under way to end, if there is one; its answer. The print waits
  // meanwhile, and `progress` (when given) is told so at every turn, but cannot stop it:
  // the device stays held until the answer has come.
  StatusReading End(PrintProgress* progress = nullptr);

 private:
  bool Answered() const {
    return reading_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
  }
  StatusReading Answer();

  FileSystem& files_;
  int fd_;
  std::future<StatusReading> reading_;  // valid while the printer's state is being read
  bool has_status_lines_;
  bool gone_ = false;
};
