#include <ostream>

#include "Verbs.h"

int RunSetStatic(CliContext& context, const CliArgs&) {
  context.err << "tarvix set-static: not available yet\n";
  return 2;
}

int RunSetDhcp(CliContext& context, const CliArgs&) {
  context.err << "tarvix set-dhcp: not available yet\n";
  return 2;
}
