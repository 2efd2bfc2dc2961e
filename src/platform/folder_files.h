// The plain files of one folder: listing them and removing one of them. Neither ever leaves the
// folder: a name is taken only as a name within it, never as a path.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace talvo::platform {

// The names of the plain files of `folder` (symbolic links to plain files included) that
// `wanted` accepts, sorted. A missing or unreadable folder lists nothing.
std::vector<std::string> ListFolderFiles(const std::string& folder,
                                         const std::function<bool(const std::string& name)>& wanted);

// True for a name that stands for an entry of the folder itself: not empty, not "." or "..",
// and without "/".
bool IsPlainName(const std::string& name);

struct FileRemoval {
    bool ok = false;
    std::string reason;  // the system's words, or why the name was refused; empty when ok
};

// Removes the file `name` of `folder`. A name that is not plain (IsPlainName) is refused, and so
// is a folder: nothing outside `folder`, and no folder, is ever removed. A symbolic link is
// removed itself, not what it points to.
[[nodiscard]] FileRemoval RemoveFolderFile(const std::string& folder, const std::string& name);

}  // namespace talvo::platform
