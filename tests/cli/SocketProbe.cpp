// Opens one UDP socket and closes it: shows that the preloaded stand-in really
// takes the place of socket() in a program built like the tool.
#include <sys/socket.h>
#include <unistd.h>

int main() {
  const int s = socket(AF_INET, SOCK_DGRAM, 0);
  if (s < 0) return 1;
  close(s);
  return 0;
}
