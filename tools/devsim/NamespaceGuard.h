#pragma once
#include <string>

namespace tarvix::devsim {

// Protocol datagrams must only ever travel inside the network lab. A process
// may send them only when its network namespace is one that `ip netns` made
// (listed under /run/netns) and is not the namespace of PID 1, i.e. not the
// machine's own. When that cannot be shown, the answer is no. There is no
// way to override this.
bool InLabNamespace(std::string& reason);

}  // namespace tarvix::devsim
