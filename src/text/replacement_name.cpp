#include "text/replacement_name.h"

#include <limits>

#include "text/case_fold.h"

namespace text {
namespace {

constexpr std::u16string_view kSuffix = u".tmp";

std::u16string Decimal(std::uint64_t value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

// A decimal number as the writer prints it (no sign, no leading zero), up to `max`.
std::optional<std::uint64_t> ParseDecimal(std::u16string_view digits, std::uint64_t max) {
    if (digits.empty() || (digits.size() > 1 && digits.front() == u'0')) return std::nullopt;
    std::uint64_t value = 0;
    for (char16_t unit : digits) {
        if (unit < u'0' || unit > u'9') return std::nullopt;
        std::uint64_t digit = unit - u'0';
        if (value > (max - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

}  // namespace

std::u16string ReplacementFileName(std::u16string_view target, std::uint32_t processId, std::uint64_t tick,
                                   int attempt) {
    return std::u16string(target) + u"." + Decimal(processId) + u"-" + Decimal(tick) + u"-" +
           Decimal(static_cast<std::uint64_t>(attempt)) + std::u16string(kSuffix);
}

std::optional<std::uint32_t> ReplacementWriterId(std::u16string_view fileName, std::u16string_view targetName) {
    if (targetName.empty() || fileName.size() <= targetName.size() + 1 + kSuffix.size()) return std::nullopt;
    if (!NamesEqualIgnoringCase(fileName.substr(0, targetName.size()), targetName)) return std::nullopt;
    std::u16string_view rest = fileName.substr(targetName.size());
    if (rest.front() != u'.' || !rest.ends_with(kSuffix)) return std::nullopt;
    std::u16string_view numbers = rest.substr(1, rest.size() - 1 - kSuffix.size());

    std::size_t firstDash = numbers.find(u'-');
    std::size_t secondDash = numbers.find(u'-', firstDash == std::u16string_view::npos ? firstDash : firstDash + 1);
    if (secondDash == std::u16string_view::npos) return std::nullopt;
    auto pid = ParseDecimal(numbers.substr(0, firstDash), std::numeric_limits<std::uint32_t>::max());
    auto tick = ParseDecimal(numbers.substr(firstDash + 1, secondDash - firstDash - 1),
                             std::numeric_limits<std::uint64_t>::max());
    auto attempt = ParseDecimal(numbers.substr(secondDash + 1), std::numeric_limits<int>::max());
    if (!pid || !tick || !attempt) return std::nullopt;
    return static_cast<std::uint32_t>(*pid);
}

}  // namespace text
