#include "port/state_reader_posix.h"

#include <cerrno>

#include "port/posix_failure.h"

bool StateReader::Take(PrinterWait& wait) {
  if (!reading_.valid() || !Answered()) return false;
  const StatusReading reading = Answer();
  wait.Reported(reading.error == 0 ? ProblemOfLinuxStatus(reading.lines) : std::nullopt,
                files_.Now());
  return true;
}

// The port's clock is the one to wait on: a test's moves only as the port sleeps.
StatusReading StateReader::End(PrintProgress* progress) {
  if (!reading_.valid()) return {};
  for (auto pause = std::chrono::milliseconds(1); !Answered();
       pause = std::min(pause * 2, kLongestWaitBetweenAsks)) {
    files_.Sleep(pause);
    if (progress != nullptr && !Answered()) progress->KeepWaiting();
  }
  return Answer();
}

StatusReading StateReader::Answer() {
  const StatusReading reading = reading_.get();
  if (MeansNoStatusLines(reading.error)) has_status_lines_ = false;
  if (reading.error == ENODEV) gone_ = true;
  return reading;
}
