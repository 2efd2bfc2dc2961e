// Writes the default home location file: the session's defaults, with a first-use date of 0 so
// that the first start takes the first-run path. Usage: make_home_file OUTPUT
#include <cstdio>
#include <string>

#include "platform/atomic_file.h"
#include "session/home_record.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_home_file OUTPUT\n");
        return 2;
    }
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
