#!/usr/bin/env bash
# Builds the libFuzzer programs in build-fuzz/ (clang, AddressSanitizer and
# UBSan) and runs each over its corpus for FUZZ_SECONDS seconds (default 30).
#   tools/fuzz.sh                 every fuzzer
#   tools/fuzz.sh document cost   only these
# FUZZ_RUNS, when set, stops each fuzzer after that many executions instead.
# New inputs that reach new code go to fuzz/corpus-work/<name>/ (not kept in
# git); a fault stops the run with its input in build-fuzz/<name>-crash-*.
# Exit status: 0 all ran clean, 1 a fuzzer found a fault, 2 clang cannot
# build libFuzzer programs here.
set -euo pipefail

cd "$(dirname "$0")/.."
FUZZ_SECONDS=${FUZZ_SECONDS:-30}
BUILD=${FUZZ_BUILD_DIR:-build-fuzz}

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf '%s\n' '#include <cstddef>' '#include <cstdint>' \
  'extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t*, std::size_t) { return 0; }' \
  >"$probe/probe.cpp"
if ! command -v clang++ >/dev/null ||
  ! clang++ -fsanitize=fuzzer,address "$probe/probe.cpp" -o "$probe/probe" 2>"$probe/err"; then
  echo "clang++ cannot build libFuzzer programs here:"
  cat "$probe/err" || true
  exit 2
fi

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DKAV_BUILD_FUZZERS=ON \
  -DKAV_BUILD_GUI=OFF -DKAV_BUILD_BENCHMARKS=OFF "${launcher[@]}" >/dev/null
cmake --build "$BUILD" --target fuzzers
# The seed inputs once, as tests.
ctest --test-dir "$BUILD" -L fuzz --output-on-failure

names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  for fuzzer in "$BUILD"/bin/*_fuzz; do names+=("$(basename "$fuzzer" _fuzz)"); done
fi
# A smaller quarantine and shorter allocation stacks than the sanitizer's
# defaults: a fifth more executions, and memory stays small. Rerunning a
# found input alone gives the full report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16:malloc_context_size=2}
limit=(-max_total_time="$FUZZ_SECONDS")
[ -n "${FUZZ_RUNS:-}" ] && limit=(-runs="$FUZZ_RUNS")
for name in "${names[@]}"; do
  fuzzer=$BUILD/bin/${name}_fuzz
  work=fuzz/corpus-work/$name
  mkdir -p "$work"
  log=$BUILD/$name-fuzz.log
  echo "-- $fuzzer ${limit[*]} (log: $log)"
  if ! "$fuzzer" "${limit[@]}" -timeout=10 -rss_limit_mb=2048 -malloc_limit_mb=512 \
    -print_final_stats=1 -artifact_prefix="$BUILD/$name-" "$work" "fuzz/corpus/$name" \
    >"$log" 2>&1; then
    tail -n 80 "$log"
    echo "$fuzzer found a fault; the input is in $BUILD/$name-*" >&2
    exit 1
  fi
  grep -E '^(stat::number_of_executed_units|Done )' "$log" || tail -n 3 "$log"
done
