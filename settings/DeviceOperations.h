#pragma once

namespace tarvix::settings {

// The device operations the settings flows call; each acts on the session's
// selected device and returns 1 on success, 0 on failure (VerifyLogin: the
// device's verdict, non-zero meaning accepted).
class DeviceOperations {
 public:
  virtual ~DeviceOperations() = default;
  virtual int VerifyLogin() = 0;
  virtual int QueryDomain() = 0;
  virtual int QueryLanInfo() = 0;
  virtual int SetDhcp() = 0;
  virtual int SetStaticAddress() = 0;
};

}  // namespace tarvix::settings
