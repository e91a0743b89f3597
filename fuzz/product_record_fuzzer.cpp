// The product record's encoder and decoder. Every input is used three times:
//   - as one text of any length: it encodes exactly when it is whole GBK characters
//     without the separator, and the encoding decodes to it; and as one field of
//     hexadecimal: decoding never reads past it, and what it decodes to encodes back;
//   - as four texts, one per line (version, name, kind, title): a record is written
//     exactly when every text is whole GBK characters without the separator and fits its
//     field, and reading it back gives the four texts;
//   - as the raw bytes of a record (when long enough): reading never goes outside it,
//     and what it reads, written again, gives the same fields byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fields.h"
#include "fuzz/require.h"
#include "productinfo/hex_text.h"
#include "productinfo/product_record.h"

namespace {

constexpr size_t kHexDigitsPerCharacter = 4;

// The characters of `text` when it is a sequence of whole GBK characters other than the
// zero byte and the record separator, else nothing.
std::optional<size_t> GbkCharacters(std::string_view text) {
  size_t characters = 0;
  for (size_t at = 0; at < text.size(); ++at, ++characters) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte >= 0x01 && byte <= 0x7F && byte != 0x1E) continue;
    if (byte < 0x81 || byte > 0xFE || at + 1 == text.size()) return std::nullopt;
    const auto trail = static_cast<unsigned char>(text[++at]);
    if (trail < 0x40 || trail > 0xFE || trail == 0x7F) return std::nullopt;
  }
  return characters;
}

// Whether `text` can go into a field of `field_size` bytes: its characters and the
// separator, four digits each, then the terminator.
bool Fits(std::string_view text, size_t field_size) {
  const std::optional<size_t> characters = GbkCharacters(text);
  return characters && (*characters + 1) * kHexDigitsPerCharacter < field_size;
}

// The field's text up to its terminator, and whether every byte after it is zero.
bool IsTerminatedAndCleared(std::span<const char> field, std::string_view& text) {
  const auto terminator = std::find(field.begin(), field.end(), '\0');
  if (terminator == field.end()) return false;
  text = std::string_view(field.data(), static_cast<size_t>(terminator - field.begin()));
  return std::all_of(terminator, field.end(), [](char byte) { return byte == '\0'; });
}

void CheckWrittenField(std::span<const char> field, std::string_view plain) {
  std::string_view hex;
  Require(IsTerminatedAndCleared(field, hex), "a written field is terminated and cleared after");
  Require(hex.size() == (*GbkCharacters(plain) + 1) * kHexDigitsPerCharacter &&
              hex.ends_with("001E") && hex.find_first_not_of("0123456789ABCDEF") == hex.npos,
          "a written field holds four upper-case hex digits per character, then 001E");
  const std::optional<std::string> decoded = DecodeHexText(field);
  Require(decoded && *decoded == std::string(plain) + kRecordSeparator,
          "a written field decodes to its text and the separator");
}

void CheckHexText(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::optional<std::string> hex = EncodeHexText(text);
  Require(hex.has_value() == GbkCharacters(text).has_value(),
          "a text encodes exactly when it is whole GBK characters without the separator");
  if (hex) {
    hex->push_back('\0');
    Require(DecodeHexText(*hex) == std::string(text) + kRecordSeparator,
            "an encoded text decodes to the text and the separator");
  }
  const std::span<const char> field(reinterpret_cast<const char*>(data), size);
  const std::optional<std::string> decoded = DecodeHexText(field);
  if (!decoded || decoded->empty() || decoded->back() != kRecordSeparator) return;
  const std::optional<std::string> again = EncodeHexText(decoded->substr(0, decoded->size() - 1));
  if (again) {
    Require(std::string_view(*again) == std::string_view(field.data(), again->size()),
            "decoding then encoding gives the same hexadecimal");
  }
}

void CheckTextsRoundTrip(const uint8_t* data, size_t size) {
  const std::vector<std::string> fields = SplitFields(data, size, 4);
  const ProductTexts texts{fields[0], fields[1], fields[2], fields[3]};
  tagSoft record{};
  std::memset(&record, 0xAA, sizeof record);  // no help from a cleared record
  const bool written = WriteProductRecord(record, texts);
  const bool fits = Fits(texts.version, sizeof record.version) &&
                    Fits(texts.name, sizeof record.name) && Fits(texts.kind, sizeof record.kind) &&
                    Fits(texts.title, sizeof record.title);
  Require(written == fits, "a record is written exactly when every text encodes and fits");
  if (!written) return;
  CheckWrittenField(record.version, texts.version);
  CheckWrittenField(record.name, texts.name);
  CheckWrittenField(record.kind, texts.kind);
  CheckWrittenField(record.title, texts.title);
  Require(ReadProductRecord(record) == texts, "reading a written record gives back its texts");
}

// A field read from raw bytes, written again, is the same text up to its terminator.
void CheckRewrittenField(std::span<const char> original, std::span<const char> rewritten) {
  std::string_view hex;
  std::string_view again;
  Require(IsTerminatedAndCleared(rewritten, again), "a rewritten field is terminated");
  IsTerminatedAndCleared(original, hex);
  Require(hex == again, "a field that reads is the one encoding of its text");
}

void CheckRawRecord(const uint8_t* data, size_t size) {
  if (size < sizeof(tagSoft)) return;
  tagSoft record{};
  std::memcpy(&record, data, sizeof record);
  const std::optional<ProductTexts> texts = ReadProductRecord(record);
  if (!texts) return;
  tagSoft rewritten{};
  Require(WriteProductRecord(rewritten, *texts), "texts read from a record can be written");
  Require(ReadProductRecord(rewritten) == texts, "a rewritten record reads the same");
  CheckRewrittenField(record.version, rewritten.version);
  CheckRewrittenField(record.name, rewritten.name);
  CheckRewrittenField(record.kind, rewritten.kind);
  CheckRewrittenField(record.title, rewritten.title);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  CheckHexText(data, size);
  CheckTextsRoundTrip(data, size);
  CheckRawRecord(data, size);
  return 0;
}
