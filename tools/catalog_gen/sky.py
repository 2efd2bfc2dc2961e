"""Positions: sexagesimal texts to decimal values, and the constellation of a J2000 position
from Roman (1987)'s boundary table for the equinox B1875.0."""
import math
from decimal import Decimal

from make_constellation_rows import NAMES as CONSTELLATION_NAMES  # abbreviation -> 12-char name

JD_J2000 = 2451545.0
JD_B1875 = 2405889.258550475
ARCSEC = math.pi / (180.0 * 3600.0)


def sexagesimal(text, separators=":"):
    """ "05:35:16.48" or "-02:27:13.6" (or with other separators) to a signed Decimal."""
    text = text.strip()
    for sep in separators:
        text = text.replace(sep, " ")
    sign = -1 if text.startswith("-") else 1
    parts = text.lstrip("+-").split()
    value = Decimal(0)
    for index, part in enumerate(parts):
        value += Decimal(part) / (Decimal(60) ** index)
    return sign * value


def compact_hms(hms, dms):
    """BSC5 positions "hhmmss.s" and "+ddmmss" to (hours, degrees)."""
    ra = Decimal(hms[0:2]) + Decimal(hms[2:4]) / 60 + Decimal(hms[4:]) / 3600
    sign = -1 if dms[0] == "-" else 1
    dec = Decimal(dms[1:3]) + Decimal(dms[3:5]) / 60 + Decimal(dms[5:7]) / 3600
    return ra, sign * dec


def precess_from_j2000(ra_hours, dec_degrees, jd_to):
    """IAU 1976 precession of a J2000 position to the mean equinox of `jd_to`."""
    t = (jd_to - JD_J2000) / 36525.0
    zeta = (2306.2181 * t + 0.30188 * t * t + 0.017998 * t ** 3) * ARCSEC
    z = (2306.2181 * t + 1.09468 * t * t + 0.018203 * t ** 3) * ARCSEC
    theta = (2004.3109 * t - 0.42665 * t * t - 0.041833 * t ** 3) * ARCSEC
    ra = math.radians(float(ra_hours) * 15.0)
    dec = math.radians(float(dec_degrees))
    a = math.cos(dec) * math.sin(ra + zeta)
    b = math.cos(theta) * math.cos(dec) * math.cos(ra + zeta) - math.sin(theta) * math.sin(dec)
    c = math.sin(theta) * math.cos(dec) * math.cos(ra + zeta) + math.cos(theta) * math.sin(dec)
    ra_to = (math.degrees(math.atan2(a, b) + z) / 15.0) % 24.0
    dec_to = math.degrees(math.asin(max(-1.0, min(1.0, c))))
    return ra_to, dec_to


class ConstellationFinder:
    """The constellation of a J2000 position: precessed to B1875.0, the first row of the table
    (ordered by descending lower declination) with dec >= lower dec and RA inside the row."""

    def __init__(self, table_path):
        self.rows = []
        for line in table_path.read_text(encoding="utf-8").splitlines():
            if not line.strip() or line.startswith("#"):
                continue
            ra_low, ra_high, dec_low, abbreviation = line.split()[:4]
            self.rows.append((float(ra_low), float(ra_high), float(dec_low), abbreviation))

    def abbreviation(self, ra_hours, dec_degrees):
        ra, dec = precess_from_j2000(ra_hours, dec_degrees, JD_B1875)
        for ra_low, ra_high, dec_low, abbreviation in self.rows:
            if dec >= dec_low and ra_low <= ra < ra_high:
                return abbreviation
        raise ValueError(f"no constellation for {ra_hours} {dec_degrees}")

    def name(self, ra_hours, dec_degrees):
        return CONSTELLATION_NAMES[self.abbreviation(ra_hours, dec_degrees)]
