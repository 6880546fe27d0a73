#include "ListFormatter.h"

#include "Environment.h"
#include "LocaleNames.h"

#include <mutex>
#include <unicode/listformatter.h>

namespace zt {

struct ListFormatter::Impl {
    std::string locale; // empty: the environment's
    mutable std::string builtFor;
    mutable std::unique_ptr<icu::ListFormatter> format; // for builtFor; null: cannot format
    mutable bool isBuilt = false;
    mutable std::mutex mutex;

    std::string effectiveLocale() const {
        return locale.empty() ? Environment::current().localeIdentifier() : locale;
    }

    // Must hold the mutex.
    icu::ListFormatter* prepared() const {
        std::string loc = effectiveLocale();
        if (isBuilt && builtFor == loc)
            return format.get();
        isBuilt = true;
        builtFor = std::move(loc);
        format.reset();
        const icu::Locale icuLocale = icu_bridge::locale(builtFor);
        if (icuLocale.isBogus())
            return nullptr;
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::ListFormatter> made(
            icu::ListFormatter::createInstance(icuLocale, ULISTFMT_TYPE_AND, ULISTFMT_WIDTH_WIDE, status));
        if (U_SUCCESS(status))
            format = std::move(made);
        return format.get();
    }
};

ListFormatter::ListFormatter(std::string localeIdentifier) : impl_(std::make_unique<Impl>()) {
    impl_->locale = std::move(localeIdentifier);
}

ListFormatter::ListFormatter(const ListFormatter& other) : ListFormatter(other.impl_->locale) {}

ListFormatter& ListFormatter::operator=(const ListFormatter& other) {
    if (this != &other)
        *this = ListFormatter(other);
    return *this;
}

ListFormatter::ListFormatter(ListFormatter&&) noexcept = default;
ListFormatter& ListFormatter::operator=(ListFormatter&&) noexcept = default;
ListFormatter::~ListFormatter() = default;

std::string ListFormatter::localeIdentifier() const {
    return impl_->effectiveLocale();
}

std::optional<std::string> ListFormatter::string(const std::vector<std::string>& items) const {
    std::vector<icu::UnicodeString> texts;
    texts.reserve(items.size());
    for (const std::string& item : items)
        texts.push_back(icu_bridge::ustring(item));
    icu::UnicodeString out;
    UErrorCode status = U_ZERO_ERROR;
    {
        std::lock_guard lock(impl_->mutex);
        icu::ListFormatter* format = impl_->prepared();
        if (!format)
            return std::nullopt;
        format->format(texts.data(), static_cast<int32_t>(texts.size()), out, status);
    }
    if (U_FAILURE(status))
        return std::nullopt;
    return icu_bridge::utf8(out);
}

std::optional<std::string> ListFormatter::localizedString(const std::vector<std::string>& items,
                                                          std::string localeIdentifier) {
    return ListFormatter(std::move(localeIdentifier)).string(items);
}

} // namespace zt
