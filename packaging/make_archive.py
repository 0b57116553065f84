#!/usr/bin/env python3
"""Writes the portable archive: Morvi-<version>/Morvi.exe and its French
read-me (UTF-8 with a byte-order mark and CRLF, as Notepad wants them).

The same inputs give the same bytes: fixed order, fixed permissions, and
every entry dated from the last commit (1980-01-01 outside a git checkout).
"""
import argparse
import subprocess
import time
import zipfile
from pathlib import Path


def commit_time(source: Path) -> tuple:
    try:
        seconds = int(subprocess.run(["git", "-C", str(source), "log", "-1", "--format=%ct"],
                                     capture_output=True, text=True, check=True).stdout)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return (1980, 1, 1, 0, 0, 0)
    return max(time.gmtime(seconds)[:6], (1980, 1, 1, 0, 0, 0))


def main() -> None:
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--version", required=True)
    parser.add_argument("--program", required=True, type=Path)
    parser.add_argument("--readme", required=True, type=Path)
    parser.add_argument("--out", required=True, type=Path)
    args = parser.parse_args()

    readme = args.readme.read_text(encoding="utf-8").replace("@VERSION@", args.version)
    entries = [
        ("Morvi.exe", args.program.read_bytes()),
        ("LISEZMOI.txt", ("\ufeff" + readme.replace("\n", "\r\n")).encode("utf-8")),
    ]
    date = commit_time(args.readme.parent)
    folder = f"Morvi-{args.version}/"
    with zipfile.ZipFile(args.out, "w") as archive:
        for name, data in entries:
            info = zipfile.ZipInfo(folder + name, date_time=date)
            info.create_system = 0  # MS-DOS: no Unix owner or mode
            info.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(info, data, compresslevel=9)


if __name__ == "__main__":
    main()
