// Preloaded into a program under test (LD_PRELOAD), this socket() ends the
// program at once with status 99 and says why, so a test that must not touch the
// network cannot, and tells when the program tried.
#include <unistd.h>

extern "C" int socket(int, int, int) {
  static const char kMessage[] = "no-sockets: the program tried to open a socket\n";
  (void)!write(STDERR_FILENO, kMessage, sizeof kMessage - 1);
  _exit(99);
}
