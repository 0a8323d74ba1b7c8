#include "platform/linux/UncPath.h"

#include <cctype>

namespace tarvix::platform {
namespace {

std::string PercentEncode(std::string_view segment) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : segment) {
    if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~' || c == '$') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  return out;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::optional<std::string> PercentDecode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '%') {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return std::nullopt;
    const int high = HexValue(text[i + 1]);
    const int low = HexValue(text[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    out += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return out;
}

std::string ReplaceAll(std::string text, char from, char to) {
  for (char& c : text) {
    if (c == from) c = to;
  }
  return text;
}

}  // namespace

std::optional<UncPath> UncPath::Parse(std::string_view text) {
  if (text.size() < 2 || text.substr(0, 2) != "\\\\") return std::nullopt;
  text.remove_prefix(2);
  const auto serverEnd = text.find('\\');
  if (serverEnd == std::string_view::npos || serverEnd == 0) return std::nullopt;
  UncPath path;
  path.server = std::string(text.substr(0, serverEnd));
  text.remove_prefix(serverEnd + 1);
  const auto shareEnd = text.find('\\');
  path.share = std::string(text.substr(0, shareEnd));
  if (path.share.empty()) return std::nullopt;
  if (shareEnd != std::string_view::npos) path.rest = std::string(text.substr(shareEnd + 1));
  return path;
}

std::optional<UncPath> UncPath::FromSmbUrl(std::string_view url) {
  constexpr std::string_view kScheme = "smb://";
  if (url.substr(0, kScheme.size()) != kScheme) return std::nullopt;
  url.remove_prefix(kScheme.size());
  while (!url.empty() && url.back() == '/') url.remove_suffix(1);
  const auto decoded = PercentDecode(url);
  if (!decoded || decoded->find('\\') != std::string::npos) return std::nullopt;
  return Parse("\\\\" + ReplaceAll(*decoded, '/', '\\'));
}

std::string UncPath::ToUnc() const {
  std::string text = "\\\\" + server + "\\" + share;
  if (!rest.empty()) text += "\\" + rest;
  return text;
}

std::string UncPath::ToSmbUrl(std::uint16_t port) const {
  std::string url = "smb://" + PercentEncode(server);
  if (port != 0) url += ":" + std::to_string(port);
  url += "/" + PercentEncode(share);
  std::string_view remaining = rest;
  while (!remaining.empty()) {
    const auto end = remaining.find('\\');
    url += "/" + PercentEncode(remaining.substr(0, end));
    remaining = end == std::string_view::npos ? std::string_view{} : remaining.substr(end + 1);
  }
  return url;
}

}  // namespace tarvix::platform
