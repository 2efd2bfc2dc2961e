#include "forms/script_text.h"

#include <array>

#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr std::array<const char*, 18> kKeywords = {"RA",    "CAT",   "SKY",   "ALT",    "FIND",   "DATE",
                                                   "WAIT",  "STAY",  "GOTO",  "EXIT",   "SLEEP",  "MATCH",
                                                   "NAME2", "SHELL", "MINAL", "PLANET", "MINMAG", "COMMAND"};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Where the command starting at `start` ends: the next ";" (npos when none). A SHELL command's
// ";" counts only outside quotes and not after a backslash; a quote left open runs to the end.
std::size_t CommandEnd(const std::string& text, std::size_t start) {
    const std::size_t separator = text.find(';', start);
    const std::size_t equal = text.find('=', start);
    if (equal == std::string::npos || equal > separator) return separator;
    if (!EndsWith(UpperCase(text.substr(start, equal - start)), "SHELL")) return separator;
    char quote = 0;
    for (std::size_t at = equal + 1; at < text.size(); ++at) {
        const char c = text[at];
        if (quote == '\'') {
            if (c == '\'') quote = 0;
        } else if (c == '\\') {
            ++at;  // the escaped character (inside double quotes too, to find the closing one)
        } else if (quote == '"') {
            if (c == '"') quote = 0;
        } else if (c == '\'' || c == '"') {
            quote = c;
        } else if (c == ';') {
            return at;
        }
    }
    return std::string::npos;
}

}  // namespace

std::vector<std::string> SplitScript(const std::string& text) {
    std::vector<std::string> commands;
    if (text.size() <= 1) return commands;
    for (std::size_t start = 0;;) {
        const std::size_t end = CommandEnd(text, start);
        commands.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos || end + 1 >= text.size()) break;
        start = end + 1;
    }
    return commands;
}

std::vector<std::string> ScriptFileCommands(const std::string& contents) {
    std::vector<std::string> commands;
    std::size_t start = 0;
    while (start < contents.size()) {
        std::size_t end = contents.find('\n', start);
        if (end == std::string::npos) end = contents.size();
        std::string line = contents.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        start = end + 1;
        if (line.find_first_not_of(" \t") == std::string::npos) continue;
        for (std::string& command : SplitScript(line)) commands.push_back(std::move(command));
    }
    return commands;
}

ScriptCommands LimitedScript(std::vector<std::string> commands) {
    ScriptCommands script;
    if (commands.size() > kMaxScriptCommands) {
        script.problem = "the script has " + std::to_string(commands.size()) + " commands, more than the " +
                         std::to_string(kMaxScriptCommands) + " a script may have; none was run";
        return script;
    }
    script.commands = std::move(commands);
    return script;
}

std::string ScriptKeyword(const std::string& command, std::size_t& keywordStart) {
    const std::size_t equal = command.find('=');
    if (equal == std::string::npos) return {};
    const std::string before = UpperCase(command.substr(0, equal));
    for (const char* keyword : kKeywords) {
        if (EndsWith(before, keyword)) {
            keywordStart = equal - std::string(keyword).size();
            return keyword;
        }
    }
    return {};
}

}  // namespace talvo
