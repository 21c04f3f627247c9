#include "store/dograj_urlopy.h"

#include <exception>
#include <string>
#include <vector>

#include "store/katalog.h"
#include "store/otwarcie_tabel.h"
#include "store/pola_rekordu.h"
#include "store/tdm1.h"
#include "store/uprawnienia.h"
#include "store/zrodla_obliczen.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dialogi.h"

namespace mirta::store {
namespace {

using engine::Value;

constexpr int kRokImportu = 2006;
constexpr const char* kPolaWiersza[] = {
    "IdentyfikatorPracownika", "DataOd", "RodzajUrlopu", "Ilosc", "DataDo", "Godziny"};

// The leave table shows every employee's rows while it lives, then follows the employee
// again; a table that was closed is closed again.
class WszyscyPracownicy {
public:
    explicit WszyscyPracownicy(TDM1& tdm1) : m_tdm1(tdm1), m_otwarta(tdm1.TUrlopy.IsOpen()) {
        if (!m_otwarta)
            m_tdm1.Open(m_tdm1.TUrlopy);
        m_tdm1.TUrlopy->ClearMasterLink();
    }
    ~WszyscyPracownicy() {
        try {
            if (m_otwarta) {
                m_tdm1.RestoreMasterLink(m_tdm1.TUrlopy);
                m_tdm1.TUrlopy->Refresh();
            } else {
                m_tdm1.Close(m_tdm1.TUrlopy);
            }
        } catch (const std::exception&) {
            // The table is still usable; the count shown says what was done.
        }
    }
    WszyscyPracownicy(const WszyscyPracownicy&) = delete;
    WszyscyPracownicy& operator=(const WszyscyPracownicy&) = delete;

private:
    TDM1& m_tdm1;
    bool m_otwarta;
};

bool Z2006(const Value& dzien) {
    return !dzien.IsNull() && engine::CivilFromDayNumber(dzien.AsDay()).year == kRokImportu;
}

}  // namespace

std::optional<WynikDograniaUrlopow> DograjUrlopy(TDM1& tdm1, Dialogi& dialogi) {
    if (tdm1.Sesja().DataPrzetwarzania.year != kRokImportu)
        return std::nullopt;
    // Refused as a whole: the rows' own guard would only count every one as erroneous.
    if (const auto odmowa = OdmowaZmiany(tdm1.Sesja())) {
        dialogi.Blad(*odmowa, kTytulBledu);
        return std::nullopt;
    }
    if (tdm1.TUrlopy.IsOpen() && tdm1.TUrlopy->Editing()) {
        dialogi.Blad("Najpierw zapisz lub porzuć zmiany dla urlopu !!!", kTytulBledu);
        return std::nullopt;
    }
    std::vector<std::string> uwagi;
    const auto bazowy = OtworzTabele(tdm1.Fs(), tdm1.TUrlopyRoboczy.Opis(), tdm1.DataDirectory(),
                                     uwagi, PlikUrlopowWykorzystanych(kRokImportu - 1));
    std::vector<int> pola;
    for (const char* p : kPolaWiersza)
        pola.push_back(PoleTabeli(*bazowy, p));

    WynikDograniaUrlopow wynik;
    {
        WszyscyPracownicy wszyscy(tdm1);
        engine::Dataset& urlopy = *tdm1.TUrlopy;
        for (uint64_t r = 0; r < bazowy->RowCount(); ++r) {
            const engine::Record w = bazowy->ReadRow(r);
            if (PustePole(w[pola[0]]) || !Z2006(w[pola[1]]))
                continue;
            if (urlopy.FindKey({w[pola[0]], w[pola[1]], w[pola[2]]})) {
                ++wynik.powtorzone;
                continue;
            }
            try {
                urlopy.Insert();
                for (size_t i = 0; i < pola.size(); ++i)
                    urlopy.SetField(kPolaWiersza[i], w[pola[i]]);
                urlopy.Post();
                ++wynik.dopisane;
            } catch (const std::exception&) {
                if (urlopy.Editing())
                    urlopy.Cancel();
                ++wynik.bledne;
            }
        }
    }
    dialogi.Informacja("Zaimportowano urlopy z poprzedniej wersji.\nPozycji dopisanych: " +
                           std::to_string(wynik.dopisane) +
                           ",\nPozycji powtórzonych: " + std::to_string(wynik.powtorzone) +
                           ",\nPozycji błędnych: " + std::to_string(wynik.bledne) + ".",
                       "Zakończenie operacj.");
    return wynik;
}

}  // namespace mirta::store
