"""The committed catalogs are exactly what the generator makes from the source data.

The source data is found through TALVO_SOURCE_DATA, else in shared/data beside the repository;
without it the test is skipped.
"""
import os
import unittest
from pathlib import Path

from support import REPO_ROOT
from catalog_gen.catalogs import build

SOURCE = Path(os.environ.get("TALVO_SOURCE_DATA", REPO_ROOT.parent / "shared" / "data"))


@unittest.skipUnless((SOURCE / "openngc" / "NGC.csv").is_file(), f"no source data in {SOURCE}")
class ShippedCatalogs(unittest.TestCase):
    def test_regenerating_gives_the_committed_bytes(self):
        files, _ = build(SOURCE)
        for name, data in files.items():
            with self.subTest(catalog=name):
                self.assertEqual((REPO_ROOT / "data" / name).read_bytes(), data)
        self.assertEqual(sorted(p.name for p in (REPO_ROOT / "data").glob("*.TLV")), sorted(files))


if __name__ == "__main__":
    unittest.main()
