#!/usr/bin/env bash
# Runs the house clang-tidy set (.clang-tidy) on the C++ files that a change
# touches: those that differ from BASE (default: the commit before HEAD).
# Needs the compile commands of a configured build (default build/test).
set -euo pipefail
cd "$(dirname "$0")/.."
base="${1:-HEAD~1}"
build="${KELVANE_TIDY_BUILD:-build/test}"
if ! git rev-parse --verify -q "$base^{commit}" >/dev/null; then
  echo "tidy: no commit $base to compare with (a shallow clone?): nothing checked" >&2
  exit 0
fi
mapfile -t files < <(git diff --name-only --diff-filter=d "$base" -- '*.cpp' |
                     grep -v '^fuzz/' || true)
if [ ${#files[@]} -eq 0 ]; then
  echo "tidy: no C++ source changed since $base"
  exit 0
fi
echo "tidy: ${#files[@]} file(s) changed since $base"
# The build is GCC's: clang does not know some of its warning options.
run-clang-tidy -quiet -p "$build" -extra-arg=-Wno-unknown-warning-option -j "$(nproc)" "${files[@]/#/$PWD/}" >/tmp/kelvane-tidy.log 2>&1 || {
  grep -E 'error:|warning:' /tmp/kelvane-tidy.log | sort -u >&2
  exit 1
}
