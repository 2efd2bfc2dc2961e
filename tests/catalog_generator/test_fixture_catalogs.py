"""The catalogs made from the small extracts in fixtures/."""
import unittest

from support import FIXTURE_PASSES, FIXTURES, lines_of, names_of
from catalog_gen.catalogs import build
from catalog_gen.stars import CARBON_TYPE
from make_constellation_rows import NAMES

FILES, SOURCES = build(FIXTURES, FIXTURE_PASSES)
FULL = lines_of(FILES["FULL.TLV"])


def line_named(name, lines=FULL):
    """The first line carrying `name` as one of its five names."""
    return next(line for line in lines if name in names_of(line))


class EveryLine(unittest.TestCase):
    def test_lines_are_100_columns_with_flag_epoch_and_a_known_constellation(self):
        flags = {"FULL.TLV": "F", "MESSIER.TLV": "M", "DOUBLES.TLV": "D", "BRIGHT.TLV": "S",
                 "GALAXIES.TLV": "G", "OPENCLUS.TLV": "O", "GLOBULAR.TLV": "L", "PLANNEB.TLV": "P",
                 "NEBULAE.TLV": "N", "QUASARS.TLV": "Q"}
        self.assertEqual(set(FILES), set(flags))
        for name, data in FILES.items():
            lines = lines_of(data)
            self.assertEqual(lines[0][87], flags[name], name)
            for line in lines:
                self.assertEqual(len(line), 100, line)
                self.assertEqual(line[96:], "2000", line)
                self.assertEqual(line[62], ".", line)
                self.assertRegex(line[69:78], r"^-?\d\d\.\d{4} *$", line)
                self.assertRegex(line[88:96], r"^ ?-?\d{1,2}\.\d\d *$", line)
                if not line.startswith("!"):
                    self.assertTrue(set(names_of(line)) & set(NAMES.values()), line)

    def test_markers_only_in_columns_11_12_of_name_1(self):
        for line in FULL[7:]:
            self.assertNotIn("&", line[12:] + line[:10])
            self.assertNotIn("^", line[12:] + line[:10])
            if line[10:12] in ("&^", "^^"):
                self.assertEqual(line[10:12], line[10:12].strip())

    def test_auxiliary_catalogs_carry_no_markers(self):
        for name, data in FILES.items():
            if name != "FULL.TLV":
                self.assertNotIn(b"^", data, name)


class DeepSky(unittest.TestCase):
    def test_messier_objects_carry_designation_common_name_type_and_constellation(self):
        self.assertEqual(names_of(line_named("M1")), ["M1", "NGC 1952", "Crab Nebula", "SNR Nebula", "Taurus"])
        self.assertEqual(names_of(line_named("M42")), ["M42", "NGC 1976", "Orion Nebula", "Cl+Nebula", "Orion"])
        self.assertEqual(line_named("M42")[10:12], "&^")

    def test_duplicates_are_merged_into_their_master(self):
        self.assertEqual(names_of(line_named("NGC 281"))[:2], ["NGC 281", "IC 11"])
        self.assertEqual(sum("IC 11" in names_of(line) for line in FULL), 1)
        ngc4913 = names_of(line_named("NGC 4913"))
        self.assertIn("IC 843", ngc4913)
        self.assertIn("IC 4088", ngc4913)
        self.assertIn("M102", names_of(line_named("M101")))
        self.assertFalse(any(line.startswith("M102") for line in FULL))

    def test_non_objects_are_named_for_the_ignore_invalid_option(self):
        self.assertEqual(names_of(line_named("NGC 412"))[3], "NonExistent")
        self.assertEqual(names_of(line_named("IC 1"))[3], "Stars: pair")
        self.assertTrue(any(names_of(line)[3] == "Star: single" for line in FULL))
        self.assertFalse(any("IC 1064" in names_of(line) for line in FULL))  # no position
        self.assertEqual(names_of(line_named("M40"))[3], "Double Star")  # a Messier object stays valid

    def test_long_component_names_fit(self):
        self.assertIn("NGC 190NED01", names_of(line_named("NGC 190NED01")))

    def test_globulars_have_their_long_name_in_name_5(self):
        globular = lines_of(FILES["GLOBULAR.TLV"])
        self.assertEqual(len(globular), 1)
        self.assertEqual(names_of(globular[0])[:4], ["M13", "NGC 6205", "Globular", "Hercules"])
        self.assertTrue(globular[0][48:60].strip())


class Stars(unittest.TestCase):
    def test_star_names(self):
        self.assertEqual(names_of(line_named("Sirius"))[:3], ["Sirius", "Alp CMa", "HR 2491"])
        self.assertEqual(names_of(line_named("Gam Per")), ["Gam Per", "HR 915", "23 Per", "", "Perseus"])
        self.assertEqual(names_of(line_named("Alp1 Lib"))[:2], ["Alp1 Lib", "HR 5530"])
        self.assertEqual(names_of(line_named("Aldu"))[0], "Aldu")  # a newer name, diacritics dropped

    def test_doubles_and_carbon_stars(self):
        self.assertEqual(names_of(line_named("61 Cyg"))[:4], ["61 Cyg", "HR 8085", "V1803 Cyg", "Dbl Cyg"])
        self.assertNotIn("Dbl Cyg", names_of(line_named("HR 8086")))  # the companion is not listed again
        self.assertEqual(names_of(line_named("Mizar"))[3], "Dbl UMa")  # BSC gives only its close pair
        self.assertEqual(names_of(line_named("Y CVn")), ["Y CVn", "HR 4846", "", "CarbonStar", "CanesVenatic"])
        self.assertEqual(len(lines_of(FILES["DOUBLES.TLV"])), sum("Dbl " in line for line in FULL))

    def test_carbon_stars_are_the_spectral_classes_c_n_and_r(self):
        for spectral_type in ("C5II", "C6,3", "C5,5", "C7I", "C6IIe", "N0:", "R8", "C"):
            self.assertTrue(CARBON_TYPE.match(spectral_type), spectral_type)
        # S stars (zirconium oxide, not carbon) and a K giant with strong CN bands are no carbon stars.
        for spectral_type in ("S3.5/2", "S6+/1e", "K0IIICN1", "CN", "M3III", "Nova", "G8III"):
            self.assertFalse(CARBON_TYPE.match(spectral_type), spectral_type)

    def test_marked_star_shows_a_name_that_fits_beside_the_marker(self):
        self.assertEqual(line_named("Albireo")[:12], "Albireo   &^")

    def test_non_stellar_records_are_left_out(self):
        self.assertFalse(any("HR 92" in names_of(line) for line in FULL))


class Quasars(unittest.TestCase):
    def test_galaxy_nuclei_are_left_out_and_long_names_replaced(self):
        quasars = lines_of(FILES["QUASARS.TLV"])
        names = [names_of(line)[0] for line in quasars]
        self.assertEqual(names, ["3C 273.0", "J1459-1810", "J0452-2953", "HE 0502-2948", "J0000-3503"])
        self.assertEqual(names_of(quasars[0]), ["3C 273.0", "J1229+0203", "z=0.158", "Quasar", "Virgo"])


class Order(unittest.TestCase):
    def position(self, name):
        return FULL.index(line_named(name))

    def test_planets_lead_then_the_showpieces_in_the_order_they_are_offered(self):
        self.assertTrue(all(line.startswith("!Planet=") for line in FULL[:7]))
        self.assertNotIn("!Planet=00", "".join(FULL))
        self.assertLess(self.position("M42"), self.position("M31"))
        self.assertLess(self.position("M31"), self.position("Albireo"))

    def test_an_exact_identifier_comes_before_the_ones_it_begins(self):
        for short, long in (("NGC 1", "M1"), ("NGC 19", "M1"), ("NGC 195", "M1"), ("M1", "M13"),
                            ("HR 2", "Sirius"), ("HR 24", "Sirius"), ("HR 249", "Sirius")):
            self.assertLess(self.position(short), self.position(long), (short, long))


if __name__ == "__main__":
    unittest.main()
