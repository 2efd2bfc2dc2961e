// Writes the default home location file: the session's defaults, with a first-use date of 0 so
// that the first start takes the first-run path. Usage: make_home_file OUTPUT
//
// A build folder is also a place to run TALVO from, and the observer's own TALVO.HOM is saved
// over the default there: a file that has been through a first run is left as it is, so that
// rebuilding never loses a site.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/atomic_file.h"
#include "session/home_file_format.h"
#include "session/home_record.h"

namespace {

bool HoldsAnObserversSite(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const talvo::HomeDecodeResult decoded = talvo::DecodeHomeFile(bytes);
    if (decoded.status != talvo::HomeDecodeStatus::Ok) return false;
    const std::optional<double> firstUse = decoded.record.firstUseDate.Number();
    return firstUse && *firstUse >= talvo::kFirstUseUnset;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_home_file OUTPUT\n");
        return 2;
    }
    if (HoldsAnObserversSite(argv[1])) return 0;
    talvo::SessionState defaults;
    defaults.firstUseDate = 0.0;
    const talvo::platform::FileWriteStatus written = talvo::platform::WriteFileAtomically(
        argv[1], talvo::EncodeHomeFile(talvo::RecordFromSession(defaults)));
    if (!written.ok) {
        std::fprintf(stderr, "make_home_file: cannot write %s: %s\n", argv[1], written.reason.c_str());
        return 1;
    }
    return 0;
}
