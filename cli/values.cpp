#include "cli/values.h"

#include <charconv>

namespace mirta::cli {

std::optional<compute::DataKal> ParseDate(std::string_view text) {
    const compute::DataKal data = compute::DataZTekstu(text);
    if (!data.Poprawna())
        return std::nullopt;
    return data;
}

std::optional<long long> ParseInteger(std::string_view text, long long min, long long max) {
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || value < min ||
        value > max)
        return std::nullopt;
    return value;
}

}  // namespace mirta::cli
