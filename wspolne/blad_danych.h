#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace mirta::store {

// A record rule refused an operation. what() is the exact text shown to the user; the operation
// is abandoned and the record keeps its state. A refusal about one field names it, so the window
// can put the cursor there.
class BladDanych : public std::runtime_error {
public:
    explicit BladDanych(const std::string& komunikat, std::string pole = {})
        : std::runtime_error(komunikat), m_pole(std::move(pole)) {}

    // The field the message is about; empty when it concerns the record as a whole.
    const std::string& Pole() const { return m_pole; }

private:
    std::string m_pole;
};

// The user answered a rule's question with "no": the operation is abandoned without a message.
class OdmowaUzytkownika : public BladDanych {
public:
    OdmowaUzytkownika() : BladDanych("") {}
};

}  // namespace mirta::store
