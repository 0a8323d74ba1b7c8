#!/usr/bin/env bash
# Formats every C++ file git knows of with the project's .clang-format.
#   scripts/format.sh           rewrite the files in place
#   scripts/format.sh --check   change nothing; fail and name the files that differ
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "format: clang-format is not installed" >&2; exit 1; }
mapfile -t files < <(git ls-files -co --exclude-standard '*.cpp' '*.h')
((${#files[@]})) || exit 0
if [[ ${1:-} == --check ]]; then
  bad=()
  for f in "${files[@]}"; do
    [[ -f $f ]] || continue
    clang-format --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
  done
  if ((${#bad[@]})); then
    printf 'format: not formatted (run scripts/format.sh): %s\n' "${bad[@]}" >&2
    exit 1
  fi
  exit 0
fi
clang-format -i "${files[@]}"
