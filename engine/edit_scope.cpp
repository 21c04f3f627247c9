#include "engine/edit_scope.h"

namespace mirta::engine {

EditScope::EditScope(Dataset& dataset, Mode mode) : m_dataset(dataset) {
    if (mode == Mode::Insert)
        m_dataset.Insert();
    else
        m_dataset.Edit();
}

EditScope::~EditScope() {
    if (m_done || !m_dataset.Editing())
        return;
    try {
        m_dataset.Cancel();
    } catch (...) {
        // The error that ended the scope is the one to report.
    }
}

void EditScope::Post() {
    m_dataset.Post();
    m_done = true;
}

}  // namespace mirta::engine
