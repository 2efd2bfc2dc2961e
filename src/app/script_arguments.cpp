#include "app/script_arguments.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "forms/script_text.h"

namespace talvo {

namespace {

ScriptArguments Limited(std::vector<std::string> commands) {
    ScriptCommands limited = LimitedScript(std::move(commands));
    ScriptArguments script;
    script.given = true;
    script.commands = std::move(limited.commands);
    script.problem = std::move(limited.problem);
    return script;
}

}  // namespace

ScriptArguments ScriptFromText(const std::string& text) {
    if (text.empty()) return {};
    return Limited(SplitScript(text));
}

ScriptArguments ReadScriptFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream contents;
    if (file) contents << file.rdbuf();
    if (!file || file.bad()) {
        ScriptArguments script;
        script.given = true;
        script.problem = "cannot read the script file " + path + ": " + std::strerror(errno);
        return script;
    }
    return Limited(ScriptFileCommands(contents.str()));
}

ScriptArguments ParseCommandLine(const std::vector<std::string>& arguments) {
    if (!arguments.empty() && arguments.front() == "--script") {
        if (arguments.size() != 2) {
            ScriptArguments script;
            script.given = true;
            script.problem = "--script takes the name of one script file";
            return script;
        }
        return ReadScriptFile(arguments[1]);
    }
    std::string text;
    for (const std::string& argument : arguments) text += (text.empty() ? "" : " ") + argument;
    return ScriptFromText(text);
}

}  // namespace talvo
