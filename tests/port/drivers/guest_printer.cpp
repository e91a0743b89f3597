// Plays a USB receipt printer inside the test machine, on the gadget side of the kernel's
// USB printer function (/dev/g_printer0): what the till's port writes to /dev/usb/lp0
// arrives here through the real usblp driver. The printer takes what it is sent, stops
// taking it (a printer with its little buffer full), and sets the status byte that the
// driver's LPGETSTATUS asks for, step by step as its arguments say:
//
//   status=0xNN    the status byte from now on (0x18 ready, 0x38 out of paper, 0x08 offline)
//   ready          tells the guest script it may start printing (creates /tmp/ready)
//   take=N         takes exactly N bytes, then stops taking
//   until-shown=N  waits until the till has shown the cashier N texts (lines of /tmp/shown)
//   mark=PATH      creates PATH;  await=PATH  waits until PATH exists
//   pause=MS       does nothing for MS milliseconds
//   unplug         the cable pulled: unbinds the gadget from its controller
//   slow=N         takes the rest N bytes at a time with a pause between
//   rest           takes the rest
//
// The rest is everything until the print is over (the guest script creates /tmp/printed)
// and nothing more comes. Everything taken is appended to /tmp/printer.bin.
#include <fcntl.h>
#include <linux/usb/g_printer.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <thread>

namespace {

using namespace std::chrono_literals;

constexpr const char* kGadgetDevice = "/dev/g_printer0";
constexpr const char* kReceived = "/tmp/printer.bin";
constexpr const char* kPrinted = "/tmp/printed";
constexpr const char* kShown = "/tmp/shown";
constexpr const char* kGadgetController = "/sys/kernel/config/usb_gadget/g1/UDC";

bool Exists(const char* path) {
  return access(path, F_OK) == 0;
}

void AwaitFile(const char* path) {
  while (!Exists(path)) std::this_thread::sleep_for(10ms);
}

bool CreateFile(const char* path) {
  return static_cast<bool>(std::ofstream(path));
}

int LinesIn(const char* path) {
  std::ifstream in(path);
  int lines = 0;
  for (std::string line; std::getline(in, line);) ++lines;
  return lines;
}

class Printer {
 public:
  explicit Printer(int fd) : fd_(fd), received_(kReceived, std::ios::binary | std::ios::app) {}

  bool Step(std::string_view step);

 private:
  // Takes up to `limit` bytes that have arrived within `wait`: how many, -1 on failure.
  long TakeSome(size_t limit, std::chrono::milliseconds wait);
  bool TakeExactly(size_t count);
  bool TakeRest(size_t chunk, std::chrono::milliseconds pause);

  int fd_;
  std::ofstream received_;
};

long Printer::TakeSome(size_t limit, std::chrono::milliseconds wait) {
  pollfd entry{fd_, POLLIN, 0};
  const int ready = poll(&entry, 1, static_cast<int>(wait.count()));
  if (ready <= 0) return ready == 0 || errno == EINTR ? 0 : -1;
  char buffer[4096];
  const ssize_t got = read(fd_, buffer, std::min(limit, sizeof buffer));
  if (got < 0) return errno == EAGAIN || errno == EINTR ? 0 : -1;
  if (got > 0) {
    received_.write(buffer, got);
    received_.flush();
  }
  return got;
}

bool Printer::TakeExactly(size_t count) {
  while (count > 0) {
    const long got = TakeSome(count, 100ms);
    if (got < 0) return false;
    count -= static_cast<size_t>(got);
  }
  return true;
}

// Once the print is over, whatever the driver delivered is already here: a turn without
// a byte after that ends it.
bool Printer::TakeRest(size_t chunk, std::chrono::milliseconds pause) {
  for (;;) {
    const bool over = Exists(kPrinted);
    const long got = TakeSome(chunk, 50ms);
    if (got < 0) return false;
    if (got == 0 && over) return true;
    if (got > 0) std::this_thread::sleep_for(pause);
  }
}

bool Printer::Step(std::string_view step) {
  const size_t equals = step.find('=');
  const std::string name(step.substr(0, equals));
  const std::string value(equals == std::string_view::npos ? "" : step.substr(equals + 1));
  if (name == "status")
    return ioctl(fd_, GADGET_SET_PRINTER_STATUS, std::strtoul(value.c_str(), nullptr, 0)) >= 0;
  if (name == "ready") return CreateFile("/tmp/ready");
  if (name == "take") return TakeExactly(std::strtoul(value.c_str(), nullptr, 0));
  if (name == "until-shown") {
    while (LinesIn(kShown) < std::atoi(value.c_str())) std::this_thread::sleep_for(10ms);
    return true;
  }
  if (name == "mark") return CreateFile(value.c_str());
  if (name == "await") {
    AwaitFile(value.c_str());
    return true;
  }
  if (name == "pause") {
    std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(value.c_str())));
    return true;
  }
  if (name == "unplug") {
    std::ofstream controller(kGadgetController);
    controller << "\n";
    return static_cast<bool>(controller.flush());
  }
  if (name == "slow") return TakeRest(std::strtoul(value.c_str(), nullptr, 0), 20ms);
  if (name == "rest") return TakeRest(4096, 0ms);
  std::fprintf(stderr, "guest_printer: unknown step %s\n", name.c_str());
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  const int fd = open(kGadgetDevice, O_RDWR | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    std::perror(kGadgetDevice);
    return 1;
  }
  Printer printer(fd);
  for (int i = 1; i < argc; ++i) {
    if (!printer.Step(argv[i])) {
      std::fprintf(stderr, "guest_printer: step %s failed: %s\n", argv[i], std::strerror(errno));
      return 1;
    }
  }
  return 0;
}
