#!/usr/bin/env bash
# Starts (or stops) what the tests and `make run` need outside Wine:
#   - an X display: Xvfb on :77 when there is no usable $DISPLAY;
#   - cupsd with a cups-pdf printer named PDF on A4 paper, the default printer,
#     and for the tests that print on them: PDF-Letter on US Letter paper,
#     PDF-A5 on A5 paper, A4 queues at 150, 600 and 1200 dpi (PDF-150, PDF-600, PDF-1200), an A4 queue
#     whose printable area keeps 5 mm from every edge (PDF-Marges5-…), a queue that refuses every job, a
#     queue with a name of 100 characters and one whose name a settings file's key cannot hold as it stands.
# `start` is idempotent and safe to run from several processes at once; it
# writes build/services.env with the exports the other scripts source
# (DISPLAY, MORVI_HEADLESS, MORVI_PDF_DIR). `stop` ends only what `start` began.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
state="$repo/build/services"
env_file="$repo/build/services.env"
xvfb_display=:77
printer=PDF
letter_printer=PDF-Letter
a5_printer=PDF-A5
# A queue that refuses every job, and one whose name has 100 characters.
refusing_printer=PDF-Refuse
long_printer="PDF-$(for _ in 1 2 3 4 5 6 7 8 9; do printf 0123456789; done)012345"
hostile_printer='[ΨMEGA=1]'
# Its name as long as an office's printers' names are: cut to fill a line.
margins_printer=PDF-Marges5-atelier-du-deuxieme-etage-batiment-nord
cups_pdf_conf=/etc/cups/cups-pdf.conf
cups_pdf_ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

# Our own settings must reach the real scheduler, whatever the caller points at.
unset CUPS_SERVER

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Waits up to about 10 s for a command to succeed.
wait_for() {
  local i
  for i in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

display_works() { xdpyinfo -display "$1" >/dev/null 2>&1; }

# Running, not a zombie that nobody reaped (kill -0 succeeds on those).
alive() {
  local stat
  stat=$(ps -o stat= -p "$1" 2>/dev/null) && [ "${stat:0:1}" != Z ]
}

# Alive and still the program we started, maybe through sudo (pids get reused).
pid_is() {
  local pidfile=$1 name=$2 pid comm
  [ -f "$pidfile" ] || return 1
  pid=$(cat "$pidfile")
  alive "$pid" || return 1
  comm=$(ps -o comm= -p "$pid")
  [ "$comm" = "$name" ] || [ "$comm" = sudo ]
}

# A server killed hard leaves its lock behind, and Xvfb then refuses the display.
remove_stale_x_lock() {
  local n=${xvfb_display#:} lock pid
  lock=/tmp/.X$n-lock
  [ -f "$lock" ] || return 0
  pid=$(tr -d ' ' <"$lock")
  if [ -z "$pid" ] || ! alive "$pid"; then
    rm -f "$lock" "/tmp/.X11-unix/X$n"
  fi
}

start_display() {
  if [ -n "${DISPLAY:-}" ] && [ "$DISPLAY" != "$xvfb_display" ] && display_works "$DISPLAY"; then
    display=$DISPLAY headless=0
    return
  fi
  display=$xvfb_display headless=1
  display_works "$display" && return
  remove_stale_x_lock
  setsid Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp \
    </dev/null >"$state/xvfb.log" 2>&1 9>&- &
  echo $! >"$state/xvfb.pid"
  wait_for display_works "$display" || { cat "$state/xvfb.log" >&2; echo "services: Xvfb did not start" >&2; exit 1; }
  echo "services: Xvfb started on $display"
}

scheduler_runs() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }

start_cups() {
  scheduler_runs && return
  local run=()
  [ "$(id -u)" -eq 0 ] || run=(sudo)
  "${run[@]}" mkdir -p /run/cups
  "${run[@]}" setsid cupsd -f </dev/null >"$state/cupsd.log" 2>&1 9>&- &
  echo $! >"$state/cupsd.pid"
  wait_for scheduler_runs || { cat "$state/cupsd.log" >&2; echo "services: cupsd did not start" >&2; exit 1; }
  echo "services: cupsd started"
}

# cups-pdf writes into the job owner's home; the tests look for the files there.
configure_cups_pdf() {
  if ! grep -qx 'Out ${HOME}/PDF' "$cups_pdf_conf"; then
    as_root sed -i '/^#\?Out /d' "$cups_pdf_conf"
    echo 'Out ${HOME}/PDF' | as_root tee -a "$cups_pdf_conf" >/dev/null
  fi
  pdf_dir="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
  mkdir -p "$pdf_dir"
}

# A cups-pdf queue of the given name and paper, made once, with the PDF
# printer's own description or another one.
add_printer() {
  local name=$1 paper=$2 ppd=${3:-$cups_pdf_ppd}
  if ! lpstat -p "$name" >/dev/null 2>&1; then
    as_root lpadmin -p "$name" -E -v cups-pdf:/ -P "$ppd" -o PageSize="$paper" 2>/dev/null
    echo "services: printer $name added"
  fi
}

# The PDF printer's description printing at another resolution: Wine's
# driver prints at 300 dpi whenever the description lists a 300 dpi entry,
# else at the description's default.
ppd_at_dpi() {
  local out="$state/pdf-$1dpi.ppd"
  sed -e '/^\*Resolution 300dpi/d' -e "s/^\*DefaultResolution: .*/*DefaultResolution: $1dpi/" \
    "$cups_pdf_ppd" >"$out"
  echo "$out"
}

# The same whose A4 page can be printed only 5 mm (14.17 points) in from
# every edge, as on many office printers.
ppd_a4_margins() {
  local out="$state/pdf-a4-5mm.ppd"
  sed -e 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "14.17 14.17 580.83 827.83"|' "$cups_pdf_ppd" >"$out"
  echo "$out"
}

add_printers() {
  add_printer "$printer" A4
  add_printer "$letter_printer" Letter
  add_printer "$a5_printer" A5
  local dpi
  for dpi in 150 600 1200; do add_printer "PDF-$dpi" A4 "$(ppd_at_dpi "$dpi")"; done
  add_printer "$margins_printer" A4 "$(ppd_a4_margins)"
  add_printer "$long_printer" A4
  add_printer "$refusing_printer" A4
  add_printer "$hostile_printer" A4
  as_root cupsreject "$refusing_printer"
  if ! lpstat -d 2>/dev/null | grep -q ": $printer\$"; then
    as_root lpadmin -d "$printer"
  fi
}

write_env() {
  cat >"$env_file.tmp.$$" <<EOF
export DISPLAY=$display
export MORVI_HEADLESS=$headless
export MORVI_PDF_DIR=$pdf_dir
EOF
  mv -f "$env_file.tmp.$$" "$env_file"
}

stop_started() {
  local name pidfile
  for name in Xvfb cupsd; do
    pidfile="$state/${name,,}.pid"
    if pid_is "$pidfile" "$name"; then
      as_root kill "$(cat "$pidfile")"
      echo "services: $name stopped"
    fi
    rm -f "$pidfile"
  done
  rm -f "$env_file"
}

mkdir -p "$state"
exec 9>"$state/lock"
flock 9

case "${1:-}" in
  start)
    start_display
    start_cups
    configure_cups_pdf
    add_printers
    write_env
    ;;
  stop)
    stop_started
    ;;
  *)
    echo "usage: $0 start|stop" >&2
    exit 2
    ;;
esac
