#include "platform/start_program.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

extern char** environ;

namespace talvo::platform {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

}  // namespace

std::optional<std::vector<std::string>> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;  // a word has begun, perhaps an empty quoted one
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (IsBlank(c)) {
            if (inWord) words.push_back(word);
            word.clear();
            inWord = false;
        } else if (c == '\\') {
            if (++at == text.size()) return std::nullopt;
            if (text[at] == '\n') continue;  // a continued line
            word += text[at];
            inWord = true;
        } else if (c == '\'') {
            const std::size_t close = text.find('\'', at + 1);
            if (close == std::string::npos) return std::nullopt;
            word.append(text, at + 1, close - at - 1);
            at = close;
            inWord = true;
        } else if (c == '"') {
            for (++at;; ++at) {
                if (at == text.size()) return std::nullopt;
                if (text[at] == '"') break;
                if (text[at] == '\\' && at + 1 < text.size() &&
                    std::strchr("$`\"\\\n", text[at + 1]) != nullptr) {
                    if (text[++at] == '\n') continue;
                }
                word += text[at];
            }
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord) words.push_back(word);
    return words;
}

ProgramStart StartProgram(const std::vector<std::string>& words) {
    if (words.empty() || words.front().empty()) return {false, "no program named"};
    std::vector<std::string> arguments = words;
    std::vector<char*> argv;
    for (std::string& word : arguments) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // The program gets default signal handling and an empty signal mask, whatever this process
    // ignores or blocks (it ignores SIGXFSZ to see a full disk as a failed write), and a session
    // of its own, so that it outlives TALVO and its terminal as a program started from the
    // desktop does.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGPIPE);
    sigaddset(&defaults, SIGXFSZ);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGQUIT);
    posix_spawnattr_setsigdefault(&attributes, &defaults);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setflags(&attributes,
                             POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSID);

    pid_t child = -1;
    const int spawned =
        ::posix_spawnp(&child, arguments.front().c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return {false, arguments.front() + ": " + std::strerror(spawned)};
    // The program runs on by itself; this thread only collects its exit status when it ends.
    // Waiting for this one process id leaves every other child of TALVO to its own waiter.
    std::thread([child] {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
    return {true, {}};
}

std::optional<std::string> ProgramOutput(const std::vector<std::string>& words) {
    if (words.empty() || words.front().empty()) return std::nullopt;
    std::vector<std::string> arguments = words;
    std::vector<char*> argv;
    for (std::string& word : arguments) argv.push_back(word.data());
    argv.push_back(nullptr);
    int output[2];
    if (::pipe2(output, O_CLOEXEC) != 0) return std::nullopt;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int spawned =
        ::posix_spawnp(&child, arguments.front().c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (spawned != 0) {
        ::close(output[0]);
        return std::nullopt;
    }
    std::string printed;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(output[0], buffer, sizeof buffer);
        if (got > 0) {
            printed.append(buffer, static_cast<std::size_t>(got));
        } else if (got == 0 || errno != EINTR) {
            break;
        }
    }
    ::close(output[0]);
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return printed;
}

}  // namespace talvo::platform
