import unittest
from decimal import Decimal

from support import lines_of
from catalog_gen.line_format import encode_lines, format_line, format_planet_line
from catalog_gen.names import ascii_text, shorten
from catalog_gen.deep_sky import designation


class LineLayout(unittest.TestCase):
    def line(self, ra="5.5879", dec="-5.3897", magnitude="4.00", names=("M42",)):
        return format_line(list(names), Decimal(ra), Decimal(dec), None if magnitude is None else Decimal(magnitude))

    def test_right_ascension_has_its_point_in_column_63(self):
        self.assertEqual(self.line(ra="9.5")[60:67], " 9.5000")
        self.assertEqual(self.line(ra="10.25")[60:67], "10.2500")
        self.assertEqual(self.line(ra="23.99999")[60:67], " 0.0000")  # rounds to 24 h: wraps
        self.assertEqual(self.line(ra="0.00005")[60:67], " 0.0001")  # halves away from zero

    def test_declination_is_signed_with_two_integer_digits_from_column_70(self):
        self.assertEqual(self.line(dec="-5.39105")[69:78], "-05.3911 ")
        self.assertEqual(self.line(dec="41.26891")[69:78], "41.2689  ")
        self.assertEqual(self.line(dec="-0.5")[69:78], "-00.5000 ")
        self.assertEqual(self.line(dec="-0.00001")[69:78], "00.0000  ")  # no "-0"
        self.assertEqual(self.line(dec="-89.99999")[69:78], "-90.0000 ")

    def test_magnitude_is_truncated_with_its_point_in_column_91(self):
        self.assertEqual(self.line(magnitude="8.479")[88:96], " 8.47   ")
        self.assertEqual(self.line(magnitude="12.1")[88:96], "12.10   ")
        self.assertEqual(self.line(magnitude="-1.46")[88:96], " -1.46  ")
        self.assertEqual(self.line(magnitude=None)[88:96], "99.00   ")

    def test_names_flag_and_epoch_stand_in_their_columns(self):
        line = format_line(["M42       &^", "NGC 1976", "Orion Nebula", "Cl+Nebula", "Orion"],
                           Decimal("5.5879"), Decimal("-5.3897"), Decimal(4), "F")
        self.assertEqual(len(line), 100)
        self.assertEqual(line[:60], "M42       &^NGC 1976    Orion NebulaCl+Nebula   Orion       ")
        self.assertEqual(line[78:88], "         F")
        self.assertEqual(line[96:], "2000")

    def test_planet_line(self):
        line = format_planet_line(5, 15, 30, "Jupiter")
        self.assertEqual(len(line), 100)
        self.assertEqual(line[:14], "!Planet=05&^15")
        self.assertEqual(line[24:26], "30")

    def test_file_is_windows_1252_with_cr_lf(self):
        data = encode_lines(["a" * 100, "b" * 100])
        self.assertEqual(len(data), 204)
        self.assertEqual(lines_of(data), ["a" * 100, "b" * 100])


class NameTexts(unittest.TestCase):
    def test_long_names_are_shortened_to_12_columns(self):
        for long, short in (("Crab Nebula", "Crab Nebula"), ("Saturn Nebula", "Saturn Neb."),
                            ("Omega Centauri", "Omega Cen"), ("Asellus Australis", "Asellus Aus."),
                            ("Great Orion Nebula", "Orion Neb."), ("Zubenelgenubi", "Zubenelgenub")):
            self.assertEqual(shorten(long), short)
            self.assertLessEqual(len(shorten(long)), 12)

    def test_names_hold_no_marker_characters_and_only_ascii(self):
        self.assertEqual(ascii_text("h & chi Persei"), "h + chi Persei")
        self.assertEqual(ascii_text("Áldu"), "Aldu")
        self.assertEqual(ascii_text("Barnard\u2019s Galaxy^"), "Barnard's Galaxy")

    def test_designations_lose_their_zero_padding(self):
        for raw, name in (("NGC0224", "NGC 224"), ("IC0080 NED01", "IC 80 NED01"),
                          ("NGC0190 NED01", "NGC 190NED01"), ("NGC0061A", "NGC 61A"),
                          ("Mel022", "Mel 22"), ("M040", "M40"), ("ESO056-115", "ESO 56-115")):
            self.assertEqual(designation(raw), name)


if __name__ == "__main__":
    unittest.main()
