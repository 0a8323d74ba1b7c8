#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarvix::testsupport {

struct SmbdShare {
  std::string name;
  std::filesystem::path path;
  bool guestOk = false;                 // open to guests without a password
  std::vector<std::string> validUsers;  // empty: anyone who logs on
};

struct SmbdUser {
  std::string name;  // a Unix account of this name is made when missing
  std::string password;
};

struct SmbdOptions {
  std::string address = "127.0.0.1";
  std::uint16_t port = 0;                  // 0: a free port on 127.0.0.1, or 445 in a namespace
  std::vector<std::string> commandPrefix;  // e.g. {"ip", "netns", "exec", "dev1"}
  std::vector<SmbdShare> shares;
  std::vector<SmbdUser> users;
};

// A private Samba file server for tests: its own configuration, password
// database and state folders under a temporary root, listening only on the
// given address. Start returns once smbd reports that it is ready.
class SmbdServer {
 public:
  // Why no server can be started here (smbd missing, not root); none if it can.
  static std::optional<std::string> WhyUnavailable();

  explicit SmbdServer(SmbdOptions options);
  ~SmbdServer();
  SmbdServer(const SmbdServer&) = delete;
  SmbdServer& operator=(const SmbdServer&) = delete;

  // Empty on success, otherwise what went wrong.
  std::string Start();
  void Stop();

  std::uint16_t Port() const { return options_.port; }
  const std::filesystem::path& Root() const { return root_; }
  std::filesystem::path ConfigFile() const { return root_ / "smb.conf"; }
  std::string Log() const;

 private:
  std::string Prepare();
  std::string AddUser(const SmbdUser& user) const;
  std::string Launch();
  std::string WaitUntilReady(int notifySocket);
  std::string WaitUntilListening();

  SmbdOptions options_;
  std::filesystem::path root_;
  pid_t pid_ = -1;
};

// A port on 127.0.0.1 that nothing listens on at the moment of the call.
std::uint16_t FreeLoopbackPort();

}  // namespace tarvix::testsupport
