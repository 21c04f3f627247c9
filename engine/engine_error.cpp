#include "engine/engine_error.h"

namespace mirta::engine {

EngineError::EngineError(std::string message, std::string file, std::string operation)
    : std::runtime_error(std::move(message)),
      m_file(std::move(file)),
      m_operation(std::move(operation)) {}

std::string EngineError::Describe() const {
    std::string text = what();
    if (!m_file.empty())
        text += " [" + m_file + "]";
    if (!m_operation.empty())
        text += " (" + m_operation + ")";
    return text;
}

KeyViolation::KeyViolation(std::string file)
    : EngineError("Key violation.", std::move(file), "post") {}

CorruptFile::CorruptFile(const std::string& file, const std::string& detail)
    : EngineError("Uszkodzony plik tabeli " + file + ": " + detail, file, "read") {}

}  // namespace mirta::engine
