// A fresh folder under the system's temporary directory, removed with everything in it.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>

namespace talvo::testing {

class ScratchDir {
public:
    ScratchDir() : path_((std::filesystem::temp_directory_path() / "talvo-test-XXXXXX").string()) {
        path_ = mkdtemp(path_.data()) != nullptr ? path_ + "/" : "";
    }
    ~ScratchDir() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    const std::string& path() const { return path_; }  // ends in "/"
    std::string File(const std::string& name) const { return path_ + name; }

    void Write(const std::string& name, const std::string& bytes) const {
        std::ofstream(File(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream file(File(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    }
    // The names of the folder's entries, sorted.
    std::string Listing() const {
        std::string names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names += (names.empty() ? "" : " ") + entry.path().filename().string();
        }
        return names;
    }

private:
    std::string path_;
};

}  // namespace talvo::testing
