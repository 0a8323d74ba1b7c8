#include "tests/platform/support/SmbdServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <pwd.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

extern char** environ;

namespace tarvix::testsupport {
namespace {

namespace fs = std::filesystem;

constexpr int kReadyWaitSteps = 300;  // of 100 ms: generous, smbd is usually ready at once
constexpr int kStepMs = 100;

bool OnPath(const std::string& program) {
  for (const char* folder : {"/usr/sbin", "/usr/bin", "/sbin", "/bin", "/usr/local/sbin"}) {
    if (::access((fs::path(folder) / program).c_str(), X_OK) == 0) return true;
  }
  return false;
}

std::string ShareSection(const SmbdShare& share) {
  std::ostringstream text;
  text << "[" << share.name << "]\n"
       << "  path = " << share.path.string() << "\n"
       << "  read only = no\n"
       << "  guest ok = " << (share.guestOk ? "yes" : "no") << "\n"
       << "  create mask = 0666\n  directory mask = 0777\n";
  if (!share.validUsers.empty()) {
    text << "  valid users =";
    for (const auto& user : share.validUsers) text << " " << user;
    text << "\n";
  }
  return text.str();
}

std::string GlobalSection(const SmbdOptions& options, const fs::path& root) {
  std::ostringstream text;
  const auto dir = [&](const char* name) { return (root / name).string(); };
  text << "[global]\n"
       << "  netbios name = TARVIXTEST\n  workgroup = WORKGROUP\n"
       << "  server role = standalone server\n"
       << "  interfaces = " << options.address << "\n  bind interfaces only = yes\n"
       << "  smb ports = " << options.port << "\n  disable netbios = yes\n"
       << "  private dir = " << dir("private") << "\n  lock directory = " << dir("lock") << "\n"
       << "  state directory = " << dir("state") << "\n  cache directory = " << dir("cache") << "\n"
       << "  pid directory = " << dir("pid") << "\n  ncalrpc dir = " << dir("ncalrpc") << "\n"
       << "  log file = " << dir("log") << "/smbd.log\n  log level = 1\n"
       << "  passdb backend = tdbsam:" << dir("private") << "/passdb.tdb\n"
       << "  map to guest = bad user\n  guest account = nobody\n"
       << "  load printers = no\n  printing = bsd\n  printcap name = /dev/null\n"
       << "  disable spoolss = yes\n  usershare path =\n";
  return text.str();
}

std::string EnsureUnixUser(const std::string& name) {
  if (::getpwnam(name.c_str()) != nullptr) return {};
  const std::string command =
      "useradd --system --no-create-home --shell /usr/sbin/nologin '" + name + "' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0 ? std::string{} : "useradd " + name + " failed";
}

int BindNotifySocket(const fs::path& path) {
  const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof(address.sun_path) - 1);
  if (fd >= 0 && ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0) return fd;
  if (fd >= 0) ::close(fd);
  return -1;
}

bool Accepts(const std::string& address, std::uint16_t port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(port);
  ::inet_pton(AF_INET, address.c_str(), &target.sin_addr);
  const bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&target), sizeof(target)) == 0;
  ::close(fd);
  return connected;
}

std::vector<std::string> Environment(const fs::path& notifySocket) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    if (std::strncmp(*entry, "NOTIFY_SOCKET=", 14) != 0) env.emplace_back(*entry);
  }
  env.push_back("NOTIFY_SOCKET=" + notifySocket.string());
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& words) {
  std::vector<char*> pointers;
  for (auto& word : words) pointers.push_back(word.data());
  pointers.push_back(nullptr);
  return pointers;
}

}  // namespace

std::optional<std::string> SmbdServer::WhyUnavailable() {
  if (!OnPath("smbd")) return "smbd is not installed (Debian package samba)";
  if (!OnPath("smbpasswd")) return "smbpasswd is not installed (Debian package samba-common-bin)";
  if (::geteuid() != 0) return "a private smbd needs root";
  return std::nullopt;
}

SmbdServer::SmbdServer(SmbdOptions options) : options_(std::move(options)) {}

SmbdServer::~SmbdServer() {
  Stop();
  std::error_code ignored;
  if (!root_.empty()) fs::remove_all(root_, ignored);
}

std::string SmbdServer::Start() {
  if (options_.port == 0) options_.port = options_.commandPrefix.empty() ? FreeLoopbackPort() : 445;
  if (auto error = Prepare(); !error.empty()) return error;
  return Launch();
}

void SmbdServer::Stop() {
  if (pid_ <= 0) return;
  ::kill(pid_, SIGTERM);
  ::waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

std::string SmbdServer::Log() const {
  std::ostringstream text;
  for (const char* name : {"log/smbd.log", "log/stdout"}) {
    std::ifstream in(root_ / name);
    text << in.rdbuf();
  }
  return text.str();
}

std::string SmbdServer::Prepare() {
  std::string pattern = (fs::temp_directory_path() / "tarvix-smbd-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return "mkdtemp failed";
  root_ = pattern;
  fs::permissions(root_, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
  for (const char* dir : {"private", "lock", "state", "cache", "pid", "ncalrpc", "log"}) {
    fs::create_directories(root_ / dir);
  }
  std::ofstream conf(ConfigFile());
  conf << GlobalSection(options_, root_);
  for (const auto& share : options_.shares) conf << ShareSection(share);
  conf.close();
  for (const auto& user : options_.users) {
    if (auto error = AddUser(user); !error.empty()) return error;
  }
  return {};
}

std::string SmbdServer::AddUser(const SmbdUser& user) const {
  if (auto error = EnsureUnixUser(user.name); !error.empty()) return error;
  const std::string command =
      "smbpasswd -c '" + ConfigFile().string() + "' -a -s '" + user.name + "' >/dev/null 2>&1";
  FILE* pipe = ::popen(command.c_str(), "w");
  if (pipe == nullptr) return "smbpasswd could not be started";
  std::fprintf(pipe, "%s\n%s\n", user.password.c_str(), user.password.c_str());
  return ::pclose(pipe) == 0 ? std::string{} : "smbpasswd -a " + user.name + " failed";
}

std::string SmbdServer::Launch() {
  const int notify = BindNotifySocket(root_ / "notify.sock");
  if (notify < 0) return "notify socket could not be bound";
  std::vector<std::string> argv = options_.commandPrefix;
  for (const char* word : {"smbd", "--foreground", "-s"}) argv.emplace_back(word);
  argv.push_back(ConfigFile().string());
  auto env = Environment(root_ / "notify.sock");
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  const std::string out = (root_ / "log" / "stdout").string();
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, out.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
  const int error = ::posix_spawnp(&pid_, argv[0].c_str(), &actions, nullptr, Pointers(argv).data(),
                                   Pointers(env).data());
  posix_spawn_file_actions_destroy(&actions);
  if (error != 0) pid_ = -1;
  std::string result = error != 0 ? "smbd could not be started" : WaitUntilReady(notify);
  ::close(notify);
  return result;
}

// smbd tells the service manager protocol "READY=1" once it accepts
// connections; waiting for that message avoids guessing with sleeps.
std::string SmbdServer::WaitUntilReady(int notifySocket) {
  for (int step = 0; step < kReadyWaitSteps; ++step) {
    pollfd entry{notifySocket, POLLIN, 0};
    if (::poll(&entry, 1, kStepMs) > 0) {
      char message[512] = {};
      const auto size = ::recv(notifySocket, message, sizeof(message) - 1, 0);
      if (size > 0 && std::strstr(message, "READY=1") != nullptr) return WaitUntilListening();
    }
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return "smbd exited early:\n" + Log();
    }
  }
  Stop();
  return "smbd did not report ready:\n" + Log();
}

// smbd may report ready a moment before its listening socket takes
// connections. From inside a namespace prefix the port cannot be probed from
// here, so that case relies on the report alone.
std::string SmbdServer::WaitUntilListening() {
  if (!options_.commandPrefix.empty()) return {};
  for (int step = 0; step < kReadyWaitSteps; ++step) {
    if (Accepts(options_.address, options_.port)) return {};
    if (::waitpid(pid_, nullptr, WNOHANG) == pid_) {
      pid_ = -1;
      return "smbd exited early:\n" + Log();
    }
    ::usleep(kStepMs * 1000);
  }
  Stop();
  return "smbd does not accept connections:\n" + Log();
}

std::uint16_t FreeLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof(address);
  ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address));
  ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
  ::close(fd);
  return ntohs(address.sin_port);
}

}  // namespace tarvix::testsupport
