#include "tools/devsim/Request.h"

#include <algorithm>

#include "tools/devsim/MessageLayout.h"

namespace tarvix::devsim {

namespace {

std::optional<ByteView> Payload(ByteView datagram, std::size_t lengthOffset) {
  const auto length = GetU32(datagram, lengthOffset);
  const auto start = lengthOffset + 4;
  if (!length || *length > datagram.size() - start) return std::nullopt;
  return datagram.subspan(start, *length);
}

Request Header(ByteView datagram, RequestKind kind) {
  Request request;
  request.kind = kind;
  std::copy_n(datagram.begin() + 1, request.clientId.size(), request.clientId.begin());
  return request;
}

void ReadTarget(ByteView datagram, Request& request) {
  std::copy_n(datagram.begin() + kAddressOffset, 4, request.target.begin());
  request.command = datagram[kCommandOffset];
}

std::optional<Request> ParseQuery(ByteView datagram) {
  if (datagram.size() < kQueryHeaderSize) return std::nullopt;
  const auto payload = Payload(datagram, kQueryLengthOffset);
  if (!payload) return std::nullopt;
  auto request = Header(datagram, RequestKind::Query);
  ReadTarget(datagram, request);
  request.payload = *payload;
  return request;
}

std::optional<Request> ParseSet(ByteView datagram) {
  if (datagram.size() < kSetHeaderSize) return std::nullopt;
  const auto payload = Payload(datagram, kSetLengthOffset);
  if (!payload) return std::nullopt;
  auto request = Header(datagram, RequestKind::Set);
  ReadTarget(datagram, request);
  request.netmask = GetTextField(datagram, kSetNetmaskOffset, kAddressFieldWidth);
  request.gateway = GetTextField(datagram, kSetGatewayOffset, kAddressFieldWidth);
  request.payload = *payload;
  return request;
}

}  // namespace

std::optional<Request> ParseRequest(ByteView datagram) {
  if (datagram.size() < kDiscoverRequestSize) return std::nullopt;
  switch (datagram[0]) {
    case kTypeDiscoverRequest: return Header(datagram, RequestKind::Discover);
    case kTypeQueryRequest: return ParseQuery(datagram);
    case kTypeSetRequest: return ParseSet(datagram);
    default: return std::nullopt;
  }
}

}  // namespace tarvix::devsim
