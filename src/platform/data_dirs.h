// The two folders of TALVO's files: the writable one (home files, the matches file, the
// observing log, new and transient catalogs) and the one of the read-only data it ships (the
// catalogs, the default home file, the guide).
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace talvo::platform {

struct DataDirs {
    std::string appDir;   // where files are written, ending in "/"; empty: the working directory
    std::string dataDir;  // where the shipped data is read, ending in "/"; may equal appDir
};

// What the decision reads from the process's surroundings.
struct DirEnvironment {
    std::string talvoDir;     // TALVO_DIR
    std::string xdgDataHome;  // XDG_DATA_HOME
    std::string home;         // HOME, or the user's home folder from the password database
    std::string exeDir;       // the running executable's folder; empty when unknown
    std::function<bool(const std::string&)> writable;     // access(W_OK) on a folder
    std::function<bool(const std::string&)> isDirectory;  // the folder exists
};

// The process's own surroundings.
DirEnvironment CurrentDirEnvironment();

// TALVO_DIR, when set, is both folders. Otherwise a writable executable folder (a build folder,
// a portable copy) is both. An installed program (its folder not writable) writes to
// $XDG_DATA_HOME/talvo/ (an absolute XDG_DATA_HOME only; default ~/.local/share/talvo/) and
// reads its data from <exe dir>/../share/talvo/, or from its own folder when there is no such
// folder. The writable folder is not created here.
DataDirs DecideDataDirs(const DirEnvironment& environment);

// The file `name` as a reader looks for it: in appDir when it is there, else in dataDir when it
// is there, else appDir + name (for the message that it is missing). An empty dataDir is
// appDir.
std::string ReadablePath(const std::string& appDir, const std::string& dataDir, const std::string& name);

// The folder ReadablePath takes `name` from (appDir or dataDir).
std::string ReadableFolder(const std::string& appDir, const std::string& dataDir, const std::string& name);

// The names of the plain files of appDir and dataDir that `wanted` accepts, sorted, each once
// (a name of both folders is appDir's). An empty appDir is the working directory.
std::vector<std::string> ListBothFolders(const std::string& appDir, const std::string& dataDir,
                                         const std::function<bool(const std::string& name)>& wanted);

}  // namespace talvo::platform
