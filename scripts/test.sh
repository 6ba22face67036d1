#!/usr/bin/env bash
# Builds and runs every test, three ways:
#   1. build/debug: the whole suite (ctest);
#   2. build/asan:  the whole suite again under AddressSanitizer,
#                   UndefinedBehaviorSanitizer and LeakSanitizer;
#   3. build/fuzz:  each libFuzzer target for a short smoke run (clang).
# No display is needed: Qt draws offscreen. Exits non-zero on any failing
# test, sanitizer report, fuzzer crash or failed build, and ends with one
# line "N passed, N failed" summed over all three.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD

bash scripts/setup.sh || { echo "test: setup failed" >&2; echo "0 passed, 1 failed"; exit 1; }

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1
fuzz_seconds=${PRODOTINA_FUZZ_SECONDS:-30}

passed=0
failed=0
start=$SECONDS

stage() { printf '\n=== %s\n' "$*"; }

# A test whose log carries a sanitizer report fails even if its process
# somehow exited 0 (a report from a child process, say).
count_reports() { # LastTest.log
  awk '
    /^[0-9]+\/[0-9]+ Testing: / { name = $0; report = 0 }
    /ERROR: (Address|Leak)Sanitizer|runtime error:|SUMMARY: UndefinedBehaviorSanitizer/ { report = 1 }
    /^Test Passed\./ && report { print "sanitizer report in passing test: " name > "/dev/stderr"; n++ }
    END { print n + 0 }
  ' "$1"
}

# Configures, builds and runs ctest in one build folder; adds to the counts.
run_suite() { # name build-dir cmake-args...
  local name=$1 dir=$2
  shift 2
  stage "$name: configure and build ($dir)"
  if ! cmake -S . -B "$dir" "$@" >"$dir.configure.log" 2>&1; then
    cat "$dir.configure.log"
    echo "test: $name: configure failed" >&2
    failed=$((failed + 1))
    return
  fi
  if ! cmake --build "$dir" -j "$jobs"; then
    echo "test: $name: build failed" >&2
    failed=$((failed + 1))
    return
  fi

  stage "$name: ctest"
  local log="$dir/ctest.log" status
  ctest --test-dir "$dir" --output-on-failure -j "$jobs" --timeout 600 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}

  local total=0 bad=0 line
  line=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [[ -n "$line" ]]; then
    bad=$(sed -E 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/^[0-9]+% tests passed, ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  elif grep -q 'No tests were found' "$log"; then
    echo "test: $name: this build has no tests yet"
  fi
  local good=$((total - bad))
  if [[ -f "$dir/Testing/Temporary/LastTest.log" ]]; then
    local reported
    reported=$(count_reports "$dir/Testing/Temporary/LastTest.log")
    good=$((good - reported))
    bad=$((bad + reported))
  fi
  # ctest failing with no failed test counted (a test not run, a crash in
  # discovery) still fails the run.
  if ((status != 0 && bad == 0)); then
    bad=1
  fi
  echo "test: $name: $good passed, $bad failed"
  passed=$((passed + good))
  failed=$((failed + bad))
}

mkdir -p build

run_suite "debug" build/debug -DCMAKE_BUILD_TYPE=Debug -DPRODOTINA_TESTS=ON

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/scripts/lsan.supp:print_suppressions=0
run_suite "sanitizers" build/asan -DCMAKE_BUILD_TYPE=Debug -DPRODOTINA_TESTS=ON -DPRODOTINA_SANITIZE=ON

# Fuzz smoke: each target a short run from its committed seeds. New inputs
# go to a scratch corpus under build/fuzz, never into the repository.
if [[ -f fuzz/CMakeLists.txt ]]; then
  stage "fuzz: configure and build (build/fuzz)"
  if CXX=clang++ cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRODOTINA_FUZZ=ON \
       -DPRODOTINA_QT=OFF -DPRODOTINA_TESTS=OFF >build/fuzz.configure.log 2>&1 &&
     cmake --build build/fuzz -j "$jobs"; then
    mapfile -t fuzzers < <(find build/fuzz/fuzz -maxdepth 1 -type f -perm -u+x -name '*Fuzzer' | sort)
    for fuzzer in "${fuzzers[@]}"; do
      target=$(basename "$fuzzer")
      stage "fuzz: $target for ${fuzz_seconds}s"
      corpus=build/fuzz/corpus/$target
      artifacts=build/fuzz/artifacts
      mkdir -p "$corpus" "$artifacts"
      [[ -d fuzz/corpus/$target ]] && cp -r "fuzz/corpus/$target/." "$corpus/"
      options=(-max_total_time="$fuzz_seconds" -timeout=25 -artifact_prefix="$artifacts/$target-" -print_final_stats=1)
      [[ -f fuzz/$target.dict ]] && options+=(-dict="fuzz/$target.dict")
      if "$fuzzer" "${options[@]}" "$corpus" >"build/fuzz/$target.log" 2>&1; then
        tail -n 12 "build/fuzz/$target.log"
        echo "test: fuzz: $target passed"
        passed=$((passed + 1))
      else
        tail -n 60 "build/fuzz/$target.log"
        echo "test: fuzz: $target FAILED; the input is in $artifacts/" >&2
        failed=$((failed + 1))
      fi
    done
  else
    cat build/fuzz.configure.log
    echo "test: fuzz: configure or build failed" >&2
    failed=$((failed + 1))
  fi
fi

stage "done in $((SECONDS - start)) s"
echo "$passed passed, $failed failed"
((failed == 0))
