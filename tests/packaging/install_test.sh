#!/usr/bin/env bash
# Installs the build into a fresh prefix as a user would (`cmake --install`) and
# checks one side of what lands there:
#   files       the two programs, the menu entry, the icon at each size, the
#               AppStream metadata, the manual pages, the bash completion and
#               the package's documents, and nothing else (no simulator, no lab)
#   texts       the installed tool's version; the manual pages read without
#               warnings and the completion offers every verb and option of the
#               tool's own usage
#   validators  desktop-file-validate and appstreamcli accept the entry and the
#               metadata
# The tool runs with a preloaded socket() that ends it, so nothing touches the
# network.
set -euo pipefail
build=$1 no_sockets=$2 version=$3 check=$4

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
share=$prefix/share
tool() { LD_PRELOAD=$no_sockets "$prefix/bin/tarvix" "$@"; }

check_files() {
  local expected=(
    bin/tarvix
    bin/tarvix-storage-utility
    share/applications/tarvix-storage-utility.desktop
    share/bash-completion/completions/tarvix
    share/doc/tarvix-storage-utility/changelog.gz
    share/doc/tarvix-storage-utility/copyright
    share/man/man1/tarvix-storage-utility.1.gz
    share/man/man1/tarvix.1.gz
    share/metainfo/example.tarvix.StorageUtility.metainfo.xml
  )
  local size
  for size in 16 32 48 64 128 256; do
    expected+=("share/icons/hicolor/${size}x${size}/apps/tarvix-storage-utility.png")
  done
  diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
    fail "the installed files differ from the list (< expected, > installed)"
  [[ -x $prefix/bin/tarvix && -x $prefix/bin/tarvix-storage-utility ]] || fail "programs not executable"
  # A PNG's width and height are the big-endian words at bytes 16 and 20.
  local png width height
  for size in 16 32 48 64 128 256; do
    png=$share/icons/hicolor/${size}x${size}/apps/tarvix-storage-utility.png
    read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
      awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
    [[ $width == "$size" && $height == "$size" ]] || fail "$png is ${width}x${height}"
  done
  grep -qx 'Icon=tarvix-storage-utility' "$share/applications/tarvix-storage-utility.desktop" ||
    fail "the desktop entry names another icon"
}

# Completion words for the command line "tarvix WORD..." with the cursor on the
# last word.
complete_words() {
  (
    # shellcheck source=/dev/null
    source "$share/bash-completion/completions/tarvix"
    COMP_WORDS=(tarvix "$@")
    COMP_CWORD=$#
    _tarvix
    printf '%s\n' "${COMPREPLY[@]}"
  )
}

check_texts() {
  [[ $(tool --version) == "tarvix $version" ]] || fail "installed tool says '$(tool --version)'"
  local page warnings
  for page in tarvix tarvix-storage-utility; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "man page $page: $warnings"
    MANWIDTH=200 man -l "$share/man/man1/$page.1.gz" 2>/dev/null | grep -q "$version" ||
      fail "man page $page does not name version $version"
  done
  local usage verbs verb words option
  usage=$(tool --help)
  # "usage: tarvix VERB ARGS" and "       tarvix VERB ARGS"; not the lines for --help.
  verbs=$(sed -nE 's/^(usage:| +) tarvix ([a-z][a-z-]*) .*/\2/p' <<<"$usage")
  [[ -n $verbs ]] || fail "no verbs in the usage"
  words=$(complete_words "")
  for verb in $verbs; do
    grep -qx -- "$verb" <<<"$words" || fail "completion does not offer the verb $verb"
    MANWIDTH=200 man -l "$share/man/man1/tarvix.1.gz" 2>/dev/null | grep -q "tarvix $verb" ||
      fail "the man page has no synopsis for $verb"
    for option in --help $(grep -oE -- "--[a-z]+" <<<"$(tool "$verb" --help | head -n 1)"); do
      complete_words "$verb" - | grep -qx -- "$option" ||
        fail "completion does not offer $option after $verb"
    done
  done
  grep -qx -- "--version" <<<"$words" || fail "completion does not offer --version"
}

check_validators() {
  desktop-file-validate "$share/applications/tarvix-storage-utility.desktop" ||
    fail "desktop-file-validate refused the entry"
  appstreamcli validate --no-net "$share"/metainfo/*.metainfo.xml || fail "appstreamcli refused the metadata"
  grep -q "<release version=\"$version\"" "$share"/metainfo/*.metainfo.xml ||
    fail "the metadata has no release $version"
}

"check_$check"
echo "install $check: passed"
