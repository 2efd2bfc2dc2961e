// What a full scan of a catalog the size of the default one costs: a name that matches nothing
// (every line goes through the name test and nothing more), Best of the Sky walked to its end
// (the marked lines are parsed and placed in the sky), and reading the lines alone as the floor.
//
// The catalog is made up here, deterministically, in the layout of the real one: 21,600 lines of
// stars and deep-sky objects with up to five names each, one line in 144 marked "&^" and one
// "^^", and the planet lines of Best of the Sky.
//
//   catalog_scan_bench                              runs the benchmarks
//   catalog_scan_bench --write-catalog FILE [LINES] writes the catalog, or one of LINES lines made
//                                                   the same way (for tools/bench_catalog_vs_grep.sh)
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "catalog/catalog_reader.h"
#include "catalog/search_engine.h"
#include "engine/time_scales.h"
#include "platform/fixed_time_zone.h"
#include "session/session_state.h"

namespace {

constexpr int kLines = 21600;
constexpr int kMarkerPeriod = 144;  // one "&^" and one "^^" in every 144 lines: 150 of each in kLines

// A linear congruential generator (Knuth's MMIX constants), so every run makes the same catalog.
class Random {
public:
    std::uint32_t Next(std::uint32_t below) {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33) % below;
    }
    double Uniform(double low, double high) { return low + (high - low) * Next(1000000) / 1000000.0; }

private:
    std::uint64_t state_ = 20261207;
};

const char* const kGreek[] = {"Alp", "Bet", "Gam", "Del", "Eps", "Zet",
                              "Eta", "The", "Iot", "Kap", "Lam", "Mu"};
const char* const kConstellations[] = {"And", "Aql", "Aur", "Boo", "Cas", "Cen", "Cyg", "Dra",
                                       "Gem", "Her", "Leo", "Lib", "Lyr", "Ori", "Peg", "Per",
                                       "Sco", "Sgr", "Tau", "UMa", "Vir", "CVn", "Com", "Oph"};
const char* const kKinds[] = {"Galaxy", "Open Cluster", "Glob Cluster", "Planetary", "Nebula", "Dbl Star"};
// Planet lines: the body's number, the lowest altitude (degrees) and the smallest apparent
// diameter (arc-seconds) at which it is offered.
struct PlanetLine {
    const char* number;
    const char* minimumAltitude;
    const char* minimumDiameter;
};
const PlanetLine kPlanetLines[] = {
    {"01", "10", "05"}, {"02", "05", "10"}, {"04", "15", "06"}, {"05", "10", "30"}, {"06", "15", "15"}};

template <std::size_t N>
const char* Pick(Random& random, const char* const (&choices)[N]) {
    return choices[random.Next(N)];
}

void Put(std::string& line, int column, const std::string& text) {
    line.replace(static_cast<std::size_t>(column - 1), text.size(), text);
}

std::string Format(const char* format, double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, value);
    return buffer;
}

std::string Numbered(const char* prefix, std::uint32_t number) { return prefix + std::to_string(number); }

std::string CatalogLine(long index, Random& random) {
    std::string line(100, ' ');
    if (index < static_cast<long>(std::size(kPlanetLines))) {
        const PlanetLine& planet = kPlanetLines[static_cast<std::size_t>(index)];
        Put(line, 1, std::string("!Planet=") + planet.number + "&^");
        Put(line, 13, planet.minimumAltitude);
        Put(line, 25, planet.minimumDiameter);
        if (index == 0) line[87] = 'F';  // the catalog flag: a full catalog with Best-of markers
        return line;
    }
    const bool deepSky = random.Next(3) == 0;
    const char* constellation = Pick(random, kConstellations);
    if (deepSky) {
        Put(line, 1,
            index < 300 ? Numbered("M ", static_cast<std::uint32_t>(index % 110 + 1))
                        : Numbered(random.Next(5) == 0 ? "IC " : "NGC ", random.Next(7840) + 1));
        Put(line, 13, Numbered("UGC ", random.Next(12000) + 1));
        Put(line, 25, Pick(random, kKinds));
        Put(line, 37, constellation);
    } else {
        Put(line, 1, Numbered("HR ", random.Next(9110) + 1));
        Put(line, 13,
            random.Next(2) == 0 ? std::string(Pick(random, kGreek)) + " " + constellation
                                : std::to_string(random.Next(90) + 1) + " " + constellation);
        Put(line, 25, Numbered("SAO ", random.Next(258997) + 1));
        Put(line, 37, Numbered("HD ", random.Next(225300) + 1));
        if (random.Next(20) == 0) Put(line, 49, "Proper Name");
    }
    if (index % kMarkerPeriod == 7) Put(line, 11, "&^");
    if (index % kMarkerPeriod == 79) Put(line, 11, "^^");
    const double ra = random.Uniform(0.0, 24.0);
    const double dec = random.Uniform(-89.0, 89.0);
    Put(line, ra >= 10.0 ? 61 : 62, Format("%.4f", ra));
    Put(line, 70, Format(dec < 0 ? "%08.4f" : "%07.4f", dec));
    Put(line, 89, Format("%5.2f", random.Uniform(-1.5, deepSky ? 15.0 : 9.5)));
    Put(line, 97, "2000");
    return line;
}

bool WriteCatalog(const std::string& path, long lines = kLines) {
    std::ofstream out(path, std::ios::binary);
    Random random;
    for (long i = 0; i < lines; ++i) out << CatalogLine(i, random) << "\r\n";
    return static_cast<bool>(out);
}

// The catalog and the matches file in a scratch folder, made once.
const std::string& ScratchFolder() {
    static const std::string folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "talvo-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) return std::string();
        WriteCatalog(pattern + "/FULL.TLV");
        return pattern + "/";
    }();
    return folder;
}

// An unattended session at 40.5 N 74.25 W on 2026-12-07 at 01:30 local time.
struct Session {
    Session() {
        talvo::SetSite(state.site, 40.5, 74.25);
        talvo::ApplySystemTimeZone(state, talvo::platform::FixedTimeZone(5.0));
        state.clock.realTime = false;
        state.clock.SetMoment({2026, 12, 7, 1, 30, 0});
        talvo::CalcTime(state.clock, state.site);
        state.appDir = state.catalogFolder = ScratchFolder();
        state.scriptMode = true;
    }
    talvo::SessionState state;
    talvo::SearchEngine engine{state};
};

void ReadLinesOnly(benchmark::State& bench) {
    std::string_view line;
    for (auto _ : bench) {
        talvo::CatalogReader reader;
        if (!reader.Open(ScratchFolder() + "FULL.TLV")) {
            bench.SkipWithError("no catalog");
            break;
        }
        while (reader.NextLine(line)) benchmark::DoNotOptimize(line.data());
    }
}
BENCHMARK(ReadLinesOnly)->Unit(benchmark::kMillisecond);

void ScanMatchingNothing(benchmark::State& bench) {
    Session session;
    talvo::SearchRequest request;
    request.name = "ZZZNOTHING";
    for (auto _ : bench) benchmark::DoNotOptimize(session.engine.Start(request));
}
BENCHMARK(ScanMatchingNothing)->Unit(benchmark::kMillisecond);

void BestOfTheSkyToTheEnd(benchmark::State& bench) {
    Session session;
    int found = 0;
    for (auto _ : bench) {
        found = 0;
        for (auto outcome = session.engine.Start(talvo::BestOfTheSkyRequest());
             outcome == talvo::SearchOutcome::Found; outcome = session.engine.Next()) {
            ++found;
        }
    }
    bench.counters["offered"] = found;
}
BENCHMARK(BestOfTheSkyToTheEnd)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if ((argc == 3 || argc == 4) && std::string(argv[1]) == "--write-catalog") {
        const long lines = argc == 4 ? std::strtol(argv[3], nullptr, 10) : kLines;
        return lines > 0 && WriteCatalog(argv[2], lines) ? 0 : 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code error;
    if (!ScratchFolder().empty()) std::filesystem::remove_all(ScratchFolder(), error);
    return 0;
}
