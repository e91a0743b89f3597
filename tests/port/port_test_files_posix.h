// Real files standing in for printers in the port's tests: named pipes whose reader
// decides when the "printer" takes bytes, and the count of open descriptors that tells
// whether a test left one open.
#pragma once

#include <string>

// Open file descriptors of this process.
int OpenDescriptors();

// Makes a named pipe at `path` with a reader attached (not blocking), as a printer that
// takes bytes only while that reader reads; returns the reader's descriptor, or -1.
int MakeFifoWithReader(const std::string& path);

// Writes to the named pipe at `path` through a descriptor of its own until the pipe has
// no room left, then closes it; returns what it wrote, "" when it could not.
std::string FillFifo(const std::string& path);

// Reads `fd` until every writer has gone, waiting for bytes as they come.
std::string ReadToEnd(int fd);
