// Small catalogs written by the tests into scratch folders, and a session at a fixed site and
// moment to search them from.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "catalog/search_engine.h"
#include "engine/coordinates.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"
#include "forms/main_window_hooks.h"
#include "forms/search_commands.h"
#include "platform/fixed_time_zone.h"
#include "session/session_state.h"
#include "support/scripted_dialogs.h"

namespace talvo::testing {

// A fresh folder under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir() : path_((std::filesystem::temp_directory_path() / "talvo-catalog-XXXXXX").string()) {
        path_ = mkdtemp(path_.data()) != nullptr ? path_ + "/" : "";
    }
    ~TempDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }

    const std::string& path() const { return path_; }  // ends in "/"
    std::string File(const std::string& name) const { return path_ + name; }

private:
    std::string path_;
};

// The 100-column catalog line of the names (name 1 first, 12 columns each), a position in hours
// and degrees, a magnitude (blank when none), the epoch and the flag of column 88. The points
// of right ascension and magnitude fall in columns 63 and 91, the declination starts in 70.
inline std::string CatalogLine(const std::vector<std::string>& names, double ra = 0.0, double dec = 0.0,
                               std::optional<double> magnitude = {}, int epoch = 2000, char flag = ' ') {
    std::string line(100, ' ');
    auto put = [&line](int column, const std::string& text) { line.replace(column - 1, text.size(), text); };
    for (std::size_t i = 0; i < names.size(); ++i) put(1 + 12 * static_cast<int>(i), names[i].substr(0, 12));
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, dec < 0 ? "%7.4f  %08.4f" : "%7.4f  %07.4f", ra, dec);
    put(61, buffer);
    line[87] = flag;
    if (magnitude) {
        std::snprintf(buffer, sizeof buffer, "%5.2f", *magnitude);
        put(89, buffer);
    }
    std::snprintf(buffer, sizeof buffer, "%4d", epoch);
    put(97, buffer);
    return line;
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Lines written, or read back, each ended by CR LF.
inline void WriteCatalog(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    WriteFile(path, bytes);
}
inline std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0, end; start < text.size(); start = end + 2) {
        end = std::min(text.find("\r\n", start), text.size());
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// 40.5 N, 74.25 W, five hours west of UTC, on 2026-12-07 at 01:30:00 local time, standing
// still: the local sidereal time is 6h37m and Jupiter stands 38.5 degrees high.
inline void PrepareSession(SessionState& state, const std::string& appDir) {
    SetSite(state.site, 40.5, 74.25);
    ApplySystemTimeZone(state, platform::FixedTimeZone(5.0));
    ApplyDateOrder(state);
    state.clock.realTime = false;
    state.clock.SetMoment({2026, 12, 7, 1, 30, 0});
    CalcTime(state.clock, state.site);
    state.appDir = appDir;
}

// What the catalog code asked of the main window.
class RecordingMainWindow final : public MainWindowHooks {
public:
    void ResetChainButtons() override {}
    void MatchesExhausted(const std::string& caption, int count) override {
        exhausted = caption + " " + std::to_string(count);
    }
    void ClearBodySelection() override {}
    void SetStatus(const std::string& text) override { status = text; }
    void SetSearchButtons(const std::string& caption, bool) override { searchCaption = caption; }
    void Redisplay() override { ++redisplays; }

    std::string exhausted, status, searchCaption;  // the caption and count of the matches shown
    int redisplays = 0;
};

// A session with the search engine over the catalog "cat.tlv" of a scratch folder, which also
// stands for the program's folder (the matches file goes there).
class SearchTest : public ::testing::Test {
protected:
    SearchTest() { PrepareSession(state, dir.path()); }

    void UseCatalog(const std::vector<std::string>& lines) {
        WriteCatalog(dir.File("cat.tlv"), lines);
        state.catalogFileName = "cat.tlv";
        state.catalogFolder = dir.path();
    }

    // A search as the window runs it (a blank limit is none).
    bool Find(const std::string& name, const std::string& minimum = "", const std::string& maximum = "",
              const std::string& faintest = "", const std::string& second = "") {
        SearchRequest request;
        request.name = name;
        request.secondName = second;
        if (!minimum.empty()) request.minimumAltitude = LeadingNumber(minimum);
        if (!maximum.empty()) request.maximumAltitude = LeadingNumber(maximum);
        request.faintestMagnitude =
            faintest.empty() ? DefaultFaintestMagnitude(state) : LeadingNumber(faintest);
        return searches.Search(request) == SearchOutcome::Found;
    }
    bool Next() { return searches.NextMatch() == SearchOutcome::Found; }
    bool BestOf() { return searches.BestOfTheSky() == SearchOutcome::Found; }

    // The line of an object within a degree or two of the zenith.
    std::string High(const std::vector<std::string>& names, std::optional<double> magnitude = 5.0) const {
        return CatalogLine(names, state.clock.localSiderealTime, 41.0, magnitude);
    }

    // High objects named prefix + 1, prefix + 2, ...
    std::vector<std::string> Numbered(const std::string& prefix, int count) const {
        std::vector<std::string> lines;
        for (int i = 1; i <= count; ++i) lines.push_back(High({prefix + std::to_string(i)}));
        return lines;
    }

    // Name 1 of the current object without its trailing blanks.
    std::string Name1() const {
        return state.object.name1.substr(0, state.object.name1.find_last_not_of(' ') + 1);
    }

    std::vector<std::string> MatchesLines() const { return CrLfLines(ReadFile(dir.File("MATCHES.TXT"))); }

    TempDir dir;
    SessionState state;
    ScriptedDialogs dialogs;
    RecordingMainWindow mainWindow;
    Searching searching;
    SearchEngine engine{state};
    SearchCommands searches{state, engine, dialogs, mainWindow, searching};
};

}  // namespace talvo::testing
