// What a printer standing in as a file received.
#pragma once

#include <string>

// Every byte of the file; empty when it is empty or cannot be read.
std::string ReadFileBytes(const std::string& path);
