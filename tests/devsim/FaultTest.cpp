#include "tools/devsim/Fault.h"

#include <gtest/gtest.h>

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {
namespace {

Fault Make(void (*change)(Fault&)) {
  Fault fault;
  change(fault);
  return fault;
}

struct GoodFault {
  const char* text;
  Fault expected;
};

class FaultParsing : public testing::TestWithParam<GoodFault> {};

TEST_P(FaultParsing, ReadsTheList) {
  std::string error;
  const auto fault = ParseFault(GetParam().text, error);
  ASSERT_TRUE(fault) << error;
  EXPECT_EQ(*fault, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FaultParsing,
    testing::Values(GoodFault{"none", Fault{}},
                    GoodFault{"silent", Make([](Fault& f) { f.silent = true; })},
                    GoodFault{"noreply", Make([](Fault& f) { f.noReply = true; })},
                    GoodFault{"delay:250", Make([](Fault& f) { f.delayMs = 250; })},
                    GoodFault{"repeat:3", Make([](Fault& f) { f.repeat = 3; })},
                    GoodFault{"foreign", Make([](Fault& f) { f.foreign = true; })},
                    GoodFault{"wrongtype", Make([](Fault& f) { f.wrongType = true; })},
                    GoodFault{"misaddressed:10.0.0.9", Make([](Fault& f) {
                                f.misaddressed = Ipv4{10, 0, 0, 9};
                              })},
                    GoodFault{"truncate:24", Make([](Fault& f) { f.truncate = 24; })},
                    GoodFault{"truncate:0", Make([](Fault& f) { f.truncate = 0; })},
                    GoodFault{"delay:5, repeat:2 ,foreign", Make([](Fault& f) {
                                f.delayMs = 5;
                                f.repeat = 2;
                                f.foreign = true;
                              })}));

TEST(FaultParsing, RefusesNonsense) {
  for (const char* text :
       {"", "loud", "delay", "delay:-1", "delay:x", "repeat:0", "repeat:101", "misaddressed:1.2.3",
        "silent,", "silent:1", "truncate", "truncate:-1", "truncate:65536", "truncate:2x"}) {
    std::string error;
    EXPECT_FALSE(ParseFault(text, error)) << text;
    EXPECT_FALSE(error.empty()) << text;
  }
}

TEST(DistortReply, ChangesOnlyWhatTheFaultSays) {
  std::vector<std::uint8_t> original(28);
  for (std::size_t i = 0; i < original.size(); ++i) original[i] = static_cast<std::uint8_t>(i);
  original[0] = kTypeQueryReply;

  auto untouched = original;
  DistortReply(untouched, Fault{});
  EXPECT_EQ(untouched, original);

  auto foreign = original;
  DistortReply(foreign, Make([](Fault& f) { f.foreign = true; }));
  EXPECT_NE(std::vector(foreign.begin() + 1, foreign.begin() + 7),
            std::vector(original.begin() + 1, original.begin() + 7));
  EXPECT_EQ(std::vector(foreign.begin() + 7, foreign.end()),
            std::vector(original.begin() + 7, original.end()));

  auto moved = original;
  DistortReply(moved, Make([](Fault& f) { f.misaddressed = Ipv4{9, 8, 7, 6}; }));
  EXPECT_EQ(std::vector(moved.begin() + 17, moved.begin() + 21),
            (std::vector<std::uint8_t>{9, 8, 7, 6}));
}

TEST(DistortReply, TruncateCutsAfterTheOtherFaults) {
  std::vector<std::uint8_t> original(30, 7);
  original[0] = kTypeQueryReply;

  auto cut = original;
  DistortReply(cut, Make([](Fault& f) {
                 f.truncate = 24;
                 f.misaddressed = Ipv4{9, 8, 7, 6};
               }));
  ASSERT_EQ(cut.size(), 24u);
  EXPECT_EQ(std::vector(cut.begin() + 17, cut.begin() + 21),
            (std::vector<std::uint8_t>{9, 8, 7, 6}));
  EXPECT_EQ(std::vector(cut.begin() + 21, cut.end()),
            std::vector(original.begin() + 21, original.begin() + 24));

  // Inside the header, and a reply already shorter than the cut.
  auto header = original;
  DistortReply(header, Make([](Fault& f) { f.truncate = 5; }));
  EXPECT_EQ(header, std::vector(original.begin(), original.begin() + 5));
  auto whole = original;
  DistortReply(whole, Make([](Fault& f) { f.truncate = 100; }));
  EXPECT_EQ(whole, original);
}

TEST(DistortReply, WrongTypeIsNeverTheAwaitedOne) {
  for (const std::uint8_t type : {kTypeDiscoverBasic, kTypeDiscoverExtended, kTypeDiscoverModel,
                                  kTypeQueryReply, kTypeSetReply}) {
    std::vector<std::uint8_t> reply(21, 0);
    reply[0] = type;
    DistortReply(reply, Make([](Fault& f) { f.wrongType = true; }));
    EXPECT_NE(reply[0], type);
  }
}

}  // namespace
}  // namespace tarvix::devsim
