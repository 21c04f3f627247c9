#pragma once

#include <stdexcept>
#include <string>

namespace mirta::store {

// A record rule refused an operation. what() is the exact text shown to the user; the operation
// is abandoned and the record keeps its state.
class BladDanych : public std::runtime_error {
public:
    explicit BladDanych(const std::string& komunikat) : std::runtime_error(komunikat) {}
};

// The user answered a rule's question with "no": the operation is abandoned without a message.
class OdmowaUzytkownika : public BladDanych {
public:
    OdmowaUzytkownika() : BladDanych("") {}
};

}  // namespace mirta::store
