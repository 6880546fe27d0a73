#pragma once

#include <functional>

namespace zt::test {

/// Crash tests: runs work in a forked child and kills it (SIGKILL) as soon as it has reported
/// `steps` finished steps, so the kill lands somewhere in the step after them. The outcome a test
/// checks must hold wherever that is. work gets the function that reports one step; a child that
/// kills itself is waited for with steps beyond what it reports. Returns
/// whether the child was killed, rather than ending or failing on its own first.
bool killAfterSteps(const std::function<void(const std::function<void()>& report)>& work, int steps);

/// How many kills a test makes: fallback, or ZT_KILL_ROUNDS for a long run by hand.
int killRounds(int fallback);

} // namespace zt::test
