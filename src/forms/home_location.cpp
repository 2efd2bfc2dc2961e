#include "forms/home_location.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <limits>

#include "engine/numeric.h"
#include "platform/atomic_file.h"
#include "platform/data_dirs.h"
#include "scope/scope_models.h"
#include "session/home_file_format.h"
#include "session/home_record.h"

namespace talvo {

namespace {

// A home file is well under a kilobyte; anything past this is not one, and is not read whole.
constexpr std::streamsize kLongestHomeFile = 1 << 20;
constexpr int kHighestPort = 64;                // COM1 to COM64
constexpr double kFirstGpsPortVersion = 9.01;   // files from this version on carry the GPS port
constexpr double kLatestEarlierVersion = 12.0;  // files older than this are saved again on exit

std::string WithSlash(const std::string& directory) {
    if (directory.empty() || directory.back() == '/') return directory;
    return directory + "/";
}

std::optional<std::string> ReadHomeBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::string bytes;
    bytes.resize(static_cast<std::size_t>(kLongestHomeFile) + 1);
    file.read(bytes.data(), kLongestHomeFile + 1);
    if (file.bad() || file.gcount() > kLongestHomeFile) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return bytes;
}

// A whole number from a tagged value, rounded half to even as the file's writers convert; nothing
// when the value is no finite number within [low, high].
std::optional<std::int64_t> WholeNumber(const TaggedValue& value, std::int64_t low, std::int64_t high) {
    const std::optional<double> number = value.Number();
    if (!number || !std::isfinite(*number)) return std::nullopt;
    const double rounded = std::nearbyint(*number);
    if (rounded < static_cast<double>(low) || rounded > static_cast<double>(high)) return std::nullopt;
    return static_cast<std::int64_t>(rounded);
}

std::optional<double> FiniteNumber(const TaggedValue& value) {
    const std::optional<double> number = value.Number();
    if (!number || !std::isfinite(*number)) return std::nullopt;
    return number;
}

int PortOrNone(int port) { return port >= 0 && port <= kHighestPort ? port : 0; }

// Fields 1 to 11 as the session takes them; a load with any of them missing or out of range fails.
struct RequiredFields {
    double latitude, longitude;  // radians, north and WEST positive
    Colour back, text;
    int model;
    bool siteFromGps, doNotLoadTime;
    double version;
};

std::optional<RequiredFields> TakeRequired(const HomeRecord& record) {
    const bool siteOk = std::isfinite(record.latitude) && std::fabs(record.latitude) <= kPi / 2.0 + 1e-6 &&
                        std::isfinite(record.longitude) && std::fabs(record.longitude) <= kTwoPi + 1e-6;
    const auto back = WholeNumber(record.backColor, 0, kWhite);
    const auto text = WholeNumber(record.textColor, 0, kWhite);
    const auto model = WholeNumber(record.scopeModel, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max());
    const auto siteFromGps = FiniteNumber(record.siteFromGps);
    const auto doNotLoadTime = FiniteNumber(record.doNotLoadTime);
    const auto version = FiniteNumber(record.version);
    // The UTC offset is replaced by the system's, but a file whose offset is no number is broken.
    if (!siteOk || !back || !text || !model || !siteFromGps || !doNotLoadTime || !version ||
        !FiniteNumber(record.utcOffset)) {
        return std::nullopt;
    }
    return RequiredFields{
        record.latitude,          record.longitude,    static_cast<Colour>(*back), static_cast<Colour>(*text),
        static_cast<int>(*model), *siteFromGps != 0.0, *doNotLoadTime != 0.0,      *version};
}

// Fields 12 to 18, each taken when the file has it and it is in range; the rest keep the session's
// values.
void TakeOptional(SessionState& state, const HomeDecodeResult& decoded, HomeLoad& result,
                  std::optional<bool>& scopeHasGps) {
    const HomeRecord& record = decoded.record;
    ScopeSettings& scope = state.scope;
    const auto present = [&](int field) { return decoded.fieldsRead >= field; };
    if (present(12)) {
        if (const auto flag = FiniteNumber(record.scopeHasGps)) scopeHasGps = *flag != 0.0;
    }
    if (present(13)) result.firstUseDate = FiniteNumber(record.firstUseDate);
    if (present(14)) {
        if (const auto ignore = WholeNumber(record.ignoreInvalid, std::numeric_limits<std::int16_t>::min(),
                                            std::numeric_limits<std::int16_t>::max())) {
            scope.ignoreInvalidEntries = static_cast<int>(*ignore);
        }
    }
    if (present(15)) {
        const auto last = static_cast<std::int64_t>(kSkyEntries.size()) - 1;
        if (const auto sky = WholeNumber(record.skyClass, 0, last)) scope.skyClass = static_cast<int>(*sky);
    }
    if (present(16)) {
        const auto last = static_cast<std::int64_t>(kScopeSizes.size()) - 1;
        if (const auto size = WholeNumber(record.sizeClass, 0, last))
            scope.sizeClass = static_cast<int>(*size);
    }
    if (present(17)) {
        // A year the epoch option offers, or 0 and below (undecided, epoch of date).
        const auto epoch = FiniteNumber(record.fixedEpoch);
        if (epoch && (*epoch <= 0.0 || (*epoch >= 1900.0 && *epoch <= 2200.0))) scope.fixedEpoch = *epoch;
    }
    if (present(18) && state.homeFileVersion >= kFirstGpsPortVersion)
        scope.gpsPort = record.gpsPort == kGpsdSource ? kGpsdSource : PortOrNone(record.gpsPort);
}

void ApplyColours(SessionState& state, Colour back, Colour text) {
    if (back == 128) {  // the background of earlier versions becomes today's dark red
        back = kDarkRed;
        text = kYellow;
    }
    const Colour highlight = back == kWhite ? kWhite : kRed;
    if (state.nightVision) {
        state.dayBackColor = back;
        state.dayTextColor = text;
        state.dayHighlightColor = highlight;
        return;
    }
    state.backColor = back;
    state.textColor = text;
    state.highlightColor = highlight;
}

}  // namespace

HomeLoad LoadHomeFile(SessionState& state, const platform::TimeZone& zone, DialogServices& dialogs,
                      const ShowLocation& showLocation) {
    HomeLoad result;
    const std::string directory = WithSlash(state.appDir);
    const std::string dataDir = WithSlash(state.dataDir);
    const std::string path = platform::ReadablePath(directory, dataDir, state.homeFileName);
    const auto fail = [&](HomeLoadStatus status) {
        result.status = status;
        const std::string where = dataDir.empty() || dataDir == directory
                                      ? (directory.empty() ? std::string("the working directory") : directory)
                                      : directory + " and then in " + dataDir;
        result.message =
            "Unable to read Home Location file " + path + "\nTALVO looks for home files in " + where + ".";
        return result;
    };
    const std::optional<std::string> bytes = ReadHomeBytes(path);
    if (!bytes) return fail(HomeLoadStatus::Unreadable);
    const HomeDecodeResult decoded = DecodeHomeFile(*bytes);
    if (decoded.status != HomeDecodeStatus::Ok) return fail(HomeLoadStatus::Malformed);
    const std::optional<RequiredFields> required = TakeRequired(decoded.record);
    if (!required) return fail(HomeLoadStatus::Malformed);

    // Nothing fails from here on.
    result.status = HomeLoadStatus::Loaded;
    state.appDir = directory;
    ScopeSettings& scope = state.scope;
    scope.scopeModel = required->model;
    scope.scopeType = StoredScopeType(required->model);
    scope.scopePort = PortOrNone(decoded.record.scopePort);
    state.site.noDaylightSaving = decoded.record.noDaylight != 0;
    state.site.siteFromGps = required->siteFromGps;
    state.doNotLoadTime = required->doNotLoadTime;
    state.homeFileVersion = required->version;
    state.configDirty = required->version < kLatestEarlierVersion;

    std::optional<bool> scopeHasGps;
    TakeOptional(state, decoded, result, scopeHasGps);
    state.riseSetValid = false;
    if (scope.ignoreInvalidEntries == 0) {
        state.configDirty = true;
        scope.ignoreInvalidEntries = 1;
    }
    scope.ignoreInvalid = scope.ignoreInvalidEntries > 0;

    state.site.latitude = required->latitude;
    state.site.longitude = required->longitude;
    DeriveSiteFields(state.site);
    ApplySystemTimeZone(state, zone);

    state.firstUseDate = result.firstUseDate.value_or(0.0);
    if (result.FirstRun()) {
        scope.scopeHasGps = false;
    } else {
        if (scopeHasGps) scope.scopeHasGps = *scopeHasGps;
        const ModelQuestions questions{
            [&dialogs](const std::string& question) {
                return dialogs.MessageBox(question, MessageButtons::YesNo, "TALVO") == MessageAnswer::Yes;
            },
            [&dialogs](const std::string& text) { dialogs.MessageBox(text, MessageButtons::Ok, "TALVO"); }};
        scope.scopeModel = ApplyModelRules(scope, scope.scopeModel, false, questions);
    }

    ApplyColours(state, required->back, required->text);
    scope.defaultMagnitudeLimit = DefaultMagnitudeLimit(scope.sizeClass, scope.skyClass);
    ApplyDateOrder(state);
    if (showLocation) showLocation(state.homeFileName);
    return result;
}

std::string NormaliseHomeFileName(const std::string& name) {
    const std::size_t size = name.size();
    std::string last = name.substr(size >= 4 ? size - 4 : 0);
    std::transform(last.begin(), last.end(), last.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    if (last == ".HOM") return name;
    if (size >= 4 && name[size - 4] == '.') return name.substr(0, size - 4) + ".HOM";
    return name + ".HOM";
}

HomeSave SaveHomeFile(SessionState& state, const ShowLocation& showLocation) {
    state.homeFileName = NormaliseHomeFileName(state.homeFileName);
    const std::string directory = WithSlash(state.appDir);
    state.appDir = directory;
    const platform::FileWriteStatus written = platform::WriteFileAtomically(
        directory + state.homeFileName, EncodeHomeFile(RecordFromSession(state)));
    if (!written.ok) {
        return {
            false,
            "Unable to Write Home Location file " + directory + state.homeFileName +
                "\nTALVO needs a folder it may write to. Check the folder's permissions and free space (" +
                written.reason + ")."};
    }
    if (showLocation) showLocation(state.homeFileName);
    return {true, {}};
}

}  // namespace talvo
