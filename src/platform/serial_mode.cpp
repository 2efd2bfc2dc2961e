#include "platform/serial_mode.h"

#include <cctype>
#include <map>
#include <sstream>

namespace talvo::platform {

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

std::optional<SerialMode> ParseSerialMode(const std::string& mode) {
    std::map<std::string, std::string> fields;
    std::istringstream words(mode);
    for (std::string word; words >> word;) {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos) return std::nullopt;
        const std::string key = Lower(word.substr(0, equals));
        if (!fields.emplace(key, Lower(word.substr(equals + 1))).second) return std::nullopt;
    }
    if (fields.size() != 4 || fields["parity"] != "n" || fields["data"] != "8") return std::nullopt;
    SerialMode result;
    if (fields["baud"] == "9600") {
        result.baud = 9600;
    } else if (fields["baud"] == "4800") {
        result.baud = 4800;
    } else {
        return std::nullopt;
    }
    if (fields["stop"] == "1") {
        result.stopBits = 1;
    } else if (fields["stop"] == "2") {
        result.stopBits = 2;
    } else {
        return std::nullopt;
    }
    return result;
}

}  // namespace talvo::platform
