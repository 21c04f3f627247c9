#include "payroll/ui/przegrywanie_okno.h"

#include <QButtonGroup>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

#include "kit/odmowa.h"
#include "kit/panel_czekania.h"
#include "kit/run_guarded.h"
#include "payroll/przegrywanie.h"
#include "store/tdm.h"
#include "store/uprawnienia.h"

namespace mirta::payroll::ui {

namespace {

// A titled group of two choices, the first one selected; returns the first.
QRadioButton* DwieMozliwosci(QWidget* okno, QVBoxLayout* uklad, const char* tytul,
                             const char* nazwaGrupy,
                             std::initializer_list<std::pair<const char*, const char*>> pozycje) {
    auto* grupa = new QGroupBox(tytul, okno);
    grupa->setObjectName(nazwaGrupy);
    auto* ukladGrupy = new QVBoxLayout(grupa);
    auto* wybor = new QButtonGroup(grupa);
    QRadioButton* pierwsza = nullptr;
    for (const auto& [nazwa, tekst] : pozycje) {
        auto* r = new QRadioButton(tekst, grupa);
        r->setObjectName(nazwa);
        wybor->addButton(r);
        ukladGrupy->addWidget(r);
        if (!pierwsza)
            pierwsza = r;
    }
    pierwsza->setChecked(true);
    uklad->addWidget(grupa);
    return pierwsza;
}

}  // namespace

bool PlikiPlacoweSa(store::TDM& tdm, store::Dialogi& dialogi) {
    const auto brak = BrakujacyPlikPlacowy(tdm.Fs(), tdm.DataDirectory());
    if (brak)
        dialogi.Blad(*brak, kTytulKontroliDanych);
    return !brak;
}

TFPrzegrywanieDoPlac::TFPrzegrywanieDoPlac(store::TDM& tdm, store::Dialogi& dialogi,
                                           QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFPrzegrywanieDoPlac");
    setWindowTitle("Przegrywanie danych do płac.");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* uklad = new QVBoxLayout(this);
    m_mazowia = DwieMozliwosci(this, uklad, "Polskie litery w płacach", "RadioGroupLitery",
                               {{"RadioMazowia", "Mazowia"}, {"RadioLatin2", "Latin 2"}});
    m_identyfikator = DwieMozliwosci(this, uklad, "Numer pracownika brać jako:", "RadioGroupNumer",
                                     {{"RadioIdentyfikator", "Identyfikator z kadr"},
                                      {"RadioNumerPracownika", "Numer pracownika w kadrach"}});

    const kit::PanelCzekania panel =
        kit::ZrobPanelCzekania(*this, "Trwa przegrywanie, proszę czekać.");
    m_panel = panel.ramka;
    m_postep = kit::DodajLiniePostepu(panel, "LabelPostep");
    uklad->addWidget(m_panel);

    m_przegrywaj = new QPushButton(style()->standardIcon(QStyle::SP_DialogApplyButton),
                                   "Przegrywaj dane", this);
    m_przegrywaj->setObjectName("ButtonPrzegrywaj");
    m_przegrywaj->setDefault(true);
    m_zamknij =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Zamknij", this);
    m_zamknij->setObjectName("ButtonZamknij");
    m_zamknij->setAutoDefault(false);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    for (QPushButton* b : {m_przegrywaj, m_zamknij}) {
        b->setMinimumWidth(110);
        przyciski->addWidget(b);
    }
    uklad->addSpacing(6);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    kit::PokazOdmowe(*m_przegrywaj, store::OdmowaZmiany(m_tdm.Sesja()));

    connect(m_przegrywaj, &QPushButton::clicked, this, &TFPrzegrywanieDoPlac::PrzegrajDanePlacowe);
    connect(m_zamknij, &QPushButton::clicked, this, &QDialog::reject);
}

void TFPrzegrywanieDoPlac::PokazPostep(int64_t przegranych) {
    m_postep->setText(QString("Przegrano pracowników: %1 z %2").arg(przegranych).arg(m_wszystkich));
    // The export runs on this thread: paint now rather than when it is over.
    m_panel->repaint();
}

void TFPrzegrywanieDoPlac::PrzegrajDanePlacowe() {
    const OpcjePrzegrywania opcje{
        m_mazowia->isChecked() ? StandardLiter::Mazowia : StandardLiter::Latin2,
        m_identyfikator->isChecked() ? ZrodloNumeru::Identyfikator : ZrodloNumeru::NumerPracownika};
    const PostepPrzegrywania postep{[this](int64_t wszystkich) {
                                        m_wszystkich = wszystkich;
                                        m_przegrywaj->setEnabled(false);
                                        m_zamknij->setEnabled(false);
                                        m_panel->show();
                                        PokazPostep(0);
                                    },
                                    [this](int64_t przegranych) { PokazPostep(przegranych); }};
    WynikPrzegrania wynik;
    kit::RunGuarded(m_dialogi, [&] {
        wynik = payroll::PrzegrajDanePlacowe(m_tdm.Fs(), m_tdm.DataDirectory(), *m_tdm.TPracownicy,
                                             m_tdm.Sesja(), opcje, m_dialogi, postep);
    });
    m_panel->hide();
    kit::PokazOdmowe(*m_przegrywaj, store::OdmowaZmiany(m_tdm.Sesja()));
    m_zamknij->setEnabled(true);
    // After a stop part-way the summary says who is left; a refusal before writing has its
    // own message.
    if (wynik.stan == WynikPrzegrania::Stan::Przegrano || wynik.nieprzegranych > 0)
        m_dialogi.Informacja(PodsumowaniePrzegrania(wynik), "Przegrywanie danych do płac.");
    if (wynik.stan == WynikPrzegrania::Stan::Przegrano)
        accept();
}

}  // namespace mirta::payroll::ui
