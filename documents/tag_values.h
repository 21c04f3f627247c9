#pragma once

// Where tag values come from. The vocabulary (every tag a template may hold and how its value
// is computed for an employee) implements this; substitution and the template check use it.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirta::documents {

class TagValues {
public:
    virtual ~TagValues() = default;

    // Every tag of the vocabulary, spelled as templates spell it ("<<NAZWISKO>>", "<<i| >>").
    virtual const std::vector<std::string>& Tags() const = 0;
    // The value of one of Tags(), computed when asked; nothing leaves the tag as it stands.
    virtual std::optional<std::string> Value(std::string_view tag) = 0;
};

// A fixed set of tags with fixed values (titles, previews, tests, benchmarks).
class FixedTagValues : public TagValues {
public:
    explicit FixedTagValues(std::vector<std::pair<std::string, std::string>> values);

    const std::vector<std::string>& Tags() const override { return m_tags; }
    std::optional<std::string> Value(std::string_view tag) override;

private:
    std::vector<std::pair<std::string, std::string>> m_values;
    std::vector<std::string> m_tags;
};

}  // namespace mirta::documents
