// The start sequence of the main window: the login, then the session's settings.
#include <QAction>
#include <QDate>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

#include "compute/teksty_dat.h"
#include "kit/db_grid.h"
#include "kit/db_navigator.h"
#include "kit/propozycja_naprawy.h"
#include "kit/run_guarded.h"
#include "naprawa/naprawa.h"
#include "shell/glowny.h"
#include "shell/strony_pracownika.h"
#include "shell/uklady_siatek.h"
#include "shell/zamykanie.h"
#include "store/otwarcie_tabel.h"
#include "store/stawki.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/zamkniecie_roku.h"
#include "wspolne/dziennik.h"

namespace mirta::shell {

namespace {

std::string DlugaData(int rok, int miesiac, int dzien) {
    compute::DataKal d{rok, static_cast<uint8_t>(miesiac), static_cast<uint8_t>(dzien)};
    return compute::TekstDaty(d, 'U', /*slownie=*/true);
}

bool PlikIstnieje(store::DataModule& modul, const std::string& sciezka) {
    auto& fs = modul.Fs();
    return fs.Exists(engine::ResolvePath(fs, modul.DataDirectory() + "/" + sciezka));
}

}  // namespace

bool TFGlowny::SekwencjaStartowa() {
    if (!m_pierwszaAktywacja)
        return true;
    WidocznoscPolecen();
    PokazPracePrzyStarcie(false);
    if (m_logowanie)
        m_logowanie(this);
    if (!m_tdm.Sesja().Zalogowany()) {
        m_pierwszaAktywacja = false;
        m_zamknijBezPytania = true;
        return false;
    }
    store::DziennikProgramu().UstawUzytkownika(m_tdm.Sesja().NazwaKrotka);
    // A table found damaged while working: the administrator is offered the repair.
    kit::UstawPropozycjeNaprawy([this](const std::string& komunikat) {
        if (!m_tdm.Sesja().Administrator) {
            m_dialogi.Blad(komunikat, store::kTytulBledu);
            return;
        }
        if (m_dialogi.TakNie(komunikat + "\n\nCzy uruchomić naprawę tabel ?",
                             naprawa::kTytulNaprawy, store::Ikona::Ostrzezenie,
                             store::Odpowiedz::Nie) == store::Odpowiedz::Tak)
            NaprawaTabel();
    });
    if (m_zmianaHaslaPoZalogowaniu && m_tdm.Sesja().MusiUstawicHaslo)
        ZmianaHasla();
    const store::SesjaUzytkownika& sesja = m_tdm.Sesja();
    PokazPasekStanu();

    kit::RunGuarded(m_dialogi, [&] {
        m_tdm1.OpenAll(store::Otwieranie::PoZalogowaniu);
        m_tdm.Open(m_tdm.TKalendarz);
    });
    {
        std::vector<std::string> uwagi = store::UwagiOStronieKodowej(m_tdm.Remarks());
        for (std::string& u : store::UwagiOStronieKodowej(m_tdm1.Remarks()))
            uwagi.push_back(std::move(u));
        std::string tekst;
        for (const std::string& u : uwagi)
            tekst += (tekst.empty() ? "" : "\n") + u;
        if (!tekst.empty())
            m_dialogi.Ostrzezenie(tekst, "Kontrola danych.");
    }
    PokazPracePrzyStarcie(true);
    UstawAktaSesji();

    // New employees come from the payroll program unless this system keeps the identity data.
    bool aktualizacjaPlacowych = false;
    kit::RunGuarded(m_dialogi, [&] {
        engine::Dataset& parametry = *m_tdm.TParametry;
        if (!parametry.IsEmpty()) {
            const engine::Value v = parametry.RowAt(0)["AktualizacjaDanychPlacowy"];
            aktualizacjaPlacowych = !v.IsNull() && v.AsLogical();
        }
    });
    m_nawigator->SetButtonVisible(kit::NavButton::Insert, aktualizacjaPlacowych);
    m_strony->UstawAktualizacjeDanychPlacowych(aktualizacjaPlacowych);

    PokazCzekanie("Proszę czekać. Trwa odczyt ustawien osobistych");
    auto blad = [this](const std::exception& e) {
        kit::LogFailure(kBladUstawienOsobistych, e);
        m_dialogi.Blad(kBladUstawienOsobistych, kTytulZakonczenia);
    };
    try {
        m_tdm.Stawki().PrzeladujJesliZmienione(m_tdm);
    } catch (const std::exception& e) {
        blad(e);
    }
    m_pierwszaAktywacja = false;
    kit::RunGuarded(m_dialogi, [&] {
        m_strony->PoZalogowaniu();
        m_tdm.OdswiezListePracownikow();
    });
    m_nawigator->Attach();
    m_lista->Attach();
    PokazCzekanie("Proszę czekać. Trwa odczyt ustawień osobistych.");
    try {
        Zastosuj(m_tdm1, *m_lista, m_strony->SiatkaPoprzednichZatrudnien());
    } catch (const std::exception& e) {
        blad(e);
    }
    UkryjCzekanie();

    ZastosujUprawnienia();
    // A year an older version left half closed may still be closed, to repair it.
    m_zamkniecieRokuDozwolone = !sesja.RokUrlopowyZamkniety ||
                                store::ZamkniecieNiepelne(m_tdm1, sesja.DataPrzetwarzania.year);
    if (QAction* a = Polecenie("zamkniecieRoku"))
        a->setEnabled(a->isEnabled() && m_zamkniecieRokuDozwolone);
    if (QAction* a = Polecenie("dograjUrlopy"))
        a->setVisible(sesja.DataPrzetwarzania.year == 2006 && !sesja.RokUrlopowyZamkniety);

    UstawEdycjeAutomatyczna(!sesja.Pole1);
    if (sesja.TrybUrlopowy)
        ZastosujTrybUrlopowy();
    OdswiezPolecenia();
    m_lista->setFocus();
    return true;
}

// Commands whose data are not there at all are not shown.
void TFGlowny::WidocznoscPolecen() {
    m_menu.at("spd")->menuAction()->setVisible(PlikIstnieje(m_tdm, "SPD/Harmonogram.DB"));
    if (QAction* a = Polecenie("przegrajDoPlac"))
        a->setVisible(PlikIstnieje(m_tdm, "ROVANTE/MIRTA.DBF"));
}

void TFGlowny::PokazPasekStanu() {
    const store::SesjaUzytkownika& sesja = m_tdm.Sesja();
    const auto& d = sesja.DataPrzetwarzania;
    const QDate dzis = QDate::currentDate();
    m_panelData->setText(
        QString::fromStdString(" Data przetwarzania: " + DlugaData(d.year, d.month, d.day)));
    m_panelDzis->setText(QString::fromStdString(" Data bieżąca: " +
                                                DlugaData(dzis.year(), dzis.month(), dzis.day())));
    m_panelUzytkownik->setText(QString::fromStdString(" Użytkownik: " + sesja.NazwaPelna));
    const QString katalog = QDir::toNativeSeparators(QString::fromStdString(m_tdm.DataDirectory()));
    m_panelKatalog->setText(" Dane: " + katalog);
    m_panelKatalog->setToolTip("Katalog danych: " + katalog);
    m_liczbaPracownikow = m_tdm.TPracownicy->Observe([this](const engine::DatasetChange& z) {
        using Rodzaj = engine::DatasetChange::Kind;
        if (z.kind == Rodzaj::Reset || z.kind == Rodzaj::RowInserted ||
            z.kind == Rodzaj::RowDeleted)
            PokazLiczbePracownikow();
    });
    PokazLiczbePracownikow();
    statusBar()->show();
}

// How many the list holds, and whether the filter hides anybody.
void TFGlowny::PokazLiczbePracownikow() {
    const engine::Dataset& pracownicy = *m_tdm.TPracownicy;
    const int64_t naLiscie = pracownicy.RecordCount();
    const bool filtr = naLiscie < static_cast<int64_t>(pracownicy.GetTable().RowCount());
    m_panelLiczba->setText(
        QString(" Pracowników: %1%2").arg(naLiscie).arg(filtr ? " (filtr)" : ""));
}

// A user who keeps only work time and absences: no new employees, no prints, no dictionaries,
// templates, year closing, other commands or SPD.
void TFGlowny::ZastosujTrybUrlopowy() {
    m_nawigator->SetButtonVisible(kit::NavButton::Insert, false);
    m_nawigator->SetButtonVisible(kit::NavButton::Edit, false);
    m_wydruki->setEnabled(false);
    m_strony->UstawTrybUrlopowy(true);
    for (const char* menu : {"slowniki", "inne", "spd", "rodo"})
        m_menu.at(menu)->menuAction()->setEnabled(false);
    for (const char* pozycja : {"szablonyWydrukow", "zamkniecieRoku"})
        if (QAction* a = Polecenie(pozycja))
            a->setEnabled(false);
}

}  // namespace mirta::shell
