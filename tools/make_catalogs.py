#!/usr/bin/env python3
"""Writes TALVO's shipped catalogs from open astronomical data.

Needs Python 3.8 or later and nothing beyond its standard library.

Usage:
    tools/make_catalogs.py SOURCE_DIR OUTPUT_DIR     write the catalogs into OUTPUT_DIR
    tools/make_catalogs.py SOURCE_DIR --check DIR    compare them with the files in DIR

SOURCE_DIR holds the unmodified source files, one folder per source: openngc/ (NGC.csv,
addendum.csv), bsc5/ (bsc5.dat), iau-wgsn/ (IAU-CSN.txt, iau_proper_stars.csv), stellarium/
(quasars.json) and constellations-roman87/ (constellation_data_roman87.dat). The same sources
always give the same bytes.

Every line is 100 columns, Windows-1252, ended by CR LF: five names of 12 columns at columns 1,
13, 25, 37 and 49, the right ascension (J2000 hours, four decimals, the point in column 63), the
declination (J2000 degrees, signed, four decimals, from column 70), the catalog flag in column 88
of the first line, the visual magnitude (two decimals, truncated, the point in column 91; 99.00
when unknown) and the epoch 2000 in columns 97-100.

The five names of each kind of object (identifiers that do not fit are dropped, least wanted
first; name 5 is always the constellation's 12-character name, "UrsaMajor", "CanesVenatic"):

    deep-sky object  1 Messier number ("M42") or designation ("NGC 7009", "IC 434", "Mel 22")
                     2 designation ("NGC 1976") or common name ("Saturn Neb.")
                     3 common name, a merged duplicate ("IC 11") or a second common name
                     4 type: "Galaxy", "Galaxy Pair", "Galaxy Trio", "Galaxy Group",
                       "Open Cluster", "Globular", "Planetary", "Cl+Nebula", "HII Nebula",
                       "Emis.Nebula", "Refl.Nebula", "Nebula", "Dark Nebula", "SNR Nebula",
                       "Asterism", "Double Star", "Other"
    NGC/IC number that is no deep-sky object: as above, with type "NonExistent", "Star: single",
                       "Star: nova", "Stars: pair" or "Stars: group"
    star             1 proper name ("Mizar"), else Bayer ("Alp1 Lib", "Gam Per"), else Flamsteed
                       ("61 Cyg"), else "HR nnnn"
                     2-3 the next of: Bayer or Flamsteed name, a carbon star's variable-star
                       name ("Y CVn"), "HR 5054", the Flamsteed name beside a Bayer name, more
                       proper names, the variable-star name
                     4 "Dbl Cyg" for a double star (with its constellation's abbreviation),
                       "CarbonStar" for a carbon star, else one more identifier
    quasar           1 catalogue name ("3C 273.0") or J2000 position name ("J1229+0203")
                     2 position name or redshift  3 redshift ("z=0.158")  4 "Quasar"
    planet line      "!Planet=" and the planet number, "&^", the minimum altitude in columns
                       13-14, the minimum apparent diameter in columns 25-26 (Best of the Sky)

A Best-of object has "&^" (first pass) or "^^" (second pass) in columns 11-12 of name 1, and a
name 1 of at most 10 characters. GLOBULAR.TLV is a long-name catalog ("L"): designations in
names 1-2, "Globular" and the constellation in names 3-4, and the common name in name 5.

The order of FULL.TLV and what each auxiliary catalog holds: catalog_gen/catalogs.py; the
showpieces: catalog_gen/showpieces.py; the order rule: catalog_gen/ordering.py.
"""
import argparse
import sys
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))

from catalog_gen.catalogs import build  # noqa: E402

LF = 10


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("source_dir", type=Path)
    parser.add_argument("output_dir", type=Path, nargs="?")
    parser.add_argument("--check", type=Path, metavar="DIR", help="compare with the catalogs in DIR")
    args = parser.parse_args(argv)
    if (args.output_dir is None) == (args.check is None):
        parser.error("give either OUTPUT_DIR or --check DIR")
    files, sources = build(args.source_dir)
    if args.check:
        differ = [name for name, data in files.items()
                  if not (args.check / name).is_file() or (args.check / name).read_bytes() != data]
        for name in differ:
            print(f"{name}: differs from what the sources give", file=sys.stderr)
        return 1 if differ else 0
    args.output_dir.mkdir(parents=True, exist_ok=True)
    for name, data in files.items():
        (args.output_dir / name).write_bytes(data)
        print(f"{name}: {data.count(LF)} lines, {len(data)} bytes")
    skipped = sources.deep_sky.skipped
    print(f"left out: {len(skipped['no position'])} OpenNGC objects without a position "
          f"({' '.join(skipped['no position'])}); {skipped['merged']} duplicates merged")
    return 0


if __name__ == "__main__":
    sys.exit(main())
