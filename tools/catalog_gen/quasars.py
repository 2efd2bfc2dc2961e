"""The brightest quasars, from a compilation of Veron-Cetty & Veron (2010), 13th ed.

Galaxy nuclei are left out: an object must be as luminous as a quasar (absolute magnitude
-23 or brighter), far enough that the nucleus outshines its galaxy (redshift 0.06 or more), not
of a Seyfert-2, LINER, intermediate or unspecified Seyfert class, and not named after a galaxy
catalogue. Of those the COUNT brightest are kept.

Identifiers: the catalogue name when it fits 12 columns, else its J2000 position name
("J1229+0203", hours and minutes, degrees and arcminutes, truncated); the position name beside
a catalogue name; the redshift ("z=0.158"). Name 4 is "Quasar", name 5 the constellation.
"""
import json
from decimal import Decimal

from .entry import Entry
from .names import WIDTH, ascii_text
from .sky import sexagesimal

COUNT = 300
MAX_ABSOLUTE_MAGNITUDE = Decimal("-23")
MIN_REDSHIFT = Decimal("0.06")
NUCLEUS_CLASSES = {"S", "S?", "S2", "S3", "S1.8", "S1.9", "S1i"}
GALAXY_CATALOGUES = ("NGC", "IC ", "UGC", "MCG", "ESO", "MARK", "MRK", "NPM1G", "PGC")


def position_name(ra_text, dec_text):
    """ "12h29m06.7s", "+02d03m08s" -> "J1229+0203"."""
    hours, minutes = ra_text[0:2], ra_text[3:5]
    sign, degrees, arcminutes = dec_text[0], dec_text[1:3], dec_text[4:6]
    return f"J{hours}{minutes}{sign}{degrees}{arcminutes}"


def is_quasar(name, record):
    absolute, redshift = record.get("Amag"), record.get("z")
    if absolute is None or redshift is None:
        return False
    return (Decimal(str(absolute)) <= MAX_ABSOLUTE_MAGNITUDE and Decimal(str(redshift)) >= MIN_REDSHIFT
            and record.get("sclass") not in NUCLEUS_CLASSES and not name.upper().startswith(GALAXY_CATALOGUES))


def quasar_entries(path, finder, count=COUNT):
    records = json.loads(path.read_text(encoding="utf-8"))["quasars"]
    chosen = sorted(((Decimal(str(r["Vmag"])), name) for name, r in records.items() if is_quasar(name, r)))[:count]
    entries = []
    for magnitude, name in chosen:
        record = records[name]
        ra = sexagesimal(record["RA"].rstrip("s"), "hm")
        dec = sexagesimal(record["DE"].rstrip("s"), "dm")
        jname = position_name(record["RA"], record["DE"])
        short = ascii_text(name)
        ids = ([short] if len(short) <= WIDTH else []) + [jname, f"z={Decimal(str(record['z'])):.3f}"]
        entries.append(Entry(key=ids[0], kind="quasar", ids=ids, type_name="Quasar",
                             constellation=finder.name(ra, dec), ra=ra, dec=dec, magnitude=magnitude))
    return entries
