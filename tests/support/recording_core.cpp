#include "tests/support/recording_core.h"

#include <new>

#include "productinfo/product_record.h"

namespace {

std::vector<RecordedCall>& MutableCalls() {
  static std::vector<RecordedCall> calls;
  return calls;
}

// Counted by the constructor and destructor, which take nothing to count into.
int g_liveObjects = 0;         // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)
bool g_creationFails = false;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

}  // namespace

CCore::CCore() {
  if (g_creationFails) throw std::bad_alloc();
  ++g_liveObjects;
}

CCore::~CCore() {
  --g_liveObjects;
}

std::string CCore::uu(tagOprType operation, tagSoft* record, std::string text) {
  std::string bytes;
  if (record != nullptr) bytes.assign(reinterpret_cast<const char*>(record), sizeof(tagSoft));
  MutableCalls().push_back({operation, record, std::move(bytes), std::move(text)});
  return "recorded";
}

const std::vector<RecordedCall>& RecordingCore::Calls() {
  return MutableCalls();
}

int RecordingCore::LiveObjects() {
  return g_liveObjects;
}

void RecordingCore::Reset() {
  MutableCalls().clear();
  g_creationFails = false;
}

void RecordingCore::FailCreation() {
  g_creationFails = true;
}
