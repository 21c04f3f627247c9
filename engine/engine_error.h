#pragma once

#include <stdexcept>
#include <string>

namespace mirta::engine {

// A failure of the table engine: I/O, a corrupt or unsupported file, a refused operation.
// what() is the user-facing text; file() and operation() say where it happened.
class EngineError : public std::runtime_error {
public:
    EngineError(std::string message, std::string file = {}, std::string operation = {});

    const std::string& file() const { return m_file; }
    const std::string& operation() const { return m_operation; }
    // Message with the file and operation appended, for logs and reports.
    std::string Describe() const;

private:
    std::string m_file;
    std::string m_operation;
};

// The engine's refusal of a second row with an equal unique key.
class KeyViolation : public EngineError {
public:
    explicit KeyViolation(std::string file = {});
};

// The file's bytes do not form a valid table.
class CorruptFile : public EngineError {
public:
    CorruptFile(const std::string& file, const std::string& detail);
};

}  // namespace mirta::engine
