#pragma once
#include <string>

namespace tarvix::lab {

// True only inside the host namespace of the lab named by TARVIX_LAB. Every program
// that opens protocol sockets for a test or a benchmark asks this first, so no
// datagram of ours can reach the machine's own network.
bool InsideLab(std::string* why);

}  // namespace tarvix::lab
