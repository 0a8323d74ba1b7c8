#include "tools/devsim/ServeLoop.h"

#include <poll.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>

#include "tools/devsim/StateFile.h"
#include "tools/devsim/StopSignal.h"

namespace tarvix::devsim {

namespace {

// Null means wait without limit.
const timespec* TimeoutUntil(std::optional<SendQueue::Clock::time_point> due, timespec& storage) {
  if (!due) return nullptr;
  const auto left = std::max(*due - SendQueue::Clock::now(), SendQueue::Clock::duration::zero());
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(left);
  storage.tv_sec = static_cast<time_t>(seconds.count());
  storage.tv_nsec = static_cast<long>(std::chrono::nanoseconds(left - seconds).count());
  return &storage;
}

}  // namespace

ServeLoop::ServeLoop(Simulator& simulator, GroupSocket& socket, RequestLog& log,
                     std::string statePath)
    : simulator_(simulator), socket_(socket), log_(log), statePath_(std::move(statePath)) {}

int ServeLoop::Run() {
  InstallStopHandler();
  sigset_t waitMask;
  pthread_sigmask(SIG_SETMASK, nullptr, &waitMask);
  sigdelset(&waitMask, SIGTERM);
  sigdelset(&waitMask, SIGINT);
  SaveState();
  while (stopRequested == 0) {
    WaitForWork(waitMask);
    SendDue();
  }
  return 0;
}

void ServeLoop::WaitForWork(const sigset_t& waitMask) {
  pollfd watch{socket_.receiveFd(), POLLIN, 0};
  timespec storage{};
  const auto ready = ppoll(&watch, 1, TimeoutUntil(queue_.NextDue(), storage), &waitMask);
  if (ready > 0 && (watch.revents & POLLIN) != 0) ReceiveAll();
}

void ServeLoop::ReceiveAll() {
  while (const auto datagram = socket_.Receive()) Dispatch(*datagram);
}

void ServeLoop::Dispatch(const Datagram& datagram) {
  log_.Write(FormatReceived(LogTimestamp(), datagram.from, datagram.bytes));
  auto outcome = simulator_.Handle(datagram.bytes);
  if (outcome.stateChanged) SaveState();
  const auto now = SendQueue::Clock::now();
  for (auto& reply : outcome.replies) {
    if (reply.delayMs == 0) {
      Send(reply);
    } else {
      const auto due = now + std::chrono::milliseconds(reply.delayMs);
      queue_.Push(std::move(reply), due);
    }
  }
}

void ServeLoop::SendDue() {
  for (const auto& reply : queue_.PopDue(SendQueue::Clock::now())) Send(reply);
}

void ServeLoop::Send(const Outgoing& reply) {
  if (!socket_.Send(reply.bytes)) {
    std::fprintf(stderr, "tarvix-devsim: send failed: %s\n", std::strerror(errno));
  }
  log_.Write(FormatSent(LogTimestamp(), reply.device, reply.bytes, reply.command, reply.delayMs));
}

void ServeLoop::SaveState() {
  if (statePath_.empty()) return;
  if (!WriteStateFile(statePath_, RenderState(simulator_.devices()))) {
    std::fprintf(stderr, "tarvix-devsim: cannot write %s\n", statePath_.c_str());
  }
}

}  // namespace tarvix::devsim
