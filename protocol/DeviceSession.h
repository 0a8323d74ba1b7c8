#pragma once
#include "protocol/LanInfo.h"

namespace tarvix {

// Inputs and results of the device operations, one per process. Every text is a
// fixed-width NUL-terminated field; a value holds one byte less than its width.
struct DeviceSession {
  char selectedAddress[16]{};
  char pendingAddress[16]{};
  char pendingNetmask[16]{};
  char pendingGateway[16]{};
  char loginUser[16]{};
  char loginPassword[16]{};
  LanInfo lanInfo{};
  char codepage[64]{};
  char ideOk[8]{};
  char shareName[16]{};
  char btFirmware[8]{};
  char domain[128]{};
  char ssl[8]{};
};

}  // namespace tarvix
