"""Positions of talvo-cli make-transient against an independent propagation of the same elements.

Skyfield's Kepler orbits (its own reading of the Minor Planet Center's element formats) give the
body's heliocentric place; astropy's built-in ephemeris (ERFA's epv00) gives the Earth and the
Sun. Both work offline and are needed only here. The script prints, for each reference object,
the largest separation between TALVO's line and the reference place over the span, and fails
when it passes the object's bound.

Usage: check_orbits.py TALVO_CLI SCRATCH_DIR
"""

import math
import os
import subprocess
import sys
import warnings
from types import SimpleNamespace

from astropy.coordinates import get_body_barycentric
from astropy.time import Time
from skyfield.api import load
from skyfield.constants import GM_SUN_Pitjeva_2005_km3_s2 as GM_SUN
from skyfield.data.spice import inertial_frames
from skyfield.keplerlib import _KeplerOrbit

LIGHT_AU_PER_DAY = 173.1446326846693


def put(line, first, text):
    line = line.ljust(first - 1 + len(text))
    return line[:first - 1] + text + line[first - 1 + len(text):]


def comet_line(number, year, month, day, q, e, peri, node, incl, h, k, name):
    line = put("", 1, number)
    line = put(line, 15, "%4d %02d %7.4f" % (year, month, day))
    line = put(line, 31, "%9.6f" % q)
    line = put(line, 42, "%8.6f" % e)
    line = put(line, 52, "%8.4f  %8.4f  %8.4f" % (peri, node, incl))
    line = put(line, 92, "%4.1f %4.1f" % (h, k))
    return put(line, 103, name)


def planet_line(designation, h, g, epoch, mean, peri, node, incl, e, a, name):
    line = put("", 1, designation)
    line = put(line, 9, "%5.2f %5.2f %s" % (h, g, epoch))
    line = put(line, 27, "%9.5f" % mean)
    line = put(line, 38, "%9.5f  %9.5f  %9.5f" % (peri, node, incl))
    line = put(line, 71, "%9.7f" % e)
    line = put(line, 93, "%11.7f" % a)
    return put(line, 167, name)


class Row(SimpleNamespace):
    pass


def skyfield_orbit(row, ts):
    """Skyfield's Kepler orbit of the elements, as its Minor Planet Center reader builds it."""
    e = row.eccentricity
    if hasattr(row, "perihelion_year"):
        q = row.perihelion_distance_au
        p = 2.0 * q if e == 1.0 else q / (1.0 - e) * (1.0 - e * e)
        orbit = _KeplerOrbit._from_periapsis(
            p, e, row.inclination_degrees, row.longitude_of_ascending_node_degrees,
            row.argument_of_perihelion_degrees,
            ts.tt(row.perihelion_year, row.perihelion_month, row.perihelion_day), GM_SUN, 10, row.designation)
    else:
        def digit(c):
            return ord(c) - (48 if c.isdigit() else 55)
        packed = row.epoch_packed
        epoch = ts.tt(100 * digit(packed[0]) + int(packed[1:3]), digit(packed[3]), digit(packed[4]))
        a = row.semimajor_axis_au
        orbit = _KeplerOrbit._from_mean_anomaly(
            a * (1.0 - e * e), e, row.inclination_degrees, row.longitude_of_ascending_node_degrees,
            row.argument_of_perihelion_degrees, row.mean_anomaly_degrees, epoch, GM_SUN, 10, row.designation)
    orbit._rotation = inertial_frames["ECLIPJ2000"].T
    return orbit


# Each object: its element line, the same elements as skyfield reads them, the span, and the
# bound on the separation in arc-minutes.
OBJECTS = [
    ("periodic comet 12P", comet_line("0012P", 2024, 4, 21.1462, 0.780790, 0.954588, 199.0238, 255.8555,
                                      74.1912, 5.0, 6.0, "12P/Pons-Brooks"),
     Row(designation="12P", perihelion_year=2024, perihelion_month=4, perihelion_day=21.1462,
         perihelion_distance_au=0.780790, eccentricity=0.954588, argument_of_perihelion_degrees=199.0238,
         longitude_of_ascending_node_degrees=255.8555, inclination_degrees=74.1912),
     ["--start", "2024-03-01", "--days", "60"], 1.0),
    ("near-parabolic comet C/2023 A3", comet_line("    CK23A030", 2024, 9, 27.7391, 0.391468, 1.000118,
                                                  308.4902, 21.5597, 139.1117, 4.8, 8.0,
                                                  "C/2023 A3 (Tsuchinshan-ATLAS)"),
     Row(designation="C/2023 A3", perihelion_year=2024, perihelion_month=9, perihelion_day=27.7391,
         perihelion_distance_au=0.391468, eccentricity=1.000118, argument_of_perihelion_degrees=308.4902,
         longitude_of_ascending_node_degrees=21.5597, inclination_degrees=139.1117),
     ["--start", "2024-09-01", "--days", "60"], 1.0),
    ("main-belt asteroid Ceres", planet_line("00001", 3.34, 0.15, "K2555", 188.70269, 73.27343, 80.25221,
                                             10.58780, 0.0794013, 2.7660512, "(1) Ceres"),
     Row(designation="(1) Ceres", semimajor_axis_au=2.7660512, eccentricity=0.0794013, epoch_packed="K2555",
         inclination_degrees=10.58780, longitude_of_ascending_node_degrees=80.25221,
         argument_of_perihelion_degrees=73.27343, mean_anomaly_degrees=188.70269),
     ["--start", "2026-12-01", "--days", "60"], 1.0),
    # Apophis's orbit, its mean anomaly moved to bring it within 0.07 AU of the Earth in the span.
    # Its bound is wider: TALVO's Earth comes from the planets' mean elements, which place the
    # Earth-Moon barycentre to some 1e-4 AU; seen from 0.07 AU that is 3 to 4 arc-minutes.
    ("near-Earth asteroid", planet_line("K26X00A", 19.09, 0.24, "K2555", 156.0, 126.67, 203.96, 3.339,
                                        0.1911, 0.9224, "NEA on Apophis's orbit"),
     Row(designation="NEA", semimajor_axis_au=0.9224, eccentricity=0.1911, epoch_packed="K2555",
         inclination_degrees=3.339, longitude_of_ascending_node_degrees=203.96, argument_of_perihelion_degrees=126.67,
         mean_anomaly_degrees=156.0),
     ["--start", "2026-12-06", "--hours", "24", "--near-earth"], 5.0),
]


def reference_place(orbit, ts, year, month, day, hour, minute):
    t = ts.utc(year, month, day, hour, minute)
    earth = get_body_barycentric("earth", Time(t.tt, format="jd", scale="tt"), ephemeris="builtin")
    earth = [earth.x.to_value("AU"), earth.y.to_value("AU"), earth.z.to_value("AU")]
    light = 0.0
    for _ in range(4):
        then = ts.tt_jd(t.tt - light)
        body = orbit._at(then)[0]
        sun = get_body_barycentric("sun", Time(then.tt, format="jd", scale="tt"), ephemeris="builtin")
        seen = [body[0] + sun.x.to_value("AU") - earth[0], body[1] + sun.y.to_value("AU") - earth[1],
                body[2] + sun.z.to_value("AU") - earth[2]]
        distance = math.sqrt(sum(c * c for c in seen))
        light = distance / LIGHT_AU_PER_DAY
    ra = math.degrees(math.atan2(seen[1], seen[0])) % 360.0
    dec = math.degrees(math.atan2(seen[2], math.hypot(seen[0], seen[1])))
    return ra, dec, distance


def separation_arcmin(ra1, dec1, ra2, dec2):
    r1, d1, r2, d2 = map(math.radians, (ra1, dec1, ra2, dec2))
    c = math.sin(d1) * math.sin(d2) + math.cos(d1) * math.cos(d2) * math.cos(r1 - r2)
    return math.degrees(math.acos(max(-1.0, min(1.0, c)))) * 60.0


def moment(name, per_minute):
    if per_minute:  # MMDDHHmmYYYY
        return int(name[8:12]), int(name[0:2]), int(name[2:4]), int(name[4:6]), int(name[6:8])
    return int(name[8:12]), int(name[0:2]), int(name[2:4]), int(name[5:7]), 0  # MMDD HH YYYY


def main():
    cli, scratch = sys.argv[1], sys.argv[2]
    os.makedirs(scratch, exist_ok=True)
    warnings.simplefilter("ignore")  # ERFA calls the leap seconds of dates ahead "dubious"
    ts = load.timescale(builtin=True)
    failures = 0
    for label, element_line, row, span, bound in OBJECTS:
        elements = os.path.join(scratch, "elements.txt")
        catalog = os.path.join(scratch, "object.TLV")
        with open(elements, "w") as f:
            f.write(element_line + "\n")
        subprocess.run([cli, "make-transient", "--elements", elements, "--out", catalog] + span, check=True,
                       stdout=subprocess.DEVNULL)
        with open(catalog) as f:
            lines = f.read().splitlines()
        per_minute = lines[0][87] == "t"
        orbit = skyfield_orbit(row, ts)
        worst = 0.0
        nearest = float("inf")
        for line in lines[::max(1, len(lines) // 60)]:
            ra, dec, distance = reference_place(orbit, ts, *moment(line[0:12], per_minute))
            worst = max(worst, separation_arcmin(float(line[60:69]) * 15.0, float(line[69:78]), ra, dec))
            nearest = min(nearest, distance)
        print("%-32s %5d lines, %.3f AU or more from the Earth: largest separation %.3f' (bound %.1f')"
              % (label, len(lines), nearest, worst, bound))
        failures += worst > bound
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
