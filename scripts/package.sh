#!/usr/bin/env bash
# Builds the program (optimised, with its manual) and makes its Debian
# package: build/package/nadzorne-knjige_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j 2
cpack -G DEB --config build/release/CPackConfig.cmake -B build/package
ls build/package/*.deb
