"""Deep-sky objects from OpenNGC (NGC.csv and addendum.csv): one entry per real object, the
rows of type "Dup" merged into their master object, Messier numbers and common names attached.

Identifiers, most wanted first: the Messier number ("M42"), the object's own designation
("NGC 1976", "IC 434", "Mel 22"), its first common name, a merged Messier number, the
designations merged into it, its other common names. Name 4 is the type name, name 5 the
constellation.
"""
import csv
import re
from decimal import Decimal

from .entry import Entry, unique
from .names import WIDTH, ascii_text, shorten
from .sky import CONSTELLATION_NAMES, sexagesimal

# OpenNGC type -> (kind, type name). Kinds choose the auxiliary catalogs.
TYPES = {
    "G": ("galaxy", "Galaxy"),
    "GPair": ("galaxy", "Galaxy Pair"),
    "GTrpl": ("galaxy", "Galaxy Trio"),
    "GGroup": ("galaxy", "Galaxy Group"),
    "OCl": ("open", "Open Cluster"),
    "GCl": ("globular", "Globular"),
    "PN": ("planetary", "Planetary"),
    "Cl+N": ("nebula", "Cl+Nebula"),
    "HII": ("nebula", "HII Nebula"),
    "EmN": ("nebula", "Emis.Nebula"),
    "RfN": ("nebula", "Refl.Nebula"),
    "Neb": ("nebula", "Nebula"),
    "DrkN": ("nebula", "Dark Nebula"),
    "SNR": ("nebula", "SNR Nebula"),
    "Other": ("other", "Other"),
    # Stars: catalogued objects outside the NGC/IC (M40, M73, asterisms of the addendum).
    "*": ("other", "Star"),
    "**": ("other", "Double Star"),
    "*Ass": ("other", "Asterism"),
    "Nova": ("other", "Nova"),
}

# NGC/IC numbers that are no deep-sky object: names the "Ignore Invalid Catalog Entries" option
# recognises ("NONEXISTENT", "STAR:", "STARS:" after compression).
INVALID = {
    "NonEx": "NonExistent",
    "*": "Star: single",
    "Nova": "Star: nova",
    "**": "Stars: pair",
    "*Ass": "Stars: group",
}

NAME_PATTERN = re.compile(r"^([A-Za-z]+)0*(\d.*)$")


def designation(raw):
    """ "NGC0224" -> "NGC 224", "IC0080 NED01" -> "IC 80 NED01", "NGC0190 NED01" ->
    "NGC 190NED01", "Mel022" -> "Mel 22", "M040" -> "M40" (zero padding dropped)."""
    match = NAME_PATTERN.match(raw.strip())
    if not match:
        return raw.strip()
    prefix, rest = match.groups()
    if prefix == "M":
        return "M" + str(int(rest))
    text = f"{prefix} {rest}"
    if len(text) > 12:
        text = f"{prefix} {rest.replace(' ', '')}"
    if len(text) > 12:
        text = f"{prefix}{rest.replace(' ', '')}"
    return text


def catalog_number(raw, catalog):
    """The designation an NGC or IC cross-reference column points to ("0281" -> "NGC0281")."""
    return f"{catalog}{raw.strip()}" if raw.strip() else None


def read_rows(path):
    with path.open(encoding="utf-8", newline="") as handle:
        return list(csv.DictReader(handle, delimiter=";"))


def magnitude(row):
    for column in ("V-Mag", "B-Mag"):
        if row.get(column, "").strip():
            return Decimal(row[column].strip())
    return None


def constellation(row, finder, ra, dec):
    abbreviation = {"Se1": "Ser", "Se2": "Ser"}.get(row["Const"], row["Const"])
    if abbreviation in CONSTELLATION_NAMES:
        return CONSTELLATION_NAMES[abbreviation]
    return finder.name(ra, dec)


def common_names(row):
    """Common names, those that fit 12 columns as they are first, the others shortened."""
    names = [ascii_text(name) for name in row.get("Common names", "").split(",")]
    names = [name for name in names if 0 < len(name) <= WIDTH] + [name for name in names if len(name) > WIDTH]
    return unique([shorten(name) for name in names])


class DeepSkyReader:
    """Reads both OpenNGC files; `entries` are the real objects, `skipped` counts what was left out."""

    def __init__(self, source_dir, finder):
        self.finder = finder
        ngc = read_rows(source_dir / "openngc" / "NGC.csv")
        addendum = read_rows(source_dir / "openngc" / "addendum.csv")
        for row in ngc:
            row["_ngcic"] = True
        for row in addendum:
            row["_ngcic"] = False
        self.rows = ngc + addendum
        self.by_name = {row["Name"]: row for row in self.rows}
        self.skipped = {"no position": [], "merged": 0}
        self.entries = self._entries()

    def _master(self, row):
        """The row a "Dup" row duplicates: its NGC or IC reference, or its Messier number."""
        seen = set()
        while row["Type"] == "Dup" and row["Name"] not in seen:
            seen.add(row["Name"])
            targets = [catalog_number(row["NGC"], "NGC"), catalog_number(row["IC"], "IC")]
            targets = [self.by_name.get(t) for t in targets if t]
            if not targets and row["M"].strip():
                targets = [r for r in self.rows if r["M"].strip() == row["M"].strip() and r["Type"] != "Dup"]
            targets = [t for t in targets if t is not None]
            if not targets:
                return None
            real = [t for t in targets if t["Type"] != "Dup"]
            row = (real or targets)[0]
        return row if row["Type"] != "Dup" else None

    def _entries(self):
        merged = {}  # master name -> [extra designations], in file order
        for row in self.rows:
            if row["Type"] != "Dup":
                for column, catalog in (("NGC", "NGC"), ("IC", "IC")):
                    other = catalog_number(row[column], catalog)
                    if other and other in self.by_name and self.by_name[other]["Type"] == "Dup":
                        merged.setdefault(row["Name"], []).append(designation(other))
                continue
            master = self._master(row)
            if master is None:
                raise ValueError(f"OpenNGC row {row['Name']}: duplicate of nothing")
            merged.setdefault(master["Name"], []).append(designation(row["Name"]))
            self.skipped["merged"] += 1
        entries = []
        for row in self.rows:
            if row["Type"] == "Dup":
                continue
            if not row["RA"].strip() or not row["Dec"].strip():
                self.skipped["no position"].append(designation(row["Name"]))
                continue
            entries.append(self._entry(row, merged.get(row["Name"], [])))
        return entries

    def _entry(self, row, extra):
        ra, dec = sexagesimal(row["RA"]), sexagesimal(row["Dec"])
        messier = int(row["M"]) if row["M"].strip() else None
        own = designation(row["Name"])
        commons = common_names(row)
        extra_messier = [name for name in extra if re.fullmatch(r"M\d+", name)]
        extra_other = [name for name in extra if name not in extra_messier]
        ids = ([f"M{messier}"] if messier else []) + [own] + commons[:1] + extra_messier + extra_other + commons[1:]
        kind, type_name = TYPES.get(row["Type"], ("invalid", INVALID.get(row["Type"])))
        if row["Type"] == "NonEx" or (row["_ngcic"] and messier is None and row["Type"] in INVALID):
            kind, type_name = "invalid", INVALID[row["Type"]]
        entry = Entry(
            key=f"M{messier}" if messier else own,
            kind=kind,
            ids=ids,
            type_name=type_name,
            constellation=constellation(row, self.finder, ra, dec),
            ra=ra,
            dec=dec,
            magnitude=magnitude(row),
            messier=messier,
            common=commons,
        )
        if row["Type"] == "Cl+N":
            entry.tags.add("open")
        return entry
