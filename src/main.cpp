// talvo: the window program. Arguments are a script to run unattended: commands separated by
// ";" ("CAT=MESSIER.TLV;FIND=M42;GOTO=1"), or "--script FILE". `talvo --install-launcher` makes
// the desktop launcher and ends.
#include <QApplication>
#include <clocale>
#include <cstring>
#include <iostream>
#include <string>
#include <vector>

#include "app/script_arguments.h"
#include "forms/desktop_shortcut.h"
#include "platform/program_dir.h"
#include "ui/application.h"

namespace {

int InstallLauncher() {
    const talvo::platform::DataDirs dirs = talvo::platform::ProgramDataDirs();
    const talvo::ShortcutResult made = talvo::CreateDesktopShortcut(dirs.appDir, dirs.dataDir);
    if (!made.message.empty()) {
        std::cerr << made.message << "\n";
        return 1;
    }
    std::cout << "Menu entry: " << made.status.entryPath << "\n"
              << "Desktop: "
              << (made.status.desktopPath.empty() ? std::string("no desktop folder, no copy made")
                                                  : made.status.desktopPath)
              << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--install-launcher") == 0) return InstallLauncher();
    QApplication qt(argc, argv);  // takes Qt's own options (-platform ...) out of argv
    // Qt takes the user's locale for the C library too; TALVO's numbers (its files, displays,
    // telescope commands and the numbers it reads) are written and read with a decimal point.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName("TALVO");
    const talvo::ScriptArguments script = talvo::ParseCommandLine({argv + 1, argv + argc});
    if (!script.problem.empty()) {
        std::cerr << "talvo: " << script.problem << '\n';
        return 2;
    }
    talvo::ui::Application talvo(nullptr, nullptr, nullptr,
                                 script.given ? std::optional(script.commands) : std::nullopt);
    talvo.Model().createShortcut = [&talvo] {
        const talvo::SessionState& state = talvo.State();
        return talvo::CreateDesktopShortcut(state.appDir, state.dataDir).message;
    };
    talvo.Show();
    return QApplication::exec();
}
