#pragma once

#include "kit/okno_edycji.h"
#include "kit/uslugi.h"

class QPushButton;

namespace mirta::kit {
class AutomaticEdit;
class DataSource;
}  // namespace mirta::kit

namespace mirta::store {
class TDM1;
}

namespace mirta::documents {

// "Aktualizacja szablonów wydruków.": the list of registered templates (Wydruki.DB) with the
// fields of the current one and a button that picks its file.
class TFSzablonyWydrukow : public kit::OknoEdycji {
    Q_OBJECT
public:
    explicit TFSzablonyWydrukow(const kit::Uslugi& u, QWidget* parent = nullptr)
        : TFSzablonyWydrukow(u.tdm1, u.dialogi, u.edycja, parent) {}
    ~TFSzablonyWydrukow() override;

    // The file button's work once a file was chosen: the record goes into edit state when
    // needed and takes the file's full path.
    void UstawPlik(const QString& plik);

private:
    TFSzablonyWydrukow(store::TDM1& tdm1, store::Dialogi& dialogi,
                       kit::AutomaticEdit& edycjaAutomatyczna, QWidget* parent);
    void WybierzPlik();

    store::TDM1& m_tdm1;
    kit::DataSource* m_zrodlo = nullptr;
};

}  // namespace mirta::documents
