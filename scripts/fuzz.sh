#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default
# 300) on one core. New inputs go to build/fuzz/corpus, crashes to
# build/fuzz/artifacts; a crash found belongs in fuzz/corpus/<target>/ once
# its fault is mended.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-300}"

bash scripts/install-deps.sh
if ! command -v clang++ >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends clang
fi

cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNK_FUZZ=ON \
      -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ >/dev/null
targets=()
for folder in fuzz/corpus/*/; do
  targets+=("fuzz_$(basename "$folder")")
done
cmake --build build/fuzz -j 2 --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
status=0
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  work="build/fuzz/corpus/$name"
  artifacts="build/fuzz/artifacts/$name/"
  mkdir -p "$work" "$artifacts"
  log="build/fuzz/$name.log"
  result="ok"
  if ! "build/fuzz/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 -timeout=30 \
       -rss_limit_mb=4096 -artifact_prefix="$artifacts" "$work" "fuzz/corpus/$name" >"$log" 2>&1; then
    result="FAILED (see $log and $artifacts)"
    status=1
  fi
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)
  echo "$target: $speed exec/s, $runs executions in ${seconds} s, $result"
done
exit $status
