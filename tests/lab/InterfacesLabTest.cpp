// Which local interfaces the program searches: only those that are up, running and
// multicast-capable, not loopback; the loopback address when there is none. The lab's
// host namespace gets interfaces that fail each test (nothing is sent).
#include <string>
#include <vector>

#include "protocol/PosixSocketApi.h"
#include "tests/lab/LabFixture.h"

namespace tarvix::lab {
namespace {

class InterfacesLabTest : public LabFixture {
 protected:
  void Ip(const std::string& arguments) {
    ASSERT_EQ(RunCommand("ip " + arguments), 0) << arguments;
  }
};

TEST_F(InterfacesLabTest, OnlyUsableInterfacesAreSearched) {
  // Up but without a carrier: the other end of the pair stays down.
  Ip("link add tvxnc type veth peer name tvxnc2");
  Ip("addr add 10.77.200.1/24 dev tvxnc");
  Ip("link set tvxnc up");
  // Up and running (both ends up), but without multicast.
  Ip("link add tvxnm type veth peer name tvxnm2");
  Ip("link set tvxnm multicast off");
  Ip("addr add 10.77.201.1/24 dev tvxnm");
  Ip("link set tvxnm2 up");
  Ip("link set tvxnm up");
  // Down altogether.
  Ip("link add tvxdn type veth peer name tvxdn2");
  Ip("addr add 10.77.202.1/24 dev tvxdn");
  // Loopback with a second address of its own.
  Ip("addr add 127.0.0.77/8 dev lo");
  PosixSocketApi sockets;
  EXPECT_EQ(sockets.LocalAddresses(), std::vector<std::string>{"10.77.1.1"});

  // With the lab's one link down there is nothing usable left: the loopback address.
  Ip("link set lk1 down");
  EXPECT_EQ(sockets.LocalAddresses(), std::vector<std::string>{"127.0.0.1"});
  Ip("link set lk1 up");
}

}  // namespace
}  // namespace tarvix::lab

int main(int argc, char** argv) { return tarvix::lab::LabMain(argc, argv); }
