// The About command ("关于"): the dialog sets up the product-information component and
// the product record when it opens, hands both to the component on every About press,
// and releases them when it closes.
#pragma once

#include <cstddef>

#include "productinfo/product_record.h"
#include "tavicore/tavicore.h"

class AboutCommand {
 public:
  // Where the component object and the record come from and go back to: `new` and
  // malloc/free for the program; tests substitute failing or counting ones. The
  // component object is always released with `delete`.
  struct Allocator {
    CCore* (*newCore)();  // null when the object cannot be created
    void* (*allocate)(size_t size);
    void (*release)(void* memory);
  };
  static Allocator StandardAllocator();

  explicit AboutCommand(const Allocator& allocator = StandardAllocator())
      : m_allocator(allocator) {}
  ~AboutCommand() { Release(); }
  AboutCommand(const AboutCommand&) = delete;
  AboutCommand& operator=(const AboutCommand&) = delete;

  // Creates the component object and the record describing this program. What cannot
  // be allocated stays null, and About then does nothing. Set-up twice releases the
  // first pair.
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

  Allocator m_allocator;
  CCore* m_pCore = nullptr;
  tagSoft* m_pSoft = nullptr;
};
