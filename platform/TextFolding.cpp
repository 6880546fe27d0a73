#include "TextFolding.h"

#include <algorithm>
#include <unicode/normalizer2.h>
#include <unicode/uchar.h>
#include <unicode/unistr.h>

namespace zt {

namespace {

icu::UnicodeString foldForSearch(std::string_view text) {
    auto source =
        icu::UnicodeString::fromUTF8(icu::StringPiece(text.data(), static_cast<int32_t>(text.size())));
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* nfd = icu::Normalizer2::getNFDInstance(status);
    icu::UnicodeString decomposed = U_SUCCESS(status) ? nfd->normalize(source, status) : source;
    if (U_FAILURE(status))
        decomposed = source;
    icu::UnicodeString bare;
    for (int32_t i = 0; i < decomposed.length();) {
        const UChar32 c = decomposed.char32At(i);
        if (u_charType(c) != U_NON_SPACING_MARK)
            bare.append(c);
        i += U16_LENGTH(c);
    }
    // Full folding maps "ß" to "ss", so both spellings meet.
    bare.foldCase(U_FOLD_CASE_DEFAULT);
    return bare;
}

} // namespace

std::string foldedForSearch(std::string_view text) {
    // Plain ASCII needs no decomposition and folds to lower case: the common case, done cheaply.
    if (std::all_of(text.begin(), text.end(), [](unsigned char c) { return c < 0x80; })) {
        std::string lower(text);
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) {
            return static_cast<char>(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
        });
        return lower;
    }
    std::string out;
    foldForSearch(text).toUTF8String(out);
    return out;
}

} // namespace zt
