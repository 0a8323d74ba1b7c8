#include "platform/linux/CommandLine.h"

#include <gtest/gtest.h>

namespace tarvix::platform {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLineTest, SplitsOnBlanksRespectingQuotesAndEscapes) {
  const std::pair<const char*, Words> cases[] = {
      {"firefox http://1.2.3.4", {"firefox", "http://1.2.3.4"}},
      {"  a \t b  ", {"a", "b"}},
      {R"("/opt/My Browser/run" --new "x y")", {"/opt/My Browser/run", "--new", "x y"}},
      {R"('it''s' "")", {"its", ""}},
      {R"(a\ b "q\"uote" "back\slash")", {"a b", "q\"uote", R"(back\slash)"}},
      {R"(pre"mid dle"post)", {"premid dlepost"}},
      {"", {}},
      {" ", {}},
  };
  for (const auto& [line, words] : cases) EXPECT_EQ(CommandLine::Split(line), words) << line;
}

TEST(CommandLineTest, JoinQuotesWhatSplitWouldBreak) {
  const Words words{"/opt/My Browser/run", "plain", "", R"(a"b$c\d)", "it's"};
  EXPECT_EQ(CommandLine::Join(words), R"("/opt/My Browser/run" plain "" "a\"b\$c\\d" "it's")");
  EXPECT_EQ(CommandLine::Split(CommandLine::Join(words)), words);
}

}  // namespace
}  // namespace tarvix::platform
