#!/usr/bin/env bash
# What makes a program's peak memory in `make bench`'s run (start, "Imprimer
# le morvi", "Oui", the PDF): the bench's driver runs it once while its
# resident memory is read as fast as Linux gives it, split into private
# (anonymous), file-backed and shared (the windows' X11 surfaces) pages; then
# the peak, what it was made of, the moments it rose or fell by 500 KB or
# more, and the files mapped meanwhile that were gone again before the end
# (a transient that the peak counts and the end does not show).
#   tools/profile-peak.sh [program.exe]   (default build/win/Morvi.exe; run
#                                         `make bench` once first for the driver)
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
exe=${1:-$repo/build/win/Morvi.exe}
driver=$repo/build/bench/driver.exe
[ -f "$driver" ] || { echo "profile-peak: $driver does not exist; run 'make bench' first" >&2; exit 1; }
. "$repo/tools/wine-env.sh"
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

wine "$driver" "$(windows_path "$exe")" "$(windows_path "$repo/build/bench/baseline.exe")" 1 >/dev/null &
python3 - "$(basename "$exe")" <<'EOF'
import os, re, sys, time

name, pid, start = sys.argv[1], None, time.time()
# The program's own process, not the driver that names it on its command line.
while pid is None and time.time() - start < 20:
    for p in filter(str.isdigit, os.listdir('/proc')):
        try:
            line = open(f'/proc/{p}/cmdline').read()
        except OSError:
            continue
        if name in line and 'driver' not in line and int(p) not in (os.getpid(), os.getppid()):
            pid = p
            break
    time.sleep(0.001)
if pid is None:
    sys.exit(f'profile-peak: {name} did not start')
fields = ('VmRSS', 'RssAnon', 'RssShmem')
samples, seen, gone, start = [], set(), {}, time.time()
while True:
    try:
        status = open(f'/proc/{pid}/status').read()
        files = {l.split(None, 5)[5].strip() for l in open(f'/proc/{pid}/maps') if len(l.split(None, 5)) > 5}
    except (OSError, IndexError):
        break
    kb = {k: int(v) for k, v in re.findall(r'^(\w+):\s+(\d+) kB', status, re.M) if k in fields}
    if len(kb) < len(fields):
        break
    t = (time.time() - start) * 1000
    samples.append((t, kb['VmRSS'], kb['RssAnon'], kb['RssShmem']))
    for f in seen - files:
        gone[f] = t
    for f in files:
        gone.pop(f, None)
    seen |= files
t, rss, anon, shmem = max(samples, key=lambda s: s[1])
mb = lambda kb: kb / 1024
print(f'peak {mb(rss):.1f} MB at {t:.0f} ms: private {mb(anon):.1f}, shared surfaces {mb(shmem):.1f}, '
      f'files {mb(rss - anon - shmem):.1f}; at the end {mb(samples[-1][1]):.1f}')
print('\nms      MB   private  surfaces  files')
last = None
for t, rss, anon, shmem in samples:
    if last is None or abs(rss - last) >= 500:
        print(f'{t:5.0f} {mb(rss):6.1f} {mb(anon):8.1f} {mb(shmem):9.1f} {mb(rss - anon - shmem):6.1f}')
        last = rss
# The process's own end unmaps everything in its last milliseconds.
print('\nmapped for a while, gone before the end:')
for f, t in sorted(gone.items(), key=lambda kv: kv[1]):
    if t < samples[-1][0] - 50:
        print(f'  until {t:5.0f} ms  {f}')
EOF
wait
