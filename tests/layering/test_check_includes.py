"""The include checker itself: it must pass the allowed edges and name every forbidden one."""
import pathlib
import sys
import tempfile
import unittest

sys.path.insert(0, str(pathlib.Path(__file__).parent))
import check_includes  # noqa: E402

FLOORS = pathlib.Path(__file__).parent / "floors.txt"


class CheckIncludesTest(unittest.TestCase):
    def run_on(self, files):
        with tempfile.TemporaryDirectory() as root:
            for name, text in files.items():
                path = pathlib.Path(root, name)
                path.parent.mkdir(parents=True, exist_ok=True)
                path.write_text(text)
            return list(check_includes.violations(root, check_includes.read_floors(FLOORS)))

    def test_edges_down_and_within_a_floor_pass(self):
        self.assertEqual(self.run_on({
            "engine/a.h": '#include "engine/b.h"\n#include <cmath>\n',
            "forms/f.cpp": '#include "catalog/c.h"\n#include "session/s.h"\n',
            "ui/v.cpp": '#include <QWidget>\n#include "forms/f.h"\n',
            "main.cpp": '#include <QApplication>\n#include "ui/v.h"\n',
        }), [])

    def test_climbing_and_sibling_edges_are_named_with_file_and_line(self):
        found = self.run_on({
            "engine/a.cpp": '#include "engine/a.h"\n#include "platform/clock.h"\n',
            "catalog/c.cpp": '\n\n#include "scope/port.h"\n',
            "session/s.h": '#include "forms/form1.h"\n',
        })
        self.assertEqual(found, [
            'catalog/c.cpp:3: catalog may not include "scope/port.h" (scope)',
            'engine/a.cpp:2: engine may not include "platform/clock.h" (platform)',
            'session/s.h:1: session may not include "forms/form1.h" (forms)',
        ])

    def test_qt_outside_the_views_and_unknown_folders_fail(self):
        found = self.run_on({
            "forms/f.cpp": '#include <QString>\n',
            "misc/x.cpp": '#include "engine/a.h"\n',
            "app/y.cpp": '#include "local.h"\n',
        })
        self.assertEqual(len(found), 3)
        self.assertIn("forms/f.cpp:1: Qt header <QString>", found[1])
        self.assertIn("names no floor", found[0])
        self.assertIn("'misc' is no floor", found[2])


if __name__ == "__main__":
    unittest.main()
