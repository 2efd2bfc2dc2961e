"""Puts the generator (tools/) on the import path; where the fixtures and the repository are."""
import sys
from pathlib import Path

REPO_ROOT = Path(__file__).resolve().parents[2]
FIXTURES = Path(__file__).resolve().parent / "fixtures"
sys.path.insert(0, str(REPO_ROOT / "tools"))

# Showpieces among the fixture objects: (first pass, second pass, doubles).
FIXTURE_PASSES = ("M42 M31 M1 Albireo Mizar NGC7009 YCVn", "IC434 61Cyg", "Mizar Albireo")


def lines_of(data):
    """The lines of a catalog file's bytes, checking that each one ends with CR LF."""
    assert data.endswith(b"\r\n"), "the last line has no CR LF"
    lines = data.decode("cp1252").split("\r\n")[:-1]
    assert not any("\n" in line or "\r" in line for line in lines), "a line end other than CR LF"
    return lines


def names_of(line):
    """The five names, without the Best-of marker of name 1."""
    first = line[:10] if line[10:12] in ("&^", "^^") else line[:12]
    return [first.strip()] + [line[c:c + 12].strip() for c in (12, 24, 36, 48)]
