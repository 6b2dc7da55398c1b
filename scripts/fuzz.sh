#!/usr/bin/env bash
# Builds the libFuzzer targets with Clang (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each for SECONDS (default 60), or
# only the TARGETs named (such as log_converter rtf_reader),
# starting from its seeds in fuzz/corpus/<target>/ and the kept regression
# inputs in tests/data/fuzz/<target>/. Fails when any target finds a crash,
# a leak, undefined behaviour or a broken check; the input that did it is in
# build/fuzz/artifacts/<target>/ (keep it under tests/data/fuzz/<target>/ once
# the fault is mended).
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: scripts/fuzz.sh [SECONDS [TARGET...]]"
seconds="${1:-60}"
case "$seconds" in '' | *[!0-9]*) echo "$usage" >&2; exit 64 ;; esac
[ $# -gt 0 ] && shift
names=("$@")
for name in "${names[@]}"; do
  [ -d "fuzz/corpus/$name" ] || { echo "no fuzz target $name" >&2; echo "$usage" >&2; exit 64; }
done

# Clang with its libFuzzer and sanitizer runtimes, and the symbolizer.
scripts/install-deps.sh clang-14 libclang-rt-14-dev llvm-14

build=build/fuzz
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS="-O1 -g" \
  -DCMAKE_CXX_COMPILER=clang++-14 -DKELVANE_FUZZ=ON -DKELVANE_BUILD_TESTS=OFF \
  -DKELVANE_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
if [ ${#names[@]} -eq 0 ]; then
  cmake --build "$build" --target fuzz_all
else
  cmake --build "$build" --target "${names[@]/#/fuzz_}"
fi

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
symbolizer=$(command -v llvm-symbolizer-14 || true)
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH="$symbolizer" UBSAN_SYMBOLIZER_PATH="$symbolizer"

failed=()
passed=0
for exe in "$build"/fuzz/fuzz_*; do
  [ -f "$exe" ] && [ -x "$exe" ] || continue
  name=${exe##*/fuzz_}
  [ ${#names[@]} -eq 0 ] || [[ " ${names[*]} " == *" $name "* ]] || continue
  corpus="$build/corpus/$name"
  artifacts="$build/artifacts/$name"
  log="$build/logs/$name.log"
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  inputs=("$corpus" "fuzz/corpus/$name")
  [ -d "tests/data/fuzz/$name" ] && inputs+=("tests/data/fuzz/$name")
  if "$exe" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$artifacts/" "${inputs[@]}" >"$log" 2>&1; then
    result=clean
    passed=$((passed + 1))
  else
    result=FAILED
    failed+=("$name")
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 || true)
  printf '%-18s %3ss  %10s runs  %-10s  %s\n' "$name" "$seconds" "${runs:-?}" "${cov:-cov: ?}" "$result"
  if [ "$result" = FAILED ]; then
    grep -E 'ERROR|SUMMARY|runtime error|Test unit written' "$log" | head -20 | sed 's/^/    /' || true
  fi
done

[ ${#failed[@]} -gt 0 ] && echo "Fuzzing found faults in: ${failed[*]} (logs in $build/logs, inputs in $build/artifacts)"
echo "fuzz: ${passed} passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
