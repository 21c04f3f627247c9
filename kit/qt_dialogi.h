#pragma once

#include <QMessageBox>
#include <QPointer>

#include "wspolne/dialogi.h"

namespace mirta::kit {

// Dialogi shown as modal message boxes over `parent` (or the active window). Buttons read
// Tak, Nie, Anuluj and OK once SetUpPolish has loaded Qt's Polish texts.
class QtDialogi final : public store::Dialogi {
public:
    explicit QtDialogi(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }

    void Blad(const std::string& tekst, const std::string& tytul) override;
    void Ostrzezenie(const std::string& tekst, const std::string& tytul) override;
    void Informacja(const std::string& tekst, const std::string& tytul) override;
    void Komunikat(const std::string& tekst, const std::string& tytul) override;
    store::Odpowiedz TakNie(const std::string& tekst, const std::string& tytul, store::Ikona ikona,
                            store::Odpowiedz domyslna) override;
    store::Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string& tytul,
                                  store::Ikona ikona, store::Odpowiedz domyslna) override;

private:
    QMessageBox::StandardButton Show(QMessageBox::Icon icon, const std::string& tekst,
                                     const std::string& tytul, QMessageBox::StandardButtons buttons,
                                     QMessageBox::StandardButton defaultButton);

    QPointer<QWidget> m_parent;
};

}  // namespace mirta::kit
