// A product-information component that shows nothing and records every call it gets,
// linked into the core tests in place of the real one. It also counts its live objects,
// so a test can tell that every object created was deleted, and can refuse to be created.
#pragma once

#include <string>
#include <vector>

#include "tavicore/tavicore.h"

struct RecordedCall {
  tagOprType operation;
  const tagSoft* record;
  std::string recordBytes;  // the record's bytes at the time of the call
  std::string text;

  bool operator==(const RecordedCall&) const = default;
};

class RecordingCore {
 public:
  // Every call since the last Reset, in order.
  static const std::vector<RecordedCall>& Calls();
  // Component objects constructed and not yet destroyed.
  static int LiveObjects();
  // Forgets the calls and creates objects again; live objects stay counted.
  static void Reset();
  // From now on creating an object fails with std::bad_alloc, as when memory runs out.
  static void FailCreation();
};
