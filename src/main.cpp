// talvo: the window program. Arguments are a script to run unattended: commands separated by
// ";" ("CAT=MESSIER.TLV;FIND=M42;GOTO=1"), or "--script FILE".
#include <QApplication>
#include <iostream>
#include <string>
#include <vector>

#include "app/script_arguments.h"
#include "ui/application.h"

int main(int argc, char** argv) {
    QApplication qt(argc, argv);  // takes Qt's own options (-platform ...) out of argv
    QApplication::setApplicationName("TALVO");
    const talvo::ScriptArguments script = talvo::ParseCommandLine({argv + 1, argv + argc});
    if (!script.problem.empty()) {
        std::cerr << "talvo: " << script.problem << '\n';
        return 2;
    }
    talvo::ui::Application talvo(nullptr, nullptr, nullptr,
                                 script.given ? std::optional(script.commands) : std::nullopt);
    talvo.Show();
    return QApplication::exec();
}
