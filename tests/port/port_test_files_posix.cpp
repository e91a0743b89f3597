#include "tests/port/port_test_files_posix.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <iterator>

int OpenDescriptors() {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator("/proc/self/fd"),
                                        std::filesystem::directory_iterator()));
}

int MakeFifoWithReader(const std::string& path) {
  if (mkfifo(path.c_str(), 0600) != 0) return -1;
  return open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
}

std::string FillFifo(const std::string& path) {
  const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return "";
  std::string written;
  const std::string chunk(4096, 'f');
  for (;;) {
    const ssize_t result = write(fd, chunk.data(), chunk.size());
    if (result <= 0) break;
    written.append(chunk, 0, static_cast<size_t>(result));
  }
  close(fd);
  return written;
}

std::string ReadToEnd(int fd) {
  const int flags = fcntl(fd, F_GETFL);
  if (flags == -1 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == -1) return "";
  std::string bytes;
  char buffer[65536];
  for (;;) {
    const ssize_t result = read(fd, buffer, sizeof buffer);
    if (result < 0 && errno == EINTR) continue;
    if (result <= 0) break;
    bytes.append(buffer, static_cast<size_t>(result));
  }
  return bytes;
}
