// The main window's commands that open other windows. Each is created when opened, shown
// modally and destroyed when closed.
#include <QMenu>
#include <memory>
#include <new>

#include "kit/run_guarded.h"
#include "kopia/ui/kopia_okno.h"
#include "naprawa/ui/naprawa_okno.h"
#include "payroll/ui/przegrywanie_okno.h"
#include "reports/ui/terminy_okno.h"
#include "reports/ui/wydruki_okno.h"
#include "shell/dane_firmy.h"
#include "shell/glowny.h"
#include "shell/info.h"
#include "shell/strony_pracownika.h"
#include "shell/uzytkownicy.h"
#include "shell/wybor_filtru.h"
#include "shell/zmiana_hasla.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/ui/dziennik_okno.h"
#include "store/ui/kalendarz_dni.h"
#include "store/ui/karta_pracy.h"
#include "store/ui/okna_slownikow.h"
#include "store/ui/okna_wspolne.h"
#include "store/ui/podzial_organizacyjny.h"
#include "store/ui/struktura_etatow.h"
#include "store/ui/urlopy_nalezne.h"
#include "store/ui/wyprowadzenie_stazu_okno.h"

namespace mirta::shell {

namespace {

// `utworz` makes the window; a window that cannot be made is reported, nothing opens.
template <typename Utworz>
void Otworz(store::Dialogi& dialogi, Utworz utworz) {
    std::unique_ptr<QDialog> okno;
    if (kit::RunGuarded(dialogi, [&] { okno = utworz(); }))
        okno->exec();
}

constexpr const char* kPodzialOrganizacyjny = "TFPoidzialOrganizacyjny";

}  // namespace

// The dictionaries in menu order, the organisational division among them after the civil
// staff bonus.
void TFGlowny::DodajSlowniki(QMenu* menu) {
    for (const store::ui::PozycjaMenuSlownika& p : store::ui::MenuSlownikow()) {
        QAction* a = menu->addAction(store::ui::Q(p.tekstMenu));
        a->setObjectName(store::ui::Q(p.nazwaOkna));
        const store::ui::OknoSlownika okno = p.okno;
        connect(a, &QAction::triggered, this, [this, okno] {
            kit::RunGuarded(m_dialogi,
                            [&] { store::ui::OtworzSlownik(okno, 0, UslugiOkien(), this); });
        });
        if (p.okno == store::ui::OknoSlownika::PremieCywili) {
            QAction* podzial = menu->addAction("Podział organizacyjny firmy");
            podzial->setObjectName(kPodzialOrganizacyjny);
            connect(podzial, &QAction::triggered, this, &TFGlowny::PodzialOrganizacyjny);
        }
    }
}

// A "..." button of the employee's pages: the dictionary in choice mode for its field.
void TFGlowny::WyborZeSlownika(const QString& okno, int numer) {
    if (okno == kPodzialOrganizacyjny) {
        Otworz(m_dialogi, [&] {
            return std::make_unique<store::ui::TFPoidzialOrganizacyjny>(
                UslugiOkien(), static_cast<store::PodzialOrganizacyjny::Tryb>(numer), this);
        });
        return;
    }
    const auto slownik = store::ui::OknoONazwie(okno.toStdString());
    if (!slownik)
        return;
    kit::RunGuarded(m_dialogi,
                    [&] { store::ui::OtworzSlownik(*slownik, numer, UslugiOkien(), this); });
}

void TFGlowny::Kalendarz() {
    Otworz(m_dialogi,
           [&] { return std::make_unique<store::ui::TFKalendarz>(m_tdm, m_dialogi, this); });
}

void TFGlowny::PodzialOrganizacyjny() {
    WyborZeSlownika(kPodzialOrganizacyjny, 0);
}

void TFGlowny::StrukturaEtatow() {
    Otworz(m_dialogi,
           [&] { return std::make_unique<store::ui::TFStrukturaEtatow>(UslugiOkien(), this); });
}

void TFGlowny::OtworzKartePracy() {
    Otworz(m_dialogi, [&] {
        return std::make_unique<store::ui::TFKalendarzPracownika>(UslugiOkien(), m_godziny, this);
    });
}

void TFGlowny::ZmianaHasla() {
    Otworz(m_dialogi, [&] { return std::make_unique<TFZmianaHasla>(m_tdm, m_dialogi, this); });
}

void TFGlowny::Uzytkownicy() {
    Otworz(m_dialogi, [&] { return std::make_unique<TFUzytkownicy>(UslugiOkien(), this); });
}

void TFGlowny::DaneStrazy() {
    Otworz(m_dialogi, [&] { return std::make_unique<TFDaneFirmy>(UslugiOkien(), this); });
}

void TFGlowny::Informacje() {
    Otworz(m_dialogi, [&] { return std::make_unique<TFInfo>(m_tdm, m_dialogi, this); });
}

void TFGlowny::PrzegrajDoPlac() {
    if (!payroll::ui::PlikiPlacoweSa(m_tdm, m_dialogi))
        return;
    Otworz(m_dialogi, [&] {
        return std::make_unique<payroll::ui::TFPrzegrywanieDoPlac>(m_tdm, m_dialogi, this);
    });
}

void TFGlowny::UrlopyNalezne() {
    Otworz(m_dialogi,
           [&] { return std::make_unique<store::ui::TFUrlopyNalezne>(UslugiOkien(), this); });
}

void TFGlowny::Wydruki() {
    Otworz(m_dialogi, [&] {
        auto okno =
            std::make_unique<reports::ui::TFWydruki>(UslugiOkien(), m_definicjaWydruku, this);
        okno->UstawEdytor(&EdytorTekstu());
        return okno;
    });
}

void TFGlowny::KopiaDanych() {
    Otworz(m_dialogi,
           [&] { return std::make_unique<kopia::ui::TFKopiaDanych>(m_tdm, m_dialogi, this); });
}

void TFGlowny::NaprawaTabel() {
    Otworz(m_dialogi, [&] {
        naprawa::ui::TFNaprawaTabel::Sesja sesja{
            m_tdm.DataDirectory(), m_tdm.Sesja().NazwaKrotka, m_tdm.Sesja().Administrator,
            [this] { return kopia::ui::KopiaPrzedZamknieciemRoku(m_tdm, m_dialogi, this); }};
        return std::make_unique<naprawa::ui::TFNaprawaTabel>(sesja, m_dialogi, this);
    });
}

int32_t TFGlowny::BiezacyPracownik() const {
    if (!m_tdm.TPracownicy.IsOpen())
        return 0;
    const engine::Value& id = m_tdm.TPracownicy->Field("Identyfikator");
    return id.IsNull() ? 0 : static_cast<int32_t>(id.AsInteger());
}

void TFGlowny::WyprowadzenieStazu() {
    const int32_t id = BiezacyPracownik();
    if (id == 0) {
        m_dialogi.Blad("Brak pracownika !!!", store::kTytulBledu);
        return;
    }
    Otworz(m_dialogi, [&] {
        return std::make_unique<store::ui::TFWyprowadzenieStazu>(m_tdm, m_tdm1, m_dialogi, id,
                                                                 this);
    });
}

void TFGlowny::DziennikZmian() {
    Otworz(m_dialogi, [&] {
        return std::make_unique<store::ui::TFDziennikZmian>(m_tdm, m_dialogi, BiezacyPracownik(),
                                                            this);
    });
}

// A row double-clicked in the list opens that employee's file.
void TFGlowny::Terminy() {
    int32_t pracownik = 0;
    Otworz(m_dialogi, [&] {
        auto okno = std::make_unique<reports::ui::TFTerminy>(m_tdm, m_tdm1, m_dialogi, this);
        connect(okno.get(), &QDialog::accepted, this,
                [&pracownik, o = okno.get()] { pracownik = o->WybranyPracownik(); });
        return okno;
    });
    if (pracownik)
        PrzejdzDoStrony(pracownik, "");
}

void TFGlowny::WyborPracownikow() {
    Otworz(m_dialogi, [&] { return std::make_unique<TFWyborFiltru>(m_tdm, m_dialogi, this); });
}

}  // namespace mirta::shell
