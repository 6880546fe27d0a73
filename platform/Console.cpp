#include "Console.h"

#include <algorithm>
#include <cstdio>
#include <mutex>

namespace zt {

namespace {

struct Captures {
    std::mutex mutex;
    std::vector<ConsoleCapture*> stack; // innermost last
};

Captures& captures() {
    static Captures instance;
    return instance;
}

} // namespace

void console(std::string_view line) {
    auto& c = captures();
    const std::lock_guard lock(c.mutex);
    if (!c.stack.empty()) {
        c.stack.back()->lines_.emplace_back(line);
        return;
    }
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

ConsoleCapture::ConsoleCapture() {
    auto& c = captures();
    const std::lock_guard lock(c.mutex);
    c.stack.push_back(this);
}

ConsoleCapture::~ConsoleCapture() {
    auto& c = captures();
    const std::lock_guard lock(c.mutex);
    // Erase rather than pop, so captures ended out of order leave the others in place.
    std::erase(c.stack, this);
}

std::vector<std::string> ConsoleCapture::lines() const {
    const std::lock_guard lock(captures().mutex);
    return lines_;
}

void ConsoleCapture::clear() {
    const std::lock_guard lock(captures().mutex);
    lines_.clear();
}

} // namespace zt
