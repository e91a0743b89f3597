#include "productinfo/product_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>

namespace {

using namespace std::string_literals;

// The four field texts this program's record must hold.
constexpr const char* kVersionHex = "0032002E0030003400300038001E";        // 2.0408
constexpr const char* kNameHex = "006E006F007200760065007300730061001E";   // norvessa
constexpr const char* kKindHex = "0073006F006600740077006100720065001E";   // software
constexpr const char* kTitleHex = "004E006F007200760065007300730061001E";  // Norvessa

// A record as 354 bytes: each text at its field's offset, zeros everywhere else.
std::string ExpectedBytes() {
  std::string bytes(kProductRecordSize, '\0');
  bytes.replace(0, std::strlen(kVersionHex), kVersionHex);
  bytes.replace(51, std::strlen(kNameHex), kNameHex);
  bytes.replace(152, std::strlen(kKindHex), kKindHex);
  bytes.replace(253, std::strlen(kTitleHex), kTitleHex);
  return bytes;
}

std::string BytesOf(const tagSoft& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// A record filled as the program fills it, over memory that held other bytes before.
tagSoft ThisProductRecord() {
  tagSoft record{};
  std::memset(&record, 0xAA, sizeof record);
  EXPECT_TRUE(WriteProductRecord(record, ThisProduct()));
  return record;
}

TEST(ProductRecordTest, DescribesThisProgram) {
  EXPECT_EQ(ThisProduct(), (ProductTexts{"2.0408", "norvessa", "software", "Norvessa"}));
}

TEST(ProductRecordTest, RendersVersionsWithATwoDigitTweak) {
  EXPECT_EQ(VersionText(2, 0, 4, 8), "2.0408");
  EXPECT_EQ(VersionText(3, 1, 2, 15), "3.1215");
}

TEST(ProductRecordTest, HoldsTheFourTextsByteForByteWithZerosAfterEach) {
  EXPECT_EQ(BytesOf(ThisProductRecord()), ExpectedBytes());
}

TEST(ProductRecordTest, ReadsBackTheValuesItWasWrittenWith) {
  EXPECT_EQ(ReadProductRecord(ThisProductRecord()), ThisProduct());
  const ProductTexts chinese{"1.0", "\xCF\xFA", "\xC2\xCC\xB6\xB9", "\xB9\xD8"};  // 销 绿豆 关
  tagSoft record{};
  ASSERT_TRUE(WriteProductRecord(record, chinese));
  EXPECT_STREQ(record.name, "CFFA001E");
  EXPECT_EQ(ReadProductRecord(record), chinese);
}

TEST(ProductRecordTest, WritesOnlyTextsThatFitTheirFieldsWithATerminator) {
  // A field of 101 bytes holds 100 digits: 24 characters and the separator.
  tagSoft record{};
  ProductTexts texts = ThisProduct();
  texts.name = std::string(24, 'n');
  EXPECT_TRUE(WriteProductRecord(record, texts));
  EXPECT_EQ(record.name[100], '\0');
  texts.name = std::string(25, 'n');
  EXPECT_FALSE(WriteProductRecord(record, texts));
  // The version field, 51 bytes, holds 11 characters.
  texts = ThisProduct();
  texts.version = std::string(11, '9');
  EXPECT_TRUE(WriteProductRecord(record, texts));
  texts.version = std::string(12, '9');
  EXPECT_FALSE(WriteProductRecord(record, texts));
  texts = ThisProduct();
  texts.title = "\x80";
  EXPECT_FALSE(WriteProductRecord(record, texts));
}

struct Damage {
  const char* name;
  size_t offset;  // the damaged field's
  size_t size;
  std::string contents;  // the field's new bytes from its start; the rest stays
};

void PrintTo(const Damage& damage, std::ostream* out) {
  *out << damage.name;
}

class DamagedRecordTest : public testing::TestWithParam<Damage> {};

TEST_P(DamagedRecordTest, IsRejected) {
  tagSoft record = ThisProductRecord();
  char* field = reinterpret_cast<char*>(&record) + GetParam().offset;
  if (GetParam().contents.empty())
    std::memset(field, '0', GetParam().size);  // no terminator anywhere in the field
  else
    std::copy(GetParam().contents.begin(), GetParam().contents.end(), field);
  EXPECT_EQ(ReadProductRecord(record), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, DamagedRecordTest,
    testing::Values(Damage{"VersionWithoutTerminator", 0, 51, ""},
                    Damage{"NameWithoutTerminator", 51, 101, ""},
                    Damage{"KindWithoutTerminator", 152, 101, ""},
                    Damage{"TitleWithoutTerminator", 253, 101, ""},
                    Damage{"EmptyVersion", 0, 51, "\0"s},
                    Damage{"NameWithoutSeparator", 51, 101, "006E\0"s},
                    Damage{"KindWithSeparatorInside", 152, 101, "0073001E0073001E\0"s},
                    Damage{"KindWithTwoSeparators", 152, 101, "001E001E\0"s},
                    Damage{"TitleInLowerCase", 253, 101, "004e001E\0"s},
                    Damage{"TitleCutInACharacter", 253, 101, "004E001\0"s}),
    [](const testing::TestParamInfo<Damage>& info) { return info.param.name; });

}  // namespace
