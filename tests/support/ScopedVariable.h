#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace zt::test {

/// Sets (or, with no value, removes) a process environment variable until destroyed, then puts
/// back what was there. For the few settings the library reads from variables.
class ScopedVariable {
public:
    ScopedVariable(std::string name, std::optional<std::string> value) : name_(std::move(name)) {
        if (const char* old = std::getenv(name_.c_str()))
            previous_ = old;
        apply(value);
    }
    ~ScopedVariable() { apply(previous_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void apply(const std::optional<std::string>& value) const {
        if (value)
            ::setenv(name_.c_str(), value->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }

    std::string name_;
    std::optional<std::string> previous_;
};

} // namespace zt::test
