#include "port/posix_failure.h"

#include <cerrno>
#include <cstring>

#include "text/format.h"

namespace {

// The system's reason for an error number, untranslated (so it is plain ASCII, valid
// GBK) whatever the user's locale.
std::string SystemWords(int error) {
  const char* text = strerrordesc_np(error);
  return text != nullptr ? text : Format("error %d", error);
}

PrinterFailure Failure(PrinterFault fault, const std::string& device, int error) {
  return {fault, device, error, SystemWords(error), std::nullopt};
}

// The parallel port driver reports paper out as ENOSPC, offline or error as EIO; a printer
// unplugged mid-receipt gives ENODEV, a reader gone EPIPE.
PrinterFault FaultOfPrinting(int error) {
  switch (error) {
    case ENOSPC:
      return PrinterFault::kPaperOut;
    case EIO:
      return PrinterFault::kOfflineOrError;
    case ENODEV:
    case ENXIO:
    case EPIPE:
      return PrinterFault::kGoneAway;
    case EBUSY:
      return PrinterFault::kBusy;
    default:
      return PrinterFault::kSystemError;
  }
}

PrinterFault FaultOfProblem(PrinterProblem problem) {
  switch (problem) {
    case PrinterProblem::kPaperOut:
      return PrinterFault::kPaperOut;
    case PrinterProblem::kOffline:
      return PrinterFault::kOffline;
    case PrinterProblem::kError:
      break;
  }
  return PrinterFault::kPrinterError;
}

}  // namespace

PrinterFailure OpeningFailure(const std::string& device, int error) {
  if (MeansNoDevice(error)) return Failure(PrinterFault::kNoDevice, device, error);
  if (error == EACCES || error == EPERM) return Failure(PrinterFault::kNoPermission, device, error);
  return Failure(FaultOfPrinting(error), device, error);
}

PrinterFailure PrintingFailure(const std::string& device, int error,
                               std::optional<PrinterProblem> problem) {
  const PrinterFault fault =
      problem && MayBeProblem(error) ? FaultOfProblem(*problem) : FaultOfPrinting(error);
  return Failure(fault, device, error);
}

bool MeansNoDevice(int error) {
  return error == ENOENT || error == ENODEV || error == ENXIO;
}

bool MayBeProblem(int error) {
  return error == ENOSPC || error == EIO;
}

bool MeansNoStatusLines(int error) {
  return error == ENOTTY || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}
