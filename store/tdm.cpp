#include "store/tdm.h"
#include "store/udostepnienia.h"

#include "store/czas_pracy.h"
#include "store/historia_sluzby.h"
#include "store/kalendarz.h"
#include "store/numery_pracownika.h"
#include "store/organizacja.h"
#include "store/slowniki.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"
#include "store/wyksztalcenie_rodzina.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {

TDM::TDM(engine::FileSystem& fs, std::string katalogDanych, Dialogi& dialogi,
         engine::CivilDate dzis)
    : DataModule("TDM", fs, katalogDanych), m_dialogi(dialogi), m_hasla(fs, katalogDanych) {
    m_sesja.DataPrzetwarzania = dzis;
    SetEditingList({"TParametry",
                    "TPracownicy",
                    "TRodzWyk",
                    "TStNaukowe",
                    "TTytZawod",
                    "TWyksztalcenie",
                    "TRodzajeKursow",
                    "TKursy",
                    "TSlowPokrew",
                    "TRodzina",
                    "TSlowStopni",
                    "TStawStopni",
                    "TPracStop",
                    "TSlowGrup",
                    "TStawGrup",
                    "TPracGrup",
                    "TParametryFirmy",
                    "TParDruk",
                    "THasla",
                    "TPracStopRob",
                    "TPracGrupRob",
                    "TStanowiska",
                    "TStanowiskaE",
                    "TZatrudnienie",
                    "TSzkodliwe",
                    "TDodSluzbowy",
                    "TDodInny",
                    "TPremPracCyw",
                    "TNagrody",
                    "TSlowOrderow",
                    "TSlowOrganowNadajacych",
                    "TOrdery",
                    "TSlowKar",
                    "TKary",
                    "TSlowWyr",
                    "TWyroznienia",
                    "TSlowStatPracCyw",
                    "TPowodZdarzeniaKadrowego",
                    "TRodzajZdarzeniaKadrowego",
                    "TPodstawy"});
    OpenAll(Otwieranie::PrzyStarcie);
}

TDM::~TDM() {
    ZakonczRejestrUdostepnien(this);
}

void TDM::Prepare(TableComponent& c) {
    PodlaczZasadyWspolne(*this, c);
    if (&c == &TPracownicy)
        PodlaczPracownikow(*this, c);
    if (&c == &TPracownicy)
        PodlaczNumeryIdentyfikacyjne(*this, c);
    if (&c == &TPracStop || &c == &TPracStopRob || &c == &TStanowiska || &c == &TStanowiskaRob)
        PodlaczHistorieDoPracownikow(*this, c);
    PodlaczSlownik(*this, c);
    PodlaczSlownikiStawek(*this, c);
    PodlaczHistorieSluzby(*this, c);
    PodlaczWyksztalcenieIRodzine(*this, c);
    if (&c == &TKalendarz)
        PodlaczKalendarz(*this, c);
    if (&c == &TCzasPracy)
        PodlaczCzasPracy(*this, c);
    if (&c == &TKomorkaNad || &c == &TKomorkaPod)
        PodlaczKomorki(*this, c);
    PodlaczPoOperacjach(*this, c);
}

void TDM::OdswiezListePracownikow() {
    TPracownicy->Refresh();
}

int32_t TDM::DzienPrzetwarzania() const {
    const auto& d = m_sesja.DataPrzetwarzania;
    return engine::DayNumberFromCivil(d.year, d.month, d.day);
}

std::string TDM::SlownikNazw::Nazwa(TableComponent& slownik, int32_t id) {
    if (id == 0 || !slownik.IsOpen())
        return {};
    engine::Table& t = slownik->GetTable();
    if (&t != m_tabela || t.LastStamp() != m_stamp || t.RowCount() != m_wiersze) {
        m_nazwy.clear();
        const int k = slownik->FieldIndex(m_poleId), n = slownik->FieldIndex(m_poleNazwy);
        for (uint64_t r = 0; r < t.RowCount(); ++r) {
            engine::Value v = t.ReadField(r, k);
            engine::Value nazwa = t.ReadField(r, n);
            if (!v.IsNull())
                m_nazwy.emplace(static_cast<int32_t>(v.AsInteger()),
                                nazwa.IsNull() ? std::string() : nazwa.AsText());
        }
        m_tabela = &t;
        m_stamp = t.LastStamp();
        m_wiersze = t.RowCount();
    }
    auto it = m_nazwy.find(id);
    return it == m_nazwy.end() ? std::string() : it->second;
}

void TDM::PrzygotujBiezace() {
    auto tabela = [](TableComponent& a, TableComponent& b) -> engine::Table* {
        if (a.IsOpen())
            return &a->GetTable();
        return b.IsOpen() ? &b->GetTable() : nullptr;
    };
    m_biezace.UstawTabele(tabela(TPracStopRob, TPracStop), tabela(TStanowiskaRob, TStanowiska));
}

std::string TDM::AktualnyStopien(int32_t pracownik) {
    PrzygotujBiezace();
    return m_nazwyStopni.Nazwa(TSlowStopni, m_biezace.Dla(pracownik).stopien);
}

std::string TDM::AktualneStanowisko(int32_t pracownik) {
    PrzygotujBiezace();
    return m_nazwyStanowisk.Nazwa(TSlowStanowisk, m_biezace.Dla(pracownik).stanowisko);
}

std::string TDM::NazwaStanowiska(int32_t stanowisko) {
    return m_nazwyStanowisk.Nazwa(TSlowStanowisk, stanowisko);
}

void TDM::PolaczKomorki(bool polacz) {
    if (!TKomorkaPod.IsOpen())
        return;
    if (polacz && TKomorkaNad.IsOpen())
        TKomorkaPod->SetMasterLink(*TKomorkaNad, "KomNadrzedna", "Identyfikator");
    else
        TKomorkaPod->ClearMasterLink();
}

}  // namespace mirta::store
