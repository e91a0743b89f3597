#include "productinfo/product_record.h"

#include <algorithm>
#include <span>
#include <string_view>

#include "productinfo/hex_text.h"
#include "text/format.h"
#include "version.h"

namespace {

// Copies the encoded text with its terminator and clears the rest of the field.
bool WriteField(std::span<char> field, std::string_view plain) {
  const std::optional<std::string> hex = EncodeHexText(plain);
  if (!hex || hex->size() >= field.size()) return false;
  const auto end = std::copy(hex->begin(), hex->end(), field.begin());
  std::fill(end, field.end(), '\0');
  return true;
}

std::optional<std::string> ReadField(std::span<const char> field) {
  std::optional<std::string> text = DecodeHexText(field);
  if (!text || text->empty() || text->find(kRecordSeparator) != text->size() - 1)
    return std::nullopt;
  text->pop_back();
  return text;
}

}  // namespace

std::string VersionText(int major, int minor, int patch, int tweak) {
  return Format("%d.%d%d%02d", major, minor, patch, tweak);
}

ProductTexts ThisProduct() {
  return {VersionText(kVersionMajor, kVersionMinor, kVersionPatch, kVersionTweak), "norvessa",
          "software", "Norvessa"};
}

bool WriteProductRecord(tagSoft& record, const ProductTexts& texts) {
  return WriteField(record.kind, texts.kind) && WriteField(record.name, texts.name) &&
         WriteField(record.version, texts.version) && WriteField(record.title, texts.title);
}

std::optional<ProductTexts> ReadProductRecord(const tagSoft& record) {
  std::optional<std::string> version = ReadField(record.version);
  std::optional<std::string> name = ReadField(record.name);
  std::optional<std::string> kind = ReadField(record.kind);
  std::optional<std::string> title = ReadField(record.title);
  if (!version || !name || !kind || !title) return std::nullopt;
  return ProductTexts{std::move(*version), std::move(*name), std::move(*kind), std::move(*title)};
}
