// The catalogs installed beside the program (TALVO_BIN_DIR), and an unattended session searching
// them from 40 N 75 W on 2026-12-15 at 22:00, five hours behind UT.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>

#include "app/cli_options.h"
#include "app/cli_session.h"
#include "app/console_dialogs.h"
#include "app/session_state.h"
#include "catalog/catalog_file.h"
#include "catalog/main_window_hooks.h"
#include "catalog/search_engine.h"
#include "catalog/searching_window.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"

namespace talvo::testing {

inline std::string ProgramFolder() {
    const char* folder = std::getenv("TALVO_BIN_DIR");
    return folder ? std::string(folder) + "/" : std::string();
}

// The session, the engine and a scratch folder for the matches file.
class CatalogSession {
public:
    explicit CatalogSession(const std::string& catalog = "FULL.TLV") : dialogs_(messages_) {
        std::string pattern = (std::filesystem::temp_directory_path() / "talvo-shipped-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) scratch_ = pattern + "/";
        CliOptions options;
        options.latitudeDegrees = 40.0;
        options.longitudeDegrees = 75.0;
        options.utcOffsetHours = 5.0;
        options.date = CliDate{2026, 12, 15};
        options.time = CliTime{22, 0, 0};
        FakeClock clock({2030, 1, 1, 12, 0, 0});
        platform::FixedTimeZone zone(5.0);
        state.scriptMode = true;
        PrepareCliSession(state, options, clock, zone);
        state.appDir = scratch_;
        state.catalogFolder = ProgramFolder();
        state.catalogFileName = catalog;
        opened = !ReadCatalogFlag(state, catalog, state.catalogFolder).empty();
    }
    ~CatalogSession() {
        std::error_code error;
        if (!scratch_.empty()) std::filesystem::remove_all(scratch_, error);
    }

    bool Find(const std::string& name, const std::string& second = "") {
        SearchRequest request;
        request.name = name;
        request.secondName = second;
        return engine.StartSearch(request);
    }

    // The current object's names as the main window shows them, trailing blanks dropped.
    std::string Name(int which) const {
        const std::string* names[] = {&state.object.name1, &state.object.name2, &state.object.name3,
                                      &state.object.name4, &state.object.name5};
        std::string name = *names[which - 1];
        return name.erase(name.find_last_not_of(' ') + 1);
    }

    SessionState state;
    bool opened = false;

private:
    std::ostringstream messages_;
    ConsoleDialogs dialogs_;
    NoMainWindow mainWindow_;
    Searching searching_;
    std::string scratch_;

public:
    SearchEngine engine{state, dialogs_, mainWindow_, searching_};
};

}  // namespace talvo::testing
