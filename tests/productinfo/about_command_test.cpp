#include "productinfo/about_command.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>
#include <string>

#include "tests/support/recording_core.h"

namespace {

// Record memory handed out and not yet given back; the memory's functions capture nothing.
int g_recordsHeld = 0;  // NOLINT(cppcoreguidelines-avoid-non-const-global-variables)

RecordMemory CountingMemory() {
  return {[](size_t size) {
            ++g_recordsHeld;
            return std::malloc(size);
          },
          [](void* memory) {
            --g_recordsHeld;
            std::free(memory);
          }};
}

class AboutCommandTest : public testing::Test {
 protected:
  void SetUp() override {
    RecordingCore::Reset();
    g_recordsHeld = 0;
  }
  void TearDown() override {
    EXPECT_EQ(RecordingCore::LiveObjects(), 0) << "a component object leaked";
    EXPECT_EQ(g_recordsHeld, 0) << "a record leaked";
  }
};

std::string BytesOf(const tagSoft* record) {
  return std::string(reinterpret_cast<const char*>(record), sizeof *record);
}

TEST_F(AboutCommandTest, SetUpCreatesTheComponentAndThisProgramsRecord) {
  AboutCommand about(CountingMemory());
  about.SetUp();
  ASSERT_NE(about.Core(), nullptr);
  ASSERT_NE(about.Record(), nullptr);
  EXPECT_EQ(RecordingCore::LiveObjects(), 1);
  EXPECT_EQ(g_recordsHeld, 1);
  EXPECT_EQ(ReadProductRecord(*about.Record()), ThisProduct());
  EXPECT_TRUE(RecordingCore::Calls().empty()) << "set-up shows nothing";
}

TEST_F(AboutCommandTest, EachPressMakesOneIdenticalCallWithTheSameRecord) {
  AboutCommand about(CountingMemory());
  about.SetUp();
  about.OnAbout();
  about.OnAbout();
  const std::vector<RecordedCall>& calls = RecordingCore::Calls();
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0], calls[1]);
  EXPECT_EQ(calls[0].operation, tagOprType::About);
  EXPECT_EQ(static_cast<int32_t>(calls[0].operation), 4);
  EXPECT_EQ(calls[0].record, about.Record());
  EXPECT_EQ(calls[0].recordBytes, BytesOf(about.Record()));
  EXPECT_EQ(calls[0].text, "");
}

TEST_F(AboutCommandTest, ReleaseDeletesBothAndNullsThePointers) {
  AboutCommand about(CountingMemory());
  about.SetUp();
  about.Release();
  EXPECT_EQ(about.Core(), nullptr);
  EXPECT_EQ(about.Record(), nullptr);
  EXPECT_EQ(RecordingCore::LiveObjects(), 0);
  EXPECT_EQ(g_recordsHeld, 0);
  about.Release();  // a second release finds nothing to free
  about.OnAbout();
  EXPECT_TRUE(RecordingCore::Calls().empty()) << "nothing to call after release";
}

TEST_F(AboutCommandTest, ASecondSetUpReplacesTheFirstPair) {
  AboutCommand about(CountingMemory());
  about.SetUp();
  about.SetUp();
  EXPECT_EQ(RecordingCore::LiveObjects(), 1);
  EXPECT_EQ(g_recordsHeld, 1);
}

TEST_F(AboutCommandTest, TheCommandReleasesWhatItStillHoldsWhenItEnds) {
  {
    AboutCommand about(CountingMemory());
    about.SetUp();
  }
  // The fixture checks that nothing is left.
}

TEST_F(AboutCommandTest, DoesNothingBeforeSetUp) {
  AboutCommand about;
  about.OnAbout();
  EXPECT_TRUE(RecordingCore::Calls().empty());
}

struct FailedAllocation {
  const char* name;
  bool coreFails;
  bool recordFails;
};

void PrintTo(const FailedAllocation& failure, std::ostream* out) {
  *out << failure.name;
}

class AboutCommandFailureTest : public AboutCommandTest,
                                public testing::WithParamInterface<FailedAllocation> {};

TEST_P(AboutCommandFailureTest, AboutIsSkippedAndWhatWasAllocatedIsReleased) {
  RecordMemory memory = CountingMemory();
  if (GetParam().coreFails) RecordingCore::FailCreation();
  if (GetParam().recordFails) memory.allocate = [](size_t) -> void* { return nullptr; };
  AboutCommand about(memory);
  about.SetUp();
  EXPECT_EQ(about.Core() == nullptr, GetParam().coreFails);
  EXPECT_EQ(about.Record() == nullptr, GetParam().recordFails);
  about.OnAbout();
  EXPECT_TRUE(RecordingCore::Calls().empty());
  about.Release();
  EXPECT_EQ(about.Core(), nullptr);
  EXPECT_EQ(about.Record(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Allocations, AboutCommandFailureTest,
                         testing::Values(FailedAllocation{"Component", true, false},
                                         FailedAllocation{"Record", false, true},
                                         FailedAllocation{"Both", true, true}),
                         [](const testing::TestParamInfo<FailedAllocation>& info) {
                           return info.param.name;
                         });

}  // namespace
