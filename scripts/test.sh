#!/usr/bin/env bash
# Builds Quillet 6 with its tests (installing what is missing) and runs every test.
set -euo pipefail
PACOTES_EXTRAS=(clang libclang-rt-14-dev)
source "$(dirname "${BASH_SOURCE[0]}")/preparar.sh"

ctest --test-dir "$BUILD_DIR" --output-on-failure -j2 --timeout 300

# The parsers of outside input, each fuzzed for a few seconds from its seed
# corpus (tests/fuzz), in a build of their own with clang and libFuzzer.
if command -v clang++ >/dev/null; then
  FUZZ_DIR="${BUILD_DIR}-fuzz"
  if [[ ! -f "$FUZZ_DIR/build.ninja" ]]; then
    CC=clang CXX=clang++ cmake -S "$RAIZ" -B "$FUZZ_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUILLET_FUZZ=ON -DQUILLET_TESTS=OFF -DQUILLET_RUFFLE=OFF >/dev/null
  fi
  cmake --build "$FUZZ_DIR" --target fuzz
  ctest --test-dir "$FUZZ_DIR" --output-on-failure -j2
else
  echo "clang is not installed: the fuzz targets were not run."
fi
