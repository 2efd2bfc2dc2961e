"""One catalog line: 100 columns, names at columns 1, 13, 25, 37 and 49, the position, the flag,
the magnitude and the epoch, as the program's catalog writer lays them out.

Numbers are Decimal values so that the same sources always give the same bytes.
"""
from decimal import ROUND_DOWN, ROUND_HALF_UP, Decimal

LINE_LENGTH = 100
NAME_WIDTH = 12
NAME_COLUMNS = (1, 13, 25, 37, 49)
NO_MAGNITUDE = Decimal(99)
EPOCH = "2000"
LINE_END = "\r\n"
ENCODING = "cp1252"


def put(line, column, text):
    """Writes `text` into the list of characters `line` from 1-based `column`."""
    for i, ch in enumerate(text):
        line[column - 1 + i] = ch


def round4(value):
    """Four decimals, halves away from zero (as the program's own formatting rounds)."""
    return Decimal(value).quantize(Decimal("0.0001"), rounding=ROUND_HALF_UP)


def format_ra(hours):
    """Right ascension text and its start column: "9.5000" from column 62, "10.2500" from 61."""
    value = round4(hours)
    if value >= 24:
        value -= 24
    if value < 0:
        value += 24
    text = f"{value:.4f}"
    return (61, text) if value >= 10 else (62, text)


def format_dec(degrees):
    """Declination text from column 70: "41.2689", "-05.3911" (at least two integer digits)."""
    value = round4(degrees)
    sign = "-" if value < 0 else ""
    return sign + f"{abs(value):07.4f}"


def format_magnitude(magnitude):
    """Magnitude text and its start column: truncated to hundredths, the point in column 91."""
    value = NO_MAGNITUDE if magnitude is None else Decimal(magnitude)
    value = value.quantize(Decimal("0.01"), rounding=ROUND_DOWN)
    if value >= 10:
        return 89, f"{value:05.2f}"
    return 90, f"{value:.2f}"


def fit_name(name):
    """A name cut or padded to its 12 columns."""
    return name[:NAME_WIDTH].ljust(NAME_WIDTH)


def format_line(names, ra_hours, dec_degrees, magnitude, flag=" "):
    """The 100 characters of one object line (without the line end)."""
    if len(names) > 5:
        raise ValueError(f"more than five names: {names}")
    line = [" "] * LINE_LENGTH
    for column, name in zip(NAME_COLUMNS, names):
        put(line, column, fit_name(name))
    put(line, *format_ra(ra_hours))
    put(line, 70, format_dec(dec_degrees))
    put(line, 88, flag)
    put(line, *format_magnitude(magnitude))
    put(line, 97, EPOCH)
    return "".join(line)


def format_planet_line(number, min_altitude, min_diameter, name, flag=" "):
    """A planet line for Best of the Sky: "!Planet=" and the planet number, the first-pass marker
    "&^" in columns 11-12, the minimum altitude (degrees) in columns 13-14 and the minimum
    apparent diameter (arcseconds) in columns 25-26. Name 4 holds the planet's name for the
    reader's eye only: lines starting "!" never match an ordinary search."""
    line = [" "] * LINE_LENGTH
    put(line, 1, f"!Planet={number:02d}&^")
    put(line, 13, f"{min_altitude:02d}")
    put(line, 25, f"{min_diameter:02d}")
    put(line, 37, fit_name(name))
    put(line, *format_ra(0))
    put(line, 70, format_dec(0))
    put(line, 88, flag)
    put(line, *format_magnitude(0))
    put(line, 97, EPOCH)
    return "".join(line)


def encode_lines(lines):
    """The file's bytes: Windows-1252, every line ended by CR LF."""
    return "".join(line + LINE_END for line in lines).encode(ENCODING)
