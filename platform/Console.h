#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zt {

/// Writes one development line ("Saving transaction....") to standard output, or to the
/// innermost ConsoleCapture while one exists. Safe from any thread.
void console(std::string_view line);

/// Collects console lines instead of printing them, for as long as it lives. Captures nest: the
/// innermost one collects; once it ends, lines go to the enclosing one again.
class ConsoleCapture {
public:
    ConsoleCapture();
    ~ConsoleCapture();
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    /// The lines so far, oldest first.
    std::vector<std::string> lines() const;
    void clear();

private:
    friend void console(std::string_view line);
    std::vector<std::string> lines_;
};

} // namespace zt
