"""Stars of the Bright Star Catalogue (5th revised ed.), named from the IAU Catalog of Star Names.

Identifiers, most wanted first: the IAU proper name ("Mizar"), the Bayer name with its
superscript digit in three-letter form ("Alp1 Lib", "Zet UMa") or, without one, the Flamsteed
name ("61 Cyg"), for a carbon star its variable-star name ("Y CVn"), "HR nnnn", the Flamsteed
name beside a Bayer name, further proper names, the variable-star name. Name 4 is "Dbl" and the
constellation abbreviation for a double star ("Dbl Cyg": it matches the wizard's "Dbl" and its
"*Cyg " alike), "CarbonStar" for a carbon star, and otherwise one more identifier; name 5 is the
constellation.

A double star is a primary (no component letter, or component A) whose BSC pair is 1.5 to 60
arcseconds wide with a companion at most 5 magnitudes fainter and no fainter than 10.5, or a
showpiece double named in showpieces.py. A carbon star has a C or N spectral type.
"""
import csv
import re
from decimal import Decimal, InvalidOperation

from .entry import Entry
from .names import ascii_text, shorten
from .sky import compact_hms

CARBON_TYPE = re.compile(r"^(C|N|R)(\d|:|,|\.|$)")
DOUBLE_SEPARATION = (Decimal("1.5"), Decimal("60"))
DOUBLE_MAX_DELTA = Decimal("5")
DOUBLE_FAINTEST_COMPANION = Decimal("10.5")


def number(text):
    try:
        return Decimal(text.strip()) if text.strip() else None
    except InvalidOperation:
        return None


def field(line, first, last):
    """Columns first..last (1-based, inclusive) of a fixed-width record."""
    return line[first - 1:last]


class BscStar:
    def __init__(self, line):
        line = line.ljust(197)
        self.hr = int(field(line, 1, 4))
        self.flamsteed = field(line, 5, 7).strip()
        self.bayer = field(line, 8, 10).strip()
        self.superscript = field(line, 11, 11).strip()
        self.constellation = field(line, 12, 14).strip()
        self.hd = field(line, 26, 31).strip()
        self.ads_component = field(line, 50, 51).strip()
        self.variable = re.sub(r"\s+", " ", field(line, 52, 60).strip())
        self.position = field(line, 76, 90).strip()
        self.magnitude = number(field(line, 103, 107))
        self.spectral_type = field(line, 128, 147).strip()
        self.delta_magnitude = number(field(line, 181, 184))
        self.separation = number(field(line, 185, 190))
        if self.position:
            self.ra, self.dec = compact_hms(field(line, 76, 83), field(line, 84, 90))

    @property
    def usable(self):
        """The 14 records of novae, clusters and galaxies keep only their number."""
        return bool(self.position) and self.magnitude is not None

    def bayer_name(self):
        return f"{self.bayer}{self.superscript} {self.constellation}" if self.bayer else ""

    def flamsteed_name(self):
        return f"{int(self.flamsteed)} {self.constellation}" if self.flamsteed else ""

    def variable_name(self):
        """Variable-star names of the usual form ("Y CVn", "V1803 Cyg"), not plain numbers."""
        return self.variable if re.fullmatch(r"[A-Z]{1,2} [A-Z][A-Za-z]{2}|V\d+ [A-Z][A-Za-z]{2}", self.variable) else ""

    def is_carbon(self):
        return bool(CARBON_TYPE.match(self.spectral_type))

    def is_double(self):
        if self.ads_component and not self.ads_component.startswith("A"):
            return False
        if self.separation is None or self.delta_magnitude is None:
            return False
        low, high = DOUBLE_SEPARATION
        return (low <= self.separation <= high and self.delta_magnitude <= DOUBLE_MAX_DELTA
                and self.magnitude + self.delta_magnitude <= DOUBLE_FAINTEST_COMPANION)


def read_bsc(path):
    return [BscStar(line) for line in path.read_text(encoding="ascii").splitlines() if line.strip()]


def read_proper_names(iau_dir, stars):
    """HR number -> proper names (ASCII), from IAU-CSN.txt joined by HR or HD, then the newer
    names of the current WGSN list joined by HR."""
    by_hd = {star.hd: star.hr for star in stars if star.hd}
    names = {}

    def add(hr, name):
        name = ascii_text(name)
        known = [n.upper() for n in names.get(hr, [])]
        if name and name.upper() not in known:
            names.setdefault(hr, []).append(name)

    for line in (iau_dir / "IAU-CSN.txt").read_text(encoding="utf-8").splitlines():
        if not line.strip() or line[0] in "#$":
            continue
        name, designation, hd = line[0:18].strip(), line[36:49].strip(), line[96:103].strip()
        match = re.fullmatch(r"HR (\d+)", designation)
        if match:
            add(int(match.group(1)), name)
        elif hd not in ("", "_") and hd in by_hd:
            add(by_hd[hd], name)
    with (iau_dir / "iau_proper_stars.csv").open(encoding="utf-8", newline="") as handle:
        for row in csv.DictReader(handle):
            match = re.fullmatch(r"HR (\d+)", row["Designation"].strip())
            if match:
                add(int(match.group(1)), row["Proper Names"])
    return names


def star_entries(stars, proper_names, finder, showpiece_doubles=()):
    """One entry per usable star. `showpiece_doubles` are keys ("HR 5054") marked double
    whatever their BSC pair says (the BSC gives one pair per star, not always the visual one)."""
    entries = []
    for star in stars:
        if not star.usable:
            continue
        key = f"HR {star.hr}"
        abbreviation = finder.abbreviation(star.ra, star.dec)
        proper = [shorten(name) for name in proper_names.get(star.hr, [])]
        bayer, flamsteed = star.bayer_name(), star.flamsteed_name()
        carbon = star.is_carbon()
        variable = star.variable_name()
        ids = proper[:1] + [bayer or flamsteed] + ([variable] if carbon else []) + [key]
        ids += ([flamsteed] if bayer else []) + proper[1:] + [variable]
        entry = Entry(key=key, kind="star", ids=ids, type_name=None,
                      constellation=finder.name(star.ra, star.dec), ra=star.ra, dec=star.dec,
                      magnitude=star.magnitude)
        if carbon:
            entry.tags.add("carbon")
            entry.type_name = "CarbonStar"
        elif star.is_double() or key in showpiece_doubles:
            entry.tags.add("double")
            entry.type_name = f"Dbl {abbreviation}"
        entries.append(entry)
    return entries
