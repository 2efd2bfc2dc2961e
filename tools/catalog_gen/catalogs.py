"""Which objects go into which catalog, in which order, and the files' bytes.

FULL.TLV ("F") holds the planet lines (Best of the Sky only), then every object: the first-pass
showpieces in the order they are offered, the second-pass showpieces, the stars with a proper
name (brightest first), the deep-sky objects (brightest first, unknown magnitudes last), the
other stars (brightest first), the quasars, and last the NGC/IC numbers that are no deep-sky
object. The auxiliary catalogs hold one kind each, Messier objects first, then by brightness,
without Best-of markers (only a full catalog offers Best of the Sky).
"""
from decimal import Decimal

from . import showpieces
from .deep_sky import DeepSkyReader
from .entry import Entry
from .line_format import NO_MAGNITUDE, encode_lines, format_line, format_planet_line
from .names import WIDTH, compressed
from .ordering import order
from .quasars import quasar_entries
from .sky import ConstellationFinder
from .stars import read_bsc, read_proper_names, star_entries

DEEP_SKY_KINDS = ("galaxy", "open", "globular", "planetary", "nebula", "other")


def brightness(entry):
    return entry.magnitude if entry.magnitude is not None else NO_MAGNITUDE


class Sources:
    """Every object read from the source folder, with the showpieces marked."""

    def __init__(self, source_dir, passes=None):
        """`passes`: (first pass, second pass, showpiece doubles) as in showpieces.py."""
        self.finder = ConstellationFinder(source_dir / "constellations-roman87" / "constellation_data_roman87.dat")
        self.deep_sky = DeepSkyReader(source_dir, self.finder)
        stars = read_bsc(source_dir / "bsc5" / "bsc5.dat")
        self.proper_names = read_proper_names(source_dir / "iau-wgsn", stars)
        self.stars = star_entries(stars, self.proper_names, self.finder)
        self.quasars = quasar_entries(source_dir / "stellarium" / "quasars.json", self.finder)
        self.entries = self.deep_sky.entries + self.stars + self.quasars
        self._mark_showpieces(*(passes or (showpieces.FIRST_PASS, showpieces.SECOND_PASS,
                                            showpieces.SHOWPIECE_DOUBLES)))

    def _mark_showpieces(self, first_pass, second_pass, doubles):
        index = {}
        for entry in self.entries:
            for name in entry.ids:
                index.setdefault(compressed(name), entry)
        for entry in showpieces.resolve(doubles, index):
            if entry.kind != "star" or "carbon" in entry.tags:
                raise ValueError(f"showpiece double {entry.key} is not a plain star")
            entry.tags.add("double")
            entry.type_name = "Dbl " + self.finder.abbreviation(entry.ra, entry.dec)
        self.rank = {}
        for marker, block in (("&^", first_pass), ("^^", second_pass)):
            for entry in showpieces.resolve(block, index):
                if entry.marker:
                    raise ValueError(f"showpiece {entry.key} named twice")
                entry.marker = marker
                self.rank[id(entry)] = len(self.rank)


def full_preference(sources):
    def preference(entry):
        if entry.marker:
            return (0, Decimal(sources.rank[id(entry)]), "")
        if entry.kind == "star" and sources.proper_names.get(int(entry.key[3:])):
            return (1, brightness(entry), "")
        if entry.kind in DEEP_SKY_KINDS:
            return (2, brightness(entry), "")
        if entry.kind == "star":
            return (3, brightness(entry), "")
        if entry.kind == "quasar":
            return (4, brightness(entry), "")
        return (5, Decimal(0), "")
    return preference


def auxiliary_preference(entry):
    if entry.messier is not None:
        return (0, Decimal(entry.messier))
    return (1, brightness(entry))


def full_lines(sources):
    planets = [format_planet_line(number, altitude, diameter, name)
               for number, name, altitude, diameter in showpieces.PLANETS]
    objects = [entry.line() for entry in order(sources.entries, full_preference(sources))]
    return with_flag(planets + objects, "F")


def long_name_line(entry):
    """A globular of the long-name catalog: designations in names 1-2, "Globular" and the
    constellation in names 3-4, and in name 5, the window a long-name search reads, its common
    name or else its designation. Name 5 stays within its 12 columns: the right ascension
    follows in column 61."""
    designations = [name for name in entry.ids if name not in entry.common]
    long_name = entry.common[0] if entry.common else designations[0]
    names = (designations + [""])[:2] + ["Globular", entry.constellation, long_name[:WIDTH]]
    return format_line(names, entry.ra, entry.dec, entry.magnitude)


AUXILIARY = (
    ("MESSIER.TLV", "M", lambda e: e.messier is not None),
    ("DOUBLES.TLV", "D", lambda e: "double" in e.tags),
    ("BRIGHT.TLV", "S", lambda e: e.kind == "star"),
    ("GALAXIES.TLV", "G", lambda e: e.kind == "galaxy"),
    ("OPENCLUS.TLV", "O", lambda e: e.kind == "open" or "open" in e.tags),
    ("GLOBULAR.TLV", "L", lambda e: e.kind == "globular"),
    ("PLANNEB.TLV", "P", lambda e: e.kind == "planetary"),
    ("NEBULAE.TLV", "N", lambda e: e.kind == "nebula"),
    ("QUASARS.TLV", "Q", lambda e: e.kind == "quasar"),
)


def auxiliary_lines(sources, wanted, long_names=False):
    chosen = order([e for e in sources.entries if wanted(e)], auxiliary_preference)
    if long_names:
        return [long_name_line(entry) for entry in chosen]
    return [entry.line(marked=False) for entry in chosen]


def with_flag(lines, flag):
    """The catalog flag goes into column 88 of the first line."""
    first = lines[0]
    return [first[:87] + flag + first[88:]] + lines[1:]


def build(source_dir, passes=None):
    """File name -> bytes of every catalog, and the sources they were made from."""
    sources = Sources(source_dir, passes)
    files = {"FULL.TLV": encode_lines(full_lines(sources))}
    for name, flag, wanted in AUXILIARY:
        files[name] = encode_lines(with_flag(auxiliary_lines(sources, wanted, flag == "L"), flag))
    return files, sources
