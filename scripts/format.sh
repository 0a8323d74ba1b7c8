#!/usr/bin/env bash
# Formats every C++ file git knows of with the project's .clang-format.
#   scripts/format.sh           rewrite the files in place
#   scripts/format.sh --check   change nothing; fail and name the files that differ
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "format: clang-format is not installed" >&2; exit 1; }
# A build folder that .gitignore does not name (cmake -B anything) holds
# generated sources: they are not ours to format.
mapfile -t builds < <(git ls-files -o --exclude-standard '*CMakeCache.txt' | xargs -r -n1 dirname)
mapfile -t files < <(git ls-files -co --exclude-standard '*.cpp' '*.h' |
  while read -r f; do
    for b in "${builds[@]}"; do [[ $f == "$b"/* ]] && continue 2; done
    printf '%s\n' "$f"
  done)
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
