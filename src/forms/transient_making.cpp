#include "forms/transient_making.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "forms/transient_select.h"
#include "platform/atomic_file.h"

namespace talvo {
namespace {

constexpr std::uintmax_t kLargestElementsFile = 64 * 1024 * 1024;

// The file name the transient window finds the object by: its designation as typed there, with
// the characters the window refuses left out.
std::string CatalogFileName(const std::string& objectName) {
    std::string typed;
    for (const char c : objectName) {
        if (!MakeTransientFileName(std::string(1, c)).invalid) typed += c;
    }
    const std::string name = MakeTransientFileName(typed).name;
    return (name.empty() ? std::string("TRANSIENT") : name) + ".TLV";
}

}  // namespace

TransientMaking MakeTransientCatalogFile(const std::string& elementsPath, const std::string& objectFilter,
                                         const TransientSpan& span, const std::string& outPath,
                                         const std::string& folder) {
    TransientMaking making;
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(elementsPath, error);
    std::ifstream file(elementsPath, std::ios::binary);
    if (error || !file) {
        making.outcome = TransientMaking::Outcome::kUnreadable;
        making.message = "Cannot read " + elementsPath + (error ? ": " + error.message() : "");
        return making;
    }
    if (size > kLargestElementsFile) {
        making.outcome = TransientMaking::Outcome::kUnreadable;
        making.message = elementsPath + " is too large for a file of orbital elements";
        return making;
    }
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    std::vector<ElementsEntry> entries = ParseElementsText(text);
    std::erase_if(entries, [&objectFilter](const ElementsEntry& entry) {
        return entry.name.find(objectFilter) == std::string::npos;
    });
    if (entries.empty()) {
        making.outcome = TransientMaking::Outcome::kNoElements;
        return making;
    }
    if (entries.size() > 1) {
        making.outcome = TransientMaking::Outcome::kSeveral;
        for (const ElementsEntry& entry : entries) making.names.push_back(entry.name);
        return making;
    }
    const ElementsEntry& object = entries.front();
    making.objectName = object.name;
    making.comet = object.body.comet;
    making.path = outPath.empty() ? folder + CatalogFileName(object.name) : outPath;
    std::string bytes;
    for (const std::string& line : MakeTransientLines(object, span)) {
        bytes += line + "\r\n";
        ++making.lines;
    }
    const platform::FileWriteStatus written = platform::WriteFileAtomically(making.path, bytes);
    if (!written.ok) {
        making.outcome = TransientMaking::Outcome::kNotWritten;
        making.message = making.path + " was not written: " + written.reason;
        return making;
    }
    making.outcome = TransientMaking::Outcome::kMade;
    return making;
}

}  // namespace talvo
