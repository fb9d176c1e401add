#!/usr/bin/env bash
# Builds the program (optimised) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DNK_BENCH=ON
cmake --build build/release -j 2

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the program under Xvfb (a virtual screen)."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" build/release/app/nadzorne_knjige
fi
exec build/release/app/nadzorne_knjige
