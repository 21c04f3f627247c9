#include "kit/okno_edycji.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "kit/data_source.h"
#include "kit/fokus.h"
#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"

namespace mirta::kit {

bool ZapytajOZapis(const PytaniaOZapis& pytania, engine::Dataset& tabela, store::Dialogi& dialogi) {
    if (!tabela.Editing())
        return true;
    const std::string& pytanie =
        tabela.State() == engine::DatasetState::Edit ? pytania.zapis : pytania.dopis;
    switch (dialogi.TakNieAnuluj(pytanie, pytania.tytul, store::Ikona::Ostrzezenie,
                                 store::Odpowiedz::Tak)) {
        case store::Odpowiedz::Tak:
            tabela.Post();
            return true;
        case store::Odpowiedz::Nie:
            tabela.Cancel();
            return true;
        default:
            return false;
    }
}

OknoEdycji::OknoEdycji(store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_dialogi(dialogi), m_przyciski(new QHBoxLayout) {
    m_zamknij = ZrobPrzyciskZamknij(*this);
    m_przyciski->addStretch();
    m_przyciski->addWidget(m_zamknij);
}

OknoEdycji::OknoEdycji(const Uslugi& uslugi, QWidget* parent) : OknoEdycji(uslugi.dialogi, parent) {
    m_edycja = &uslugi.edycja;
}

OknoEdycji::~OknoEdycji() {
    // The window's own sources end before its controls are hidden and destroyed, so no control
    // writes a half-typed value as it loses the focus.
    qDeleteAll(findChildren<DataSource*>(Qt::FindDirectChildrenOnly));
    // Not yet handed to a layout when the window failed to build.
    if (!m_przyciski->parent())
        delete m_przyciski;
}

DataSource& OknoEdycji::NoweZrodlo(engine::Dataset& tabela, AutomaticEdit& edycja,
                                   PytaniaOZapis pytania) {
    DataSource& zrodlo = NoweZrodlo(tabela, edycja);
    m_zrodla.back().pytania = std::move(pytania);
    return zrodlo;
}

DataSource& OknoEdycji::NoweZrodlo(engine::Dataset& tabela, AutomaticEdit& edycja) {
    auto* zrodlo = new DataSource(tabela, m_dialogi, edycja, this);
    DodajZrodlo(*zrodlo);
    return *zrodlo;
}

DataSource& OknoEdycji::NoweZrodlo(engine::Dataset& tabela, PytaniaOZapis pytania) {
    return NoweZrodlo(tabela, *m_edycja, std::move(pytania));
}

DataSource& OknoEdycji::NoweZrodlo(engine::Dataset& tabela) {
    return NoweZrodlo(tabela, *m_edycja);
}

void OknoEdycji::DodajZrodlo(DataSource& zrodlo, PytaniaOZapis pytania) {
    m_zrodla.push_back({&zrodlo, std::move(pytania)});
}

void OknoEdycji::DodajZrodlo(DataSource& zrodlo) {
    m_zrodla.push_back({&zrodlo, std::nullopt});
}

QPushButton* OknoEdycji::DodajPrzycisk(const QString& tekst, const char* nazwa,
                                       QStyle::StandardPixmap ikona) {
    QPushButton* b = ZrobPrzycisk(*this, tekst, nazwa, ikona);
    m_przyciski->insertWidget(m_przyciski->indexOf(m_zamknij), b);
    return b;
}

bool OknoEdycji::Bezpiecznie(const std::function<void()>& akcja) {
    return RunGuarded(m_dialogi, akcja);
}

bool OknoEdycji::MoznaZamknac() {
    bool mozna = false;
    Bezpiecznie([&] {
        for (const Zrodlo& z : m_zrodla)
            if (!z.zrodlo->UpdateRecord())
                return;
        for (const Zrodlo& z : m_zrodla)
            if (z.pytania && z.zrodlo->HasData() &&
                !ZapytajOZapis(*z.pytania, z.zrodlo->dataset(), m_dialogi))
                return;
        mozna = true;
    });
    return mozna;
}

void OknoEdycji::done(int wynik) {
    if (!m_zamykane) {
        if (!MoznaZamknac())
            return;
        m_zamykane = true;
        PoZamknieciu();
    }
    QDialog::done(wynik);
}

void OknoEdycji::showEvent(QShowEvent* zdarzenie) {
    // A long-lived window asks again every time it is shown.
    m_zamykane = false;
    // Enter presses no button by itself: the data-changing ones would act on the first row.
    for (QPushButton* b : findChildren<QPushButton*>())
        b->setAutoDefault(false);
    QDialog::showEvent(zdarzenie);
    UstawPoczatkowyFokus(*this);
}

}  // namespace mirta::kit
