#!/usr/bin/env bash
# Where a program's start goes, from its process to its window painted:
# each run under Wine's own tracing (time stamps, the DLLs as they load, and
# the calls below as they are made, nothing added to the program), then the
# medians of every step over the runs, in ms since the program's file was
# mapped, and its memory by mapping once the window is up.
#   tools/profile-start.sh [runs] [program.exe]   (default 10, build/win/Morvi.exe;
#                                                  the bench's baseline works too)
# Wine's tracing slows every step a little: compare programs, not with `make bench`.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
runs=${1:-10}
exe=${2:-$repo/build/win/Morvi.exe}
. "$repo/tools/wine-env.sh"

calls="comctl32.InitCommonControlsEx;shell32.SHGetKnownFolderPath;winspool.drv.OpenPrinterW"
calls+=";user32.CreateWindowExW;user32.ShowWindow;user32.BeginPaint;gdiplus.GdiplusStartup"
relay_key='HKCU\Software\Wine\Debug'
wine reg add "$relay_key" /v RelayInclude /d "$calls" /f >/dev/null 2>&1
trap 'wine reg delete "$relay_key" /v RelayInclude /f >/dev/null 2>&1' EXIT

python3 - "$exe" "$runs" <<'EOF'
import collections, os, re, signal, statistics, subprocess, sys, threading, time

exe, runs = sys.argv[1], int(sys.argv[2])
env = dict(os.environ, WINEDEBUG='+timestamp,+pid,+loaddll,+relay')
steps = collections.defaultdict(list)
memory = collections.defaultdict(list)
# A process of the prefix kept alive meanwhile, as a desktop keeps it: each
# run then starts as a user's program starts, without Wine's own start.
keeper = subprocess.Popen(['wine', 'cmd.exe'], stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                          stderr=subprocess.DEVNULL)
time.sleep(3)
for run in range(runs + 1):  # the first run warms the caches and is not counted
    program = subprocess.Popen(['wine', exe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                               text=True, errors='replace')
    lines = []
    reader = threading.Thread(target=lambda: lines.extend(program.stderr), daemon=True)
    reader.start()
    time.sleep(3)
    rss = collections.Counter()
    try:
        mapping = None
        for line in open(f'/proc/{program.pid}/smaps'):
            head = re.match(r'^[0-9a-f]+-[0-9a-f]+ \S+ \S+ \S+ \S+\s*(.*)$', line)
            if head:
                mapping = (head.group(1).strip() or '[anon]').split('/')[-1]
            elif line.startswith('Rss:'):
                rss[mapping] += int(line.split()[1])
    except OSError:
        pass
    program.send_signal(signal.SIGKILL)
    reader.join(1)
    if run == 0:
        continue
    for name, kb in rss.items():
        memory[name].append(kb / 1024)
    memory['total'].append(sum(rss.values()) / 1024)
    start, pid, seen, last_create = None, None, set(), 0.0
    for line in lines:
        loaded = re.match(r'(\d+\.\d+):(\w+):\w+:trace:loaddll:\w+ Loaded L"([^"]*)"', line)
        call = re.match(r'(\d+\.\d+):(\w+):\w+:Call ([\w.]+)\(', line)
        if not (loaded or call):
            continue
        m = loaded or call
        t = float(m.group(1)) * 1000
        if start is None:
            start, pid = t, m.group(2)
        if m.group(2) != pid:
            continue
        step = 'loaded ' + m.group(3).split('\\')[-1].lower() if loaded else 'call ' + m.group(3)
        if step == 'call user32.ShowWindow' and step not in seen:
            steps['last CreateWindowExW before it'].append(last_create - start)
        if step == 'call user32.CreateWindowExW':
            last_create = t
        if step not in seen:
            seen.add(step)
            steps[step].append(t - start)

keeper.stdin.close()
keeper.wait()
print(f'{os.path.basename(exe)}: medians of {runs} runs, ms since its file was mapped')
for step, times in sorted(steps.items(), key=lambda kv: statistics.median(kv[1])):
    print(f'{statistics.median(times):8.1f}  {step}  ({len(times)} runs)')
print('\nresident memory once the window is up (MB, medians), the largest mappings:')
for name, mb in sorted(memory.items(), key=lambda kv: -statistics.median(kv[1]))[:16]:
    print(f'{statistics.median(mb):8.2f}  {name}')
EOF
