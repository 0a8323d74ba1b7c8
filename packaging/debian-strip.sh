#!/bin/sh
# The strip that Debian's own packages get (as dh_strip does): debugging symbols
# and the compiler's .comment and .note sections go. CPack calls it for every
# installed program when CMAKE_STRIP names it.
exec strip --remove-section=.comment --remove-section=.note "$@"
