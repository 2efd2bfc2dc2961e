// The main window running a script: a scratch folder as the program's folder with MESSIER.TLV
// (M42, M31, M1) in it, the clock at 2026-12-06 21:30:00 five hours west of UTC at 40.5 N
// 74.25 W, and the observing log read back.
#pragma once

#include <string>
#include <vector>

#include "catalog/catalog_fixture.h"
#include "support/main_window_fixture.h"

namespace talvo::testing {

class ScriptTest : public MainWindowTest {
protected:
    ScriptTest() {
        state.appDir = dir.path();
        WriteCatalog(dir.File("MESSIER.TLV"), {CatalogLine({"M42", "NGC 1976"}, 5.5881, -5.3911, 4.0),
                                               CatalogLine({"M31", "NGC 224"}, 0.7123, 41.2689, 3.4),
                                               CatalogLine({"M1", "NGC 1952"}, 5.5755, 22.0145, 8.4)});
        form.Form_Load();
    }

    // Runs ticks until the script asks to end the process (at most `ticks`); its exit code, or -1.
    int RunScript(const std::vector<std::string>& commands, int ticks = 60) {
        form.script.Start(commands);
        return Ticks(ticks);
    }

    int Ticks(int ticks) {
        for (int tick = 0; tick < ticks; ++tick) {
            form.Timer1_Timer();
            if (form.script.ExitRequested()) return *form.script.ExitRequested();
        }
        return -1;
    }

    // The log's lines without their CR LF.
    std::vector<std::string> LogLines() const { return CrLfLines(ReadFile(dir.File("TALVOLOG.TXT"))); }

    std::string LastLine() const {
        const std::vector<std::string> lines = LogLines();
        return lines.empty() ? std::string() : lines.back();
    }

    TempDir dir;
};

}  // namespace talvo::testing
