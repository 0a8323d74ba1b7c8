#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kTriedSocket = 99;  // the exit status of the preloaded socket()

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

std::string ReadBack(FILE* file) {
  std::rewind(file);
  std::string text;
  char buffer[4096];
  size_t n;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) text.append(buffer, n);
  std::fclose(file);
  return text;
}

// Runs `program` with socket() replaced by one that ends it, collecting both
// streams apart.
Outcome RunWithoutSockets(const char* program, const std::vector<std::string>& args) {
  FILE* out = std::tmpfile();
  FILE* err = std::tmpfile();
  if (!out || !err) return {};
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(fileno(out), STDOUT_FILENO);
    dup2(fileno(err), STDERR_FILENO);
    setenv("LD_PRELOAD", TARVIX_NO_SOCKETS, 1);
    std::vector<char*> argv{const_cast<char*>(program)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    execv(program, argv.data());
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  Outcome outcome;
  outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.out = ReadBack(out);
  outcome.err = ReadBack(err);
  return outcome;
}

TEST(NoSocketsTest, EndsAProgramThatOpensASocket) {
  const Outcome probe = RunWithoutSockets(TARVIX_SOCKET_PROBE, {});
  EXPECT_EQ(probe.status, kTriedSocket);
  EXPECT_NE(probe.err.find("tried to open a socket"), std::string::npos) << probe.err;
}

enum class Stream { Out, Err };

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  int status;
  Stream stream;       // where the text goes; the other stream stays empty
  std::string begins;  // how that text begins
  std::string contains;
};

void PrintTo(const UsageCase& c, std::ostream* os) { *os << c.name; }

const std::string kToolUsage = "usage: tarvix discover [--json]\n";

const UsageCase kCases[] = {
    {"Help", {"--help"}, 0, Stream::Out, kToolUsage, "  set-dhcp    switch a device to DHCP\n"},
    {"ShortHelp", {"-h"}, 0, Stream::Out, kToolUsage, "       tarvix --help | --version\n"},
    {"Version", {"--version"}, 0, Stream::Out, std::string("tarvix ") + TARVIX_VERSION + "\n", ""},
    {"DiscoverHelp",
     {"discover", "--help"},
     0,
     Stream::Out,
     "usage: tarvix discover [--json]\n\nSearch once and list every device found.\n",
     "--json"},
    {"InfoHelp",
     {"info", "-h"},
     0,
     Stream::Out,
     "usage: tarvix info ADDRESS [--json]\n\n",
     "ADDRESS"},
    {"SetStaticHelpAfterArguments",
     {"set-static", "10.77.1.20", "--help"},
     0,
     Stream::Out,
     "usage: tarvix set-static ADDRESS NEW_ADDRESS NETMASK [GATEWAY] [--port LAN2]\n\n",
     "--port LAN2"},
    {"SetDhcpHelp",
     {"set-dhcp", "--help"},
     0,
     Stream::Out,
     "usage: tarvix set-dhcp ADDRESS [--port LAN2]\n\nSwitch a device to DHCP.\n",
     ""},
    {"NoVerb", {}, 2, Stream::Err, kToolUsage, ""},
    {"UnknownVerb",
     {"bogus"},
     2,
     Stream::Err,
     "tarvix: unknown command 'bogus'\n" + kToolUsage,
     ""},
    {"UnknownToolOption",
     {"--bogus"},
     2,
     Stream::Err,
     "tarvix: unknown option '--bogus'\n" + kToolUsage,
     ""},
    {"ArgumentAfterVersion",
     {"--version", "discover"},
     2,
     Stream::Err,
     "tarvix: unexpected argument 'discover' after --version\n",
     ""},
    {"UnknownVerbOption",
     {"discover", "--bogus"},
     2,
     Stream::Err,
     "tarvix discover: unknown option '--bogus'\nusage: tarvix discover [--json]\n",
     ""},
    {"MissingAddress",
     {"info", "--json"},
     2,
     Stream::Err,
     "tarvix info: an ADDRESS is needed\n",
     ""},
    {"BadNewAddress",
     {"set-static", "10.77.1.20", "10.77.1.300", "255.255.255.0"},
     2,
     Stream::Err,
     "tarvix set-static: '10.77.1.300' is not a dotted address\n",
     ""},
    {"ExtraDhcpArgument",
     {"set-dhcp", "10.77.1.20", "10.77.1.21"},
     2,
     Stream::Err,
     "tarvix set-dhcp: unexpected argument '10.77.1.21'\n",
     ""},
};

class CliUsageTest : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CliUsageTest, AnswersWithoutTheNetwork) {
  const UsageCase& c = GetParam();
  const Outcome o = RunWithoutSockets(TARVIX_TOOL, c.args);
  EXPECT_EQ(o.status, c.status) << o.err;
  const std::string& text = c.stream == Stream::Out ? o.out : o.err;
  const std::string& other = c.stream == Stream::Out ? o.err : o.out;
  EXPECT_EQ(text.substr(0, c.begins.size()), c.begins) << text;
  EXPECT_NE(text.find(c.contains), std::string::npos) << text;
  EXPECT_EQ(other, "");
}

INSTANTIATE_TEST_SUITE_P(Cases, CliUsageTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

}  // namespace
