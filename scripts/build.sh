#!/usr/bin/env bash
# Configures and builds one flavour of the tree.
#   scripts/build.sh [release|asan|tsan] [targets...]
# Build folders: build/ (release), build-asan/, build-tsan/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-release}
shift || true
jobs=$(nproc)

case "$flavour" in
  release) dir=$root/build; args=(-DCMAKE_BUILD_TYPE=Release) ;;
  asan)    dir=$root/build-asan; args=(-DCMAKE_BUILD_TYPE=Debug -DORV_SANITIZE=ON) ;;
  # The thread sanitizer needs an OpenMP runtime it can see through: clang's.
  tsan)    dir=$root/build-tsan; args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DORV_TSAN=ON
                                       -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14) ;;
  *) echo "usage: $0 [release|asan|tsan] [targets...]" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$dir" "${args[@]}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$dir" -j"$jobs" --target "$@"
else
  cmake --build "$dir" -j"$jobs"
fi
