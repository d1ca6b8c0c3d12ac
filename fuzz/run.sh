#!/usr/bin/env bash
# Long coverage-guided fuzzing of the engines, outside CI.
#   bash fuzz/run.sh [seconds] [extra libFuzzer flags...]
# Builds the module with clang's coverage instrumentation and ASan into its
# own virtual environment, links libFuzzer and the ASan runtime into one
# preloadable library, and runs fuzz/fuzz_conjugate.py on a corpus kept in
# fuzz/corpus (not committed). Needs clang (Debian: apt-get install clang).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
work="${VELNOR_FUZZ_DIR:-build/fuzzing}"
mkdir -p "$work" fuzz/corpus
work="$(realpath "$work")"

# One setup at a time: a run started beside another waits here until the
# other's install is done, then finds the virtual environment, the build and
# the runtime made (the fuzzing itself runs side by side; libFuzzer names the
# corpus files by their content).
exec 9>"$work/setup.lock"
flock 9
if [ ! -x "$work/venv/bin/python" ]; then
  python3 -m venv "$work/venv"
  "$work/venv/bin/pip" install --quiet atheris scikit-build-core
fi
CC=clang CXX=clang++ VELNOR_FUZZ=ON "$work/venv/bin/pip" install --quiet --no-build-isolation \
  -C build-dir="$work/build" .

runtime="$work/asan_with_fuzzer.so"
if [ ! -f "$runtime" ]; then
  rt="$(clang -print-resource-dir)/lib/linux"
  tmp="$(mktemp -d)"
  cp "$rt/libclang_rt.asan-x86_64.a" "$tmp/asan.a"
  ar d "$tmp/asan.a" asan_preinit.cpp.o  # a shared object may not carry .preinit_array
  clang++ -shared -fPIC -o "$runtime.tmp" -Wl,--whole-archive "$tmp/asan.a" "$rt/libclang_rt.asan_cxx-x86_64.a" \
    "$rt/libclang_rt.fuzzer_no_main-x86_64.a" -Wl,--no-whole-archive -lpthread -ldl -lm -lrt
  mv "$runtime.tmp" "$runtime"
  rm -r "$tmp"
fi
flock -u 9

# -fork=N and -merge=1 start the target again as its own argv[0]: the script,
# whose "env python3" line finds the virtual environment's Python (with
# atheris and this build) first on PATH.
export PATH="$work/venv/bin:$PATH"
LD_PRELOAD="$runtime" ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 \
  "$work/venv/bin/python" fuzz/fuzz_conjugate.py -max_total_time="$seconds" -max_len=4096 "$@" fuzz/corpus
