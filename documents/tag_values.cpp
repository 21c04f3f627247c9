#include "documents/tag_values.h"

namespace mirta::documents {

FixedTagValues::FixedTagValues(std::vector<std::pair<std::string, std::string>> values)
    : m_values(std::move(values)) {
    for (const auto& [tag, value] : m_values)
        m_tags.push_back(tag);
}

std::optional<std::string> FixedTagValues::Value(std::string_view tag) {
    for (const auto& [known, value] : m_values)
        if (known == tag)
            return value;
    return std::nullopt;
}

}  // namespace mirta::documents
