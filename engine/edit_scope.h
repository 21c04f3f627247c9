#pragma once

#include "engine/dataset.h"

namespace mirta::engine {

// Starts an edit or an insert of a dataset and cancels it when the scope ends without a
// successful Post: an exception in between leaves no half-filled buffer behind the message.
class EditScope {
public:
    enum class Mode { Edit, Insert };

    // Throws what Edit() or Insert() throws; then there is nothing to cancel.
    [[nodiscard]] EditScope(Dataset& dataset, Mode mode);
    ~EditScope();
    EditScope(const EditScope&) = delete;
    EditScope& operator=(const EditScope&) = delete;

    // Posts the buffer; on failure the scope still cancels it.
    void Post();

private:
    Dataset& m_dataset;
    bool m_done = false;
};

}  // namespace mirta::engine
