#!/usr/bin/env bash
# Installs what is missing, builds everything in build/ and runs every test through CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

kanalo_install_packages
kanalo_configure_and_build build

status=0
(cd build && ctest --output-on-failure --timeout 300 -j "$(kanalo_test_jobs)") || status=$?

# The fuzzers need clang's libFuzzer; each runs a short bounded session from its seed corpus.
# The four sessions are independent, so they run side by side.
if command -v clang++ >/dev/null 2>&1; then
    kanalo_configure_and_build build-fuzz -DKANALO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
    (cd build-fuzz && ctest --output-on-failure --timeout 300 -j 4) || status=$?
fi
exit "$status"
