#pragma once
#include <optional>
#include <string>
#include <vector>

#include "protocol/DeviceSession.h"
#include "protocol/FixedText.h"
#include "settings/DeviceOperations.h"

namespace tarvix::testing {

// A device that accepts the administrator with `adminPassword`; every call is
// logged with the credentials it saw.
class FakeOperations final : public settings::DeviceOperations {
 public:
  explicit FakeOperations(DeviceSession& session) : session_(session) {}

  int VerifyLogin() override {
    const std::string user(FieldText(session_.loginUser));
    const std::string password(FieldText(session_.loginPassword));
    log.push_back("VerifyLogin " + user + "/" + password);
    return answers && user == "admin" && password == adminPassword ? 1 : 0;
  }
  int QueryDomain() override {
    log.push_back("QueryDomain");
    if (domain) CopyField(session_.domain, *domain);
    return domain ? 1 : 0;
  }
  int QueryLanInfo() override {
    log.push_back("QueryLanInfo");
    return 1;
  }
  int SetDhcp() override {
    log.push_back("SetDhcp");
    return dhcpResult;
  }
  int SetStaticAddress() override {
    log.push_back("SetStaticAddress");
    return staticResult;
  }

  bool answers = true;
  std::string adminPassword;
  std::optional<std::string> domain;  // none: the query is not answered
  int dhcpResult = 1;
  int staticResult = 1;
  std::vector<std::string> log;

 private:
  DeviceSession& session_;
};

}  // namespace tarvix::testing
