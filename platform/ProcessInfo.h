#pragma once

#include <string>
#include <vector>

namespace zt {

/// What the process was started with. The program's main hands its arguments over once; tests
/// make their own.
class ProcessInfo {
public:
    explicit ProcessInfo(std::vector<std::string> arguments = {}) : arguments_(std::move(arguments)) {}

    /// The process's own; empty until the program's main sets its arguments.
    static ProcessInfo& processInfo();

    const std::vector<std::string>& arguments() const { return arguments_; }
    void setArguments(int argc, const char* const* argv);
    bool hasArgument(const std::string& argument) const;

private:
    std::vector<std::string> arguments_;
};

} // namespace zt
