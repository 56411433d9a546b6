#!/usr/bin/env bash
# The login warning (`Ricordario --avvisi`) against a notification service that holds the
# desktop's name but never answers, on a private session bus: the time until the program
# exits, and until its first line reached standard output, median of the runs.
#   bench/avvisi_muto.sh [build folder] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")
volte=${2:-5}
for f in "$build/portable/Ricordario" "$build/bench/servizio_muto" "$build/bench/anno_generato"; do
  [ -x "$f" ] || { echo "missing $f: build first (make bench)" >&2; exit 1; }
done
cartella=$(mktemp -d)
trap 'kill "$servizio" 2>/dev/null || true; kill "$bus_pid" 2>/dev/null || true; rm -rf "$cartella"' EXIT
mkdir "$cartella/programma" && cp -r "$build/portable/." "$cartella/programma/"
# A generated archive of this year: deadlines all over it, so some are always imminent.
"$build/bench/anno_generato" "$cartella/programma/$(date +%Y).rcd" "$(date +%Y)" 20000

cat > "$cartella/bus.conf" <<CONF
<busconfig><type>session</type><listen>unix:dir=$cartella</listen><auth>EXTERNAL</auth>
<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/>
<allow own="*"/></policy></busconfig>
CONF
exec 3< <(dbus-daemon --config-file="$cartella/bus.conf" --nofork --print-address=1 --print-pid=1)
read -r indirizzo <&3
read -r bus_pid <&3
export DBUS_SESSION_BUS_ADDRESS="$indirizzo"
exec 4< <(exec "$build/bench/servizio_muto" 2>/dev/null)
servizio=$!
read -r pronto <&4
[ "$pronto" = pronto ] || { echo "the silent service did not start" >&2; exit 1; }

unset QT_QPA_PLATFORM
for i in $(seq "$volte"); do
  inizio=$(date +%s%N)
  prima=""
  while IFS= read -r riga; do
    [ -z "$prima" ] && prima=$(date +%s%N)
    righe=$((${righe:-0} + 1))
  done < <("$cartella/programma/Ricordario" --avvisi)
  fine=$(date +%s%N)
  echo "$(( (${prima:-$fine} - inizio) / 1000000 )) $(( (fine - inizio) / 1000000 )) ${righe:-0}"
  righe=0
done | sort -n -k2 | awk -v n="$volte" '
  { a[NR] = $1; b[NR] = $2; r = $3 }
  END {
    m = int((n + 1) / 2)
    printf "--avvisi against a silent notification service, median of %d runs (%d lines)\n", n, r
    printf "  first line on standard output  %6d ms\n", a[m]
    printf "  program exited                 %6d ms\n", b[m]
  }'
