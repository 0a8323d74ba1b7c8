#include "tests/lab/LabFixture.h"

#include <sys/wait.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace tarvix::lab {
namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

}  // namespace

int RunCommand(const std::string& command, std::string* output) {
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return -1;
  std::string text;
  char buf[4096];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) text.append(buf, n);
  int status = pclose(pipe);
  if (output) *output = text;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string LabFixture::WorkDir() const {
  std::string dir = "/run/tarvix-lab/" + Env("TARVIX_LAB") + "/tests";
  RunCommand("mkdir -p '" + dir + "'");
  return dir;
}

std::string LabFixture::LogPath(int link) const {
  return WorkDir() + "/sim" + std::to_string(link) + ".log";
}
std::string LabFixture::StatePath(int link) const {
  return WorkDir() + "/sim" + std::to_string(link) + ".state";
}

std::string LabFixture::BuildDir() const { return Env("TARVIX_BUILD_DIR"); }

void LabFixture::StartSim(int link, const std::string& config) {
  std::string path = WorkDir() + "/sim" + std::to_string(link) + ".conf";
  std::ofstream(path) << config;
  std::remove(LogPath(link).c_str());
  std::remove(StatePath(link).c_str());
  std::string command = "'" + Env("TARVIX_LAB_SCRIPT") + "' sim '" + Env("TARVIX_LAB") + "' " +
                        std::to_string(link) + " '" + path + "' --log '" + LogPath(link) +
                        "' --state '" + StatePath(link) + "' >/dev/null";
  ASSERT_EQ(RunCommand(command), 0) << command;
  started_ = true;
}

void LabFixture::TearDown() {
  if (started_)
    RunCommand("'" + Env("TARVIX_LAB_SCRIPT") + "' stop-sims '" + Env("TARVIX_LAB") + "'");
}

int LabMain(int argc, char** argv) {
  std::string why;
  if (!InsideLab(&why)) {
    std::printf("SKIPPED: %s\n", why.c_str());
    return 77;
  }
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}

}  // namespace tarvix::lab
