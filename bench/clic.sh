#!/usr/bin/env bash
# Click to window shown and painted (bench_clic) under Xvfb, as the user waits.
#   bench/clic.sh [build folder] [benchmark options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
shift || true
[ -x "$build/bench/bench_clic" ] || { echo "missing $build/bench/bench_clic: build first" >&2; exit 1; }
run=$(mktemp -d)
trap 'rm -rf "$run"' EXIT
chmod 700 "$run"
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR="$run"
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" "$build/bench/bench_clic" "$@"
