#!/usr/bin/env bash
# Installs what is missing, builds Quizora with its tests (sanitizers on), and runs every test
# headless with CTest.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh

ensure_packages "${BUILD_PACKAGES[@]}" libbenchmark-dev
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DQUIZORA_SANITIZE=ON -DQUIZORA_BENCH=ON >/dev/null
cmake --build build-tests -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure -j2
