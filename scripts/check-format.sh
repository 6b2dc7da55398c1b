#!/usr/bin/env bash
# Lists every C++ source whose layout differs from .clang-format and fails if
# there is one. With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
fix=false
[ "${1:-}" = "--fix" ] && fix=true
differ=()
while IFS= read -r -d '' file; do
  if $fix; then
    clang-format -i "$file"
  elif ! clang-format "$file" | cmp -s - "$file"; then
    differ+=("$file")
  fi
done < <(git ls-files -z '*.cpp' '*.h')
if [ ${#differ[@]} -gt 0 ]; then
  printf 'Not formatted as .clang-format gives (scripts/check-format.sh --fix formats them):\n' >&2
  printf '  %s\n' "${differ[@]}" >&2
  exit 1
fi
