#include "platform/linux/PosixProcessLauncher.h"

#include <gtest/gtest.h>

#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

using testsupport::TempDir;

TEST(PosixProcessLauncherTest, StartFailuresUseTheClassicCodes) {
  TempDir dir;
  dir.Write("plain.txt", "not a program\n");
  dir.WriteExecutable("noshebang", "echo hi\n");
  std::filesystem::create_directories(dir.Path() / "folder");
  const std::pair<std::string, unsigned> cases[] = {
      {"", launch_result::kFileNotFound},
      {"   ", launch_result::kFileNotFound},
      {"tarvix-no-such-program-x http://1.2.3.4", launch_result::kFileNotFound},
      {(dir.Path() / "missing").string(), launch_result::kFileNotFound},
      {(dir.Path() / "nofolder/missing").string(), launch_result::kPathNotFound},
      {(dir.Path() / "plain.txt/x").string(), launch_result::kPathNotFound},
      {(dir.Path() / "plain.txt").string(), launch_result::kBadFormat},
      {(dir.Path() / "noshebang").string(), launch_result::kBadFormat},
      {(dir.Path() / "folder").string(), launch_result::kBadFormat},
  };
  PosixProcessLauncher launcher;
  for (const auto& [line, code] : cases) EXPECT_EQ(launcher.WinExec(line, 0), code) << line;
}

TEST(PosixProcessLauncherTest, StartedProgramGetsItsArgumentsAndIsReaped) {
  TempDir dir;
  const auto script = dir.WriteExecutable("record", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
  PosixProcessLauncher launcher;
  EXPECT_GT(launcher.WinExec("\"" + script.string() + "\" 'one two' three", 5), 31u);
  launcher.Reaper().WaitForAll();
  EXPECT_EQ(dir.Read("record.args"), "one two\nthree\n");
}

TEST(PosixProcessLauncherTest, ShellOpenRunsTheOpenerAndReadsItsVerdict) {
  TempDir dir;
  const auto opener = dir.WriteExecutable(
      "opener", "#!/bin/sh\necho \"$1\" >> \"$0.log\"\ncase \"$1\" in *refuse*) exit 3;; esac\nexit 0\n");
  const auto document = dir.Write("widget.file", "x");
  const auto refused = dir.Write("refuse.file", "x");
  PosixProcessLauncher launcher(opener.string());
  EXPECT_GT(launcher.ShellOpen(document.string()), 32u);
  EXPECT_GT(launcher.ShellOpen("http://127.0.0.1"), 32u);
  EXPECT_LE(launcher.ShellOpen(refused.string()), 32u);
  EXPECT_LE(launcher.ShellOpen((dir.Path() / "missing.file").string()), 32u);
  EXPECT_LE(launcher.ShellOpen(""), 32u);
  EXPECT_EQ(dir.Read("opener.log"), document.string() + "\nhttp://127.0.0.1\n" + refused.string() + "\n");
}

TEST(PosixProcessLauncherTest, ShellOpenWithoutAnOpenerFails) {
  TempDir dir;
  PosixProcessLauncher launcher((dir.Path() / "no-opener").string());
  EXPECT_LE(launcher.ShellOpen(dir.Write("f", "x").string()), 32u);
}

}  // namespace
}  // namespace tarvix::platform
