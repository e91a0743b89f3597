// The About command ("关于"): the dialog sets up the product-information component and
// the product record when it opens, hands both to the component on every About press,
// and releases them when it closes.
#pragma once

#include <cstddef>
#include <cstdlib>

#include "productinfo/product_record.h"
#include "tavicore/tavicore.h"

// Where the record's memory comes from and goes back to: malloc and free for the program;
// a test gives its own to make the allocation fail or to count what is held.
struct RecordMemory {
  void* (*allocate)(size_t size) = [](size_t size) { return std::malloc(size); };
  void (*release)(void* memory) = [](void* memory) { std::free(memory); };
};

class AboutCommand {
 public:
  explicit AboutCommand(RecordMemory memory = {}) : m_memory(memory) {}
  ~AboutCommand() { Release(); }
  AboutCommand(const AboutCommand&) = delete;
  AboutCommand& operator=(const AboutCommand&) = delete;

  // Creates the component object (with `new`) and the record describing this program.
  // What cannot be created or allocated stays null, and About then does nothing. Set-up twice
  // releases the first pair.
  void SetUp();
  // Shows the About information: one call into the component with the record and an
  // empty text; the component's answer is of no use to the form.
  void OnAbout();
  // Deletes the component object and frees the record; both become null.
  void Release();

  const CCore* Core() const { return m_pCore; }
  const tagSoft* Record() const { return m_pSoft; }

 private:
  // The record for this program, or null when it cannot be allocated or filled.
  tagSoft* NewRecord() const;

  RecordMemory m_memory;
  CCore* m_pCore = nullptr;
  tagSoft* m_pSoft = nullptr;
};
