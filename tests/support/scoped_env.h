// Sets or clears an environment variable for the life of the object, then restores it. A change
// of TZ is announced to the C library (tzset), which otherwise keeps the zone it read first.
#pragma once

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <utility>

namespace talvo::testing {

class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::optional<std::string>& value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str())) saved_ = old;
        Apply(value);
    }
    ~ScopedEnv() { Apply(saved_); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    void Apply(const std::optional<std::string>& value) {
        if (value) {
            setenv(name_.c_str(), value->c_str(), 1);
        } else {
            unsetenv(name_.c_str());
        }
        if (name_ == "TZ") tzset();
    }

    std::string name_;
    std::optional<std::string> saved_;
};

}  // namespace talvo::testing
