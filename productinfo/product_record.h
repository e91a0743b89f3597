// The product record handed to the product-information component: four fixed-size text
// fields, each holding a zero-terminated hexadecimal text (hex_text.h). Its layout is
// shared with the component, byte for byte.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

struct tagSoft {
  char version[51];
  char name[101];
  char kind[101];
  char title[101];
};

inline constexpr size_t kProductRecordSize = 354;

static_assert(sizeof(tagSoft) == kProductRecordSize);
static_assert(offsetof(tagSoft, version) == 0 && sizeof(tagSoft::version) == 51);
static_assert(offsetof(tagSoft, name) == 51 && sizeof(tagSoft::name) == 101);
static_assert(offsetof(tagSoft, kind) == 152 && sizeof(tagSoft::kind) == 101);
static_assert(offsetof(tagSoft, title) == 253 && sizeof(tagSoft::title) == 101);

// The plain values the record describes, GBK.
struct ProductTexts {
  std::string version;  // "2.0408"
  std::string name;     // "norvessa"
  std::string kind;     // "software"
  std::string title;    // "Norvessa", the display title

  bool operator==(const ProductTexts&) const = default;
};

// A version as the product shows it: the major number, a point, then the minor and
// patch numbers and the tweak number as two digits (2.0.4.8 is "2.0408").
std::string VersionText(int major, int minor, int patch, int tweak);

// This program: its version from the build's version numbers, its name, kind and title.
ProductTexts ThisProduct();

// Writes the four texts encoded into their fields in the order kind, name, version,
// title, each zero-terminated with the rest of its field cleared to zero. False when a
// text cannot be encoded or does not fit its field; the record is then unusable.
bool WriteProductRecord(tagSoft& record, const ProductTexts& texts);

// The four texts a record holds, each without its closing separator. Nothing when a
// field does not decode or its text is not closed by exactly one separator at its end.
std::optional<ProductTexts> ReadProductRecord(const tagSoft& record);
