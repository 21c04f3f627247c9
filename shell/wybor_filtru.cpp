#include "shell/wybor_filtru.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "store/tdm.h"

namespace mirta::shell {

namespace {

struct PoleFiltru {
    const char* nazwa;
    const char* tekst;
    bool store::FiltrPracownikow::*ustawienie;
};

constexpr PoleFiltru kPola[] = {
    {"CheckUmowy", "Pracownicy na umowę o dzieła / zlecenie.",
     &store::FiltrPracownikow::PokazUmowy},
    {"CheckZwolnieni", "Pracownicy zwolnieni.", &store::FiltrPracownikow::PokazZwolnionych},
    {"CheckFunkcjonariusze", "Funkcjonariusze.", &store::FiltrPracownikow::PokazFunkcjonariuszy},
    {"CheckCywilni", "Pracownik cywilny.", &store::FiltrPracownikow::PokazCywilow},
    {"CheckSluzbaCywilna", "Pracownik służb cywilnych.",
     &store::FiltrPracownikow::PokazSluzbeCywilna},
    {"CheckEmeryci", "Emeryt pobierający świadczenia", &store::FiltrPracownikow::PokazEmerytow},
};
static_assert(std::size(kPola) == 6);

}  // namespace

TFWyborFiltru::TFWyborFiltru(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFWyborFiltru");
    setWindowTitle("Wybór pracowników do wyświetlenia");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* grupa = new QGroupBox("Jakich pracowników wybierać:", this);
    auto* ukladGrupy = new QVBoxLayout(grupa);
    ukladGrupy->setSpacing(8);
    const store::FiltrPracownikow& filtr = m_tdm.Filtr();
    for (size_t i = 0; i < m_pola.size(); ++i) {
        auto* pole = new QCheckBox(kPola[i].tekst, grupa);
        pole->setObjectName(kPola[i].nazwa);
        pole->setChecked(filtr.*kPola[i].ustawienie);
        ukladGrupy->addWidget(pole);
        m_pola[i] = pole;
    }

    const kit::PrzyciskiOkna przyciski =
        kit::ZrobPrzyciskiOkna(*this, QStyle::SP_DialogApplyButton, "&Zastosuj", "ButtonZastosuj");

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(grupa);
    uklad->addLayout(przyciski.uklad);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(przyciski.potwierdz, &QPushButton::clicked, this, &TFWyborFiltru::Zastosuj);
}

void TFWyborFiltru::Zastosuj() {
    store::FiltrPracownikow& filtr = m_tdm.Filtr();
    const store::FiltrPracownikow poprzedni = filtr;
    for (size_t i = 0; i < m_pola.size(); ++i)
        filtr.*kPola[i].ustawienie = m_pola[i]->isChecked();
    // The refresh posts a pending edit of the employee; when that is refused the list still
    // shows the old choice, so the settings go back to it and the window stays open.
    if (!kit::RunGuarded(m_dialogi, [this] { m_tdm.OdswiezListePracownikow(); })) {
        filtr = poprzedni;
        return;
    }
    accept();
}

}  // namespace mirta::shell
