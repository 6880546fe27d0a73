// Arbitrary bytes as amount expressions in a locale with "." and one with ",": the calculator must
// never crash, and whatever it returns must evaluate again to exactly itself.
#include "ZTSwiftUIComponents/host/ZTMoneyCalculator.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const zt::ZTMoneyCalculator calculators[] = {zt::ZTMoneyCalculator("en_US"),
                                                        zt::ZTMoneyCalculator("de_DE")};
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const auto& calculator : calculators) {
        const auto result = calculator.evaluate(text);
        if (!result)
            continue;
        const auto again = calculator.evaluate(*result);
        if (again != result) {
            std::fprintf(stderr, "result \"%s\" re-evaluates to %s\n", result->c_str(),
                         again ? again->c_str() : "nothing");
            std::abort();
        }
    }
    return 0;
}
