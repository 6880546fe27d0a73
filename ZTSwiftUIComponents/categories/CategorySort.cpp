#include "CategorySort.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>

namespace zt {

std::string canonicalOrderKey(std::string_view name) {
    const auto source =
        icu::UnicodeString::fromUTF8(icu::StringPiece(name.data(), static_cast<int32_t>(name.size())));
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status))
        return std::string(name);
    const icu::UnicodeString composed = nfc->normalize(source, status);
    if (U_FAILURE(status))
        return std::string(name);
    std::string out;
    composed.toUTF8String(out);
    return out;
}

} // namespace zt
