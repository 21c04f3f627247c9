#pragma once

#include <stdexcept>
#include <string>

namespace mirta::kopia {

// A backup or restore that cannot go on; the text is the Polish message for the user.
class BladKopii : public std::runtime_error {
public:
    explicit BladKopii(const std::string& tekst) : std::runtime_error(tekst) {}
};

}  // namespace mirta::kopia
