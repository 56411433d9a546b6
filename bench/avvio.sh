#!/usr/bin/env bash
# Start-up under Xvfb: time from the start of the program until its password window is
# mapped, the processor time used by then, and the resident memory at that moment, against
# a bare Qt window built alongside. Runs alternate between the two so that both see the
# same load; prints the medians and the ratios.
#   bench/avvio.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
volte=${2:-21}
for f in "$build/portable/Ricordario" "$build/bench/tempo_avvio" "$build/bench/finestra_nuda"; do
  [ -x "$f" ] || { echo "missing $f: build first (make bench)" >&2; exit 1; }
done
# The program runs in a throw-away copy of its folder, so no data is touched.
cartella=$(mktemp -d)
trap 'rm -rf "$cartella"' EXIT
mkdir "$cartella/programma" && cp -r "$build/portable/." "$cartella/programma/"
mkdir -m 700 "$cartella/run"
unset QT_QPA_PLATFORM RICORDARIO_SCHERMATA
export XDG_RUNTIME_DIR="$cartella/run" MISURA="$build/bench/tempo_avvio"
export PROGRAMMA="$cartella/programma/Ricordario" NUDA="$build/bench/finestra_nuda" VOLTE="$volte"
xvfb-run -a -s "-screen 0 1280x800x24 -nolisten tcp" bash -c '
  set -euo pipefail
  # One start of each first, so that both find their libraries in the page cache.
  "$MISURA" "$PROGRAMMA" >/dev/null
  "$MISURA" "$NUDA" >/dev/null
  for i in $(seq "$VOLTE"); do
    echo "programma $("$MISURA" "$PROGRAMMA")"
    echo "nuda $("$MISURA" "$NUDA")"
  done
' | awk '
  function mediana(v, n,   i, j, t) {
    for (i = 2; i <= n; i++) { t = v[i]; for (j = i - 1; j > 0 && v[j] > t; j--) v[j+1] = v[j]; v[j+1] = t }
    return n % 2 ? v[(n+1)/2] : (v[n/2] + v[n/2+1]) / 2
  }
  $1 == "programma" { p++; pt[p] = $2; pc[p] = $3; pm[p] = $4 / 1024 }
  $1 == "nuda"      { n++; nt[n] = $2; nc[n] = $3; nm[n] = $4 / 1024 }
  END {
    a = mediana(pt, p); b = mediana(nt, n); c = mediana(pc, p); d = mediana(nc, n)
    e = mediana(pm, p); f = mediana(nm, n)
    printf "Start-up to the password window mapped, median of %d runs\n", p
    printf "                  %12s %12s %12s\n", "wall", "processor", "resident"
    printf "  Ricordario      %9.1f ms %9.1f ms %8.1f MiB\n", a, c, e
    printf "  bare Qt window  %9.1f ms %9.1f ms %8.1f MiB\n", b, d, f
    printf "  ratio           %11.2fx %11.2fx %11.2fx\n", a / b, c / d, e / f
  }'
