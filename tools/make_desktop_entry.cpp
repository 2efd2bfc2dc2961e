// Writes the desktop entry that `cmake --install` puts in <prefix>/share/applications: the same
// text the program writes for its user's launcher, starting `talvo` found on PATH.
// Usage: make_desktop_entry OUTPUT
#include <cstdio>

#include "platform/atomic_file.h"
#include "platform/desktop_launcher.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_desktop_entry OUTPUT\n");
        return 2;
    }
    const std::optional<std::string> entry = talvo::platform::DesktopEntryText("talvo", "");
    if (!entry) return 1;
    const talvo::platform::FileWriteStatus written = talvo::platform::WriteFileAtomically(argv[1], *entry);
    if (!written.ok) {
        std::fprintf(stderr, "%s: %s\n", argv[1], written.reason.c_str());
        return 1;
    }
    return 0;
}
