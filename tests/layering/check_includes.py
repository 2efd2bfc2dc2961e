#!/usr/bin/env python3
"""Fails on any #include "..." under src/ that climbs a floor or crosses between siblings.

Usage: check_includes.py SRC_DIR FLOORS_FILE

Each violation is printed as FILE:LINE: what is wrong. The Qt headers (<Q...>) may appear only
in the ui floor and in the window program's main.
"""
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^">]+)[">]')
QT_PROGRAMS = {"main.cpp"}  # the window program's main; its companion talvo_cli.cpp has no Qt
QT_FLOOR = "ui"


def read_floors(path):
    allowed = {}
    for line in pathlib.Path(path).read_text().splitlines():
        line = line.split("#", 1)[0].strip()
        if not line:
            continue
        floor, _, below = line.partition(":")
        allowed[floor.strip()] = set(below.split()) | {floor.strip()}
    return allowed


def violations(src, allowed):
    src = pathlib.Path(src)
    for path in sorted(p for p in src.rglob("*") if p.suffix in {".h", ".hpp", ".cpp", ".inc"}):
        relative = path.relative_to(src)
        floor = relative.parts[0] if len(relative.parts) > 1 else None  # None: a program's main
        if floor is not None and floor not in allowed:
            yield f"{relative}:1: folder '{floor}' is no floor of the table"
            continue
        for number, text in enumerate(path.read_text(errors="replace").splitlines(), start=1):
            match = INCLUDE.match(text)
            if not match:
                continue
            kind, target = match.groups()
            if kind == "<":
                if target.startswith("Q") and floor != QT_FLOOR and str(relative) not in QT_PROGRAMS:
                    yield f"{relative}:{number}: Qt header <{target}> outside the ui floor"
                continue
            target_floor = target.split("/", 1)[0] if "/" in target else None
            if target_floor is None or target_floor not in allowed:
                yield f"{relative}:{number}: \"{target}\" names no floor (write it as \"floor/file\")"
            elif floor is not None and target_floor not in allowed[floor]:
                yield f"{relative}:{number}: {floor} may not include \"{target}\" ({target_floor})"


def main(argv):
    if len(argv) != 3:
        print(__doc__, file=sys.stderr)
        return 2
    found = list(violations(argv[1], read_floors(argv[2])))
    for line in found:
        print(line)
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
