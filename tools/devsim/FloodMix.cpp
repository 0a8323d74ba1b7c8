#include "tools/devsim/FloodMix.h"

#include <cstdlib>

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {
namespace {

constexpr int kOtherHosts = 8;
constexpr int kJunkTypes[] = {0, 9, 10, 77, 128, 200, 255};

// The ClientId of another host on the link: six bytes of its own, four zero.
void PutOtherClientId(Bytes& datagram, int host) {
  for (std::size_t i = 0; i < 6; ++i)
    datagram[kClientIdOffset + i] = static_cast<std::uint8_t>(0xC0 + 17 * host + 5 * i);
}

// The DeviceId of a device on the link (not one the tests play): own bytes, address.
void PutDeviceId(Bytes& datagram, const Ipv4& linkAddress, int device) {
  for (std::size_t i = 0; i < 6; ++i)
    datagram[kDeviceIdOffset + i] = static_cast<std::uint8_t>(0x60 + device + i);
  Ipv4 address = linkAddress;
  address[3] = static_cast<std::uint8_t>(240 + device % 10);
  PutBytes(datagram, kAddressOffset, address);
}

Bytes Request(std::uint8_t type, int host, const Ipv4& link) {
  const std::size_t size = type == kTypeDiscoverRequest ? kDiscoverRequestSize
                           : type == kTypeQueryRequest  ? kQueryHeaderSize
                                                        : kSetHeaderSize + 2;
  Bytes datagram(size, 0);
  datagram[0] = type;
  PutOtherClientId(datagram, host);
  if (type == kTypeDiscoverRequest) return datagram;
  PutDeviceId(datagram, link, host);
  datagram[kCommandOffset] = type == kTypeQueryRequest ? 19 : 10;
  if (type == kTypeSetRequest) {
    PutU32(datagram, kSetLengthOffset, 2);
    datagram[kSetHeaderSize] = 'r';
    datagram[kSetHeaderSize + 1] = 'w';
  }
  return datagram;
}

Bytes DiscoveryReply(std::uint8_t type, int host, const Ipv4& link) {
  const std::size_t nameAt = type == kTypeDiscoverBasic      ? 56
                             : type == kTypeDiscoverExtended ? 68
                                                             : 100;
  const std::string name = "other-" + std::to_string(host);
  Bytes datagram(nameAt + 4 + name.size(), 0);
  datagram[0] = type;
  PutOtherClientId(datagram, host);
  PutDeviceId(datagram, link, host);
  datagram[kReplyDhcpFlagOffset] = '0';
  PutTextField(datagram, kReplyNetmaskOffset, kAddressFieldWidth, "255.255.255.0");
  if (type != kTypeDiscoverBasic) {
    datagram[kReplySelectorAOffset] = 3;
    datagram[kReplySelectorBOffset] = 3;
  }
  if (type == kTypeDiscoverModel)
    PutTextField(datagram, kReplyModelOffset, kReplyModelWidth, "NV-X");
  PutU32(datagram, nameAt, static_cast<std::uint32_t>(name.size()));
  PutBytes(datagram, nameAt + 4,
           ByteView(reinterpret_cast<const std::uint8_t*>(name.data()), name.size()));
  return datagram;
}

Bytes Junk(int type, int host) {
  Bytes datagram(static_cast<std::size_t>(1 + (host * 37) % 120), static_cast<std::uint8_t>(host));
  datagram[0] = static_cast<std::uint8_t>(type);
  return datagram;
}

}  // namespace

std::vector<Bytes> FloodMix(const Ipv4& linkAddress) {
  std::vector<Bytes> mix;
  for (int host = 0; host < kOtherHosts; ++host) {
    for (std::uint8_t type : {kTypeDiscoverRequest, kTypeQueryRequest, kTypeSetRequest})
      mix.push_back(Request(type, host, linkAddress));
    for (std::uint8_t type : {kTypeDiscoverBasic, kTypeDiscoverExtended, kTypeDiscoverModel})
      mix.push_back(DiscoveryReply(type, host, linkAddress));
    for (int type : kJunkTypes) mix.push_back(Junk(type, host));
  }
  return mix;
}

namespace {

bool ParseNumber(const std::string& text, double low, double high, double& out) {
  char* end = nullptr;
  const double value = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !(value >= low && value <= high)) return false;
  out = value;
  return true;
}

}  // namespace

FloodPlanResult ParseFloodPlan(const std::vector<std::string>& arguments) {
  FloodPlanResult result;
  FloodPlan& plan = result.plan;
  bool interfaceGiven = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& name = arguments[i];
    if (name == "--help" || name == "-h") return {plan, "help"};
    if (i + 1 >= arguments.size()) return {plan, name + " needs a value (or is unknown)"};
    const std::string& value = arguments[++i];
    double number = 0;
    if (name == "--interface") {
      const auto address = ParseIpv4(value);
      if (!address) return {plan, "--interface needs an IPv4 address, got '" + value + "'"};
      plan.interfaceAddress = *address;
      interfaceGiven = true;
    } else if (name == "--rate") {
      if (!ParseNumber(value, 1, kMaxFloodRate, number))
        return {plan, "--rate must be 1.." + std::to_string(kMaxFloodRate)};
      plan.rate = static_cast<long>(number);
    } else if (name == "--seconds") {
      if (!ParseNumber(value, 0.001, kMaxFloodSeconds, number))
        return {plan, "--seconds must be more than 0 and at most 600"};
      plan.seconds = number;
    } else if (name == "--count") {
      if (!ParseNumber(value, 1, kMaxFloodRate * kMaxFloodSeconds, number))
        return {plan, "--count must be 1.." +
                          std::to_string(static_cast<long>(kMaxFloodRate * kMaxFloodSeconds))};
      plan.count = static_cast<long>(number);
    } else {
      return {plan, "unknown option " + name};
    }
  }
  if (!interfaceGiven) return {plan, "--interface is required"};
  const long byTime = static_cast<long>(static_cast<double>(plan.rate) * plan.seconds);
  if (plan.count == 0 || plan.count > byTime) plan.count = byTime;
  return result;
}

const char* FloodUsageText() {
  return "usage: tarvix-flood --interface ADDR [--rate N] [--seconds S] [--count C]\n"
         "Multicasts to the protocol group 224.0.0.1:13579, out of the interface with\n"
         "address ADDR, what a busy link carries besides one program's exchanges: other\n"
         "hosts' requests, discovery replies to them and junk, never a reply of type 4\n"
         "or 6. N datagrams a second (default 50000, at most 200000), for at most S\n"
         "seconds (default 5, at most 600) and at most C datagrams; then it stops. Runs\n"
         "only inside a network namespace of the lab (lab/lab.sh).\n";
}

}  // namespace tarvix::devsim
