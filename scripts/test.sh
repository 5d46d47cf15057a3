#!/usr/bin/env bash
# Builds Quillet 6 with its tests (installing what is missing) and runs every test.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/preparar.sh"

cd "$BUILD_DIR"
ctest --output-on-failure -j2 --timeout 300
