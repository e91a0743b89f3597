#include <memory>
#include <vector>

#include "port/printer_posix.h"
#include "tests/gui/printing_form.h"

void PrintingFormTest::Open(const char* device) {
  ASSERT_TRUE(std::filesystem::create_directory(directory_));
  device_ = directory_ / device;
  ShowForm(std::make_unique<DevicePrinter>(std::vector<std::string>{device_.string()}));
}

wxString PrintingFormTest::MissingPrinterReason() const {
  return device_.string() + wxString::FromUTF8(": 找不到打印机设备。（No such file or directory）");
}
