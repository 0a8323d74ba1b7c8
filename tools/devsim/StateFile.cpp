#include "tools/devsim/StateFile.h"

#include <cstdio>
#include <fstream>
#include <map>

namespace tarvix::devsim {

namespace {

// Values come from the network; keep each on its own line whatever it holds.
std::string Escape(const std::string& text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7F && c != '\\') {
      out.push_back(c);
    } else {
      out += {'\\', 'x', kDigits[byte >> 4], kDigits[byte & 0x0F]};
    }
  }
  return out;
}

void RenderDevice(const Device& device, std::string& out) {
  const auto key = device.config().name + ".";
  const auto line = [&](const std::string& name, const std::string& value) {
    out += key + name + "=" + Escape(value) + "\n";
  };
  line("address", FormatIpv4(device.address()));
  line("netmask", device.netmask());
  line("gateway", device.gateway());
  line("dhcp", std::string(1, device.dhcpFlag()));
  line("port", device.portText());
  line("codepage", device.codepage());
  const auto& texts = device.textCommands();
  line("text.count", std::to_string(texts.size()));
  std::map<int, std::string> last;
  for (std::size_t i = 0; i < texts.size(); ++i) {
    line("text." + std::to_string(i + 1), std::to_string(texts[i].first) + ":" + texts[i].second);
    last[texts[i].first] = texts[i].second;
  }
  for (const auto& [command, text] : last) line("cmd." + std::to_string(command), text);
}

}  // namespace

std::string RenderState(const std::vector<Device>& devices) {
  std::string out;
  for (const auto& device : devices) RenderDevice(device, out);
  return out;
}

bool WriteStateFile(const std::string& path, const std::string& text) {
  const auto temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::trunc);
    if (!(file << text)) return false;
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace tarvix::devsim
