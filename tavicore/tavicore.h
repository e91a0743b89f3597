// The product-information component. The program hands it the product record and an
// operation code; what the component shows, and for how long, is its own business. This
// header is all the program sees of it: it brings in no user-interface toolkit.
#pragma once

#include <cstdint>
#include <string>

struct tagSoft;  // productinfo/product_record.h

// The operation code is a 32-bit number of the component's interface, whatever codes this
// component knows: any other value reaches it too and must show nothing.
// NOLINTNEXTLINE(performance-enum-size)
enum class tagOprType : int32_t {
  About = 4,  // show the product's About box
};

class CCore {
 public:
  CCore();
  ~CCore();  // NOLINT(performance-trivially-destructible): each component defines its own
  CCore(const CCore&) = delete;
  CCore& operator=(const CCore&) = delete;

  // The component's one entry. `text` and the result are GBK. About shows the product
  // described by `record` in a modal box and returns once it is closed; an unknown
  // operation, or a record that is missing or does not decode, shows nothing. The
  // result is an empty text either way.
  std::string uu(tagOprType operation, tagSoft* record, std::string text);
};
