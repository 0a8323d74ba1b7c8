#include "platform/linux/PosixProcessLauncher.h"

#include <gtest/gtest.h>

#include "tests/platform/support/TempDir.h"

namespace tarvix::platform {
namespace {

using testsupport::TempDir;

TEST(PosixProcessLauncherTest, StartFailuresSayWhatIsWrongWithTheProgram) {
  TempDir dir;
  dir.Write("plain.txt", "not a program\n");
  dir.WriteExecutable("noshebang", "echo hi\n");
  std::filesystem::create_directories(dir.Path() / "folder");
  const std::pair<std::string, LaunchOutcome> cases[] = {
      {"", LaunchOutcome::ProgramNotFound},
      {"   ", LaunchOutcome::ProgramNotFound},
      {"tarvix-no-such-program-x http://1.2.3.4", LaunchOutcome::ProgramNotFound},
      {(dir.Path() / "missing").string(), LaunchOutcome::ProgramNotFound},
      {(dir.Path() / "nofolder/missing").string(), LaunchOutcome::PathNotFound},
      {(dir.Path() / "plain.txt/x").string(), LaunchOutcome::PathNotFound},
      {(dir.Path() / "plain.txt").string(), LaunchOutcome::NotExecutable},
      {(dir.Path() / "noshebang").string(), LaunchOutcome::NotExecutable},
      {(dir.Path() / "folder").string(), LaunchOutcome::NotExecutable},
  };
  PosixProcessLauncher launcher;
  for (const auto& [line, outcome] : cases) {
    EXPECT_EQ(launcher.StartCommandLine(line, ShowState::Hidden), outcome) << line;
  }
}

TEST(PosixProcessLauncherTest, StartedProgramGetsItsArgumentsAndIsReaped) {
  TempDir dir;
  const auto script =
      dir.WriteExecutable("record", "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"$0.args\"\n");
  PosixProcessLauncher launcher;
  const std::string line = "\"" + script.string() + "\" 'one two' three";
  EXPECT_EQ(launcher.StartCommandLine(line, ShowState::Normal), LaunchOutcome::Started);
  launcher.Reaper().WaitForAll();
  EXPECT_EQ(dir.Read("record.args"), "one two\nthree\n");
}

TEST(PosixProcessLauncherTest, OpenDocumentRunsTheOpenerAndReadsItsVerdict) {
  TempDir dir;
  const auto opener = dir.WriteExecutable(
      "opener",
      "#!/bin/sh\necho \"$1\" >> \"$0.log\"\ncase \"$1\" in *refuse*) exit 3;; esac\nexit 0\n");
  const auto document = dir.Write("widget.file", "x");
  const auto refused = dir.Write("refuse.file", "x");
  PosixProcessLauncher launcher(opener.string());
  EXPECT_EQ(launcher.OpenDocument(document.string()), OpenOutcome::Opened);
  EXPECT_EQ(launcher.OpenDocument("http://127.0.0.1"), OpenOutcome::Opened);
  EXPECT_NE(launcher.OpenDocument(refused.string()), OpenOutcome::Opened);
  EXPECT_NE(launcher.OpenDocument((dir.Path() / "missing.file").string()), OpenOutcome::Opened);
  EXPECT_NE(launcher.OpenDocument(""), OpenOutcome::Opened);
  EXPECT_EQ(dir.Read("opener.log"),
            document.string() + "\nhttp://127.0.0.1\n" + refused.string() + "\n");
}

TEST(PosixProcessLauncherTest, OpenDocumentWithoutAnOpenerFails) {
  TempDir dir;
  PosixProcessLauncher launcher((dir.Path() / "no-opener").string());
  EXPECT_NE(launcher.OpenDocument(dir.Write("f", "x").string()), OpenOutcome::Opened);
}

}  // namespace
}  // namespace tarvix::platform
