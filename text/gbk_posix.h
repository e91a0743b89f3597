// GBK through the system's iconv: one pair of converters, opened once. A system without
// iconv's GBK module cannot open them, and says so rather than turning every Chinese
// character into "?" without a word.
#pragma once

#include <iconv.h>

#include <mutex>
#include <optional>
#include <string>
#include <string_view>

class IconvGbk {
 public:
  // Opens the converters between UTF-8 and what iconv calls `gbk_codeset`: "GBK" for the
  // till's own (text/gbk.h).
  explicit IconvGbk(const char* gbk_codeset);
  ~IconvGbk();
  IconvGbk(const IconvGbk&) = delete;
  IconvGbk& operator=(const IconvGbk&) = delete;

  // As Utf8ToGbk and GbkToUtf8; without the converters every byte beyond ASCII becomes "?",
  // so a text keeps its shape.
  std::string FromUtf8(std::string_view utf8);
  std::string ToUtf8(std::string_view gbk);
  // As GbkUnavailableReason: nothing when the converters are open.
  std::optional<std::string> UnavailableReason() const;

 private:
  void Append(iconv_t converter, std::string_view input, bool input_is_utf8, std::string& output);

  std::string codeset_;
  iconv_t to_gbk_;
  iconv_t from_gbk_;
  std::optional<int> opening_error_;  // errno of the converter that did not open
  std::mutex converting_;  // a converter keeps its state between calls: one text at a time
};
