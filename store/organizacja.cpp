#include "store/organizacja.h"

#include "store/pola_rekordu.h"
#include "store/pozycjonowanie.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

int32_t Liczba(const Value& v) {
    return v.IsNull() ? 0 : static_cast<int32_t>(v.AsInteger());
}

// Moves through the rows from the first until `pole` equals `id`; false leaves the last
// row current.
bool IdzDo(Dataset& ds, const char* pole, int32_t id) {
    for (ds.First(); !ds.Eof(); ds.Next())
        if (Liczba(ds.Field(pole)) == id)
            return true;
    return false;
}

}  // namespace

void KomorkaPodrzedna::Wypelnij(TDM& tdm, int32_t id) {
    if (id == identyfikator)
        return;
    *this = {};
    if (id == 0)
        return;
    if (!UstawNaWartosci(tdm.Dialogi_(), tdm.TKomorkaPod, "Identyfikator", Value::Integer(id)))
        return;
    const Dataset& k = *tdm.TKomorkaPod;
    identyfikator = Liczba(k.Field("Identyfikator"));
    komNadrzedna = Liczba(k.Field("KomNadrzedna"));
    nazwa = TekstPola(k.Field("Nazwa"));
    symbol = TekstPola(k.Field("Symbol"));
}

KomorkaPodrzedna KomorkaPodrzedna::ZPola(TDM& tdm, const Value& pole) {
    KomorkaPodrzedna k;
    if (!PustePole(pole))
        k.Wypelnij(tdm, Liczba(pole));
    return k;
}

std::string NazwaKomorkiPracownika(TDM& tdm, int32_t pracownik) {
    if (!UstawNaWartosci(tdm.Dialogi_(), tdm.TPracownicy, "Identyfikator",
                         Value::Integer(pracownik)))
        return "???";
    return KomorkaPodrzedna::ZPola(tdm, tdm.TPracownicy->Field("KomorkaOrganizacyjna")).nazwa;
}

std::string NazwaKomorkiBiezacegoPracownika(TDM& tdm) {
    return NazwaKomorkiPracownika(tdm, Liczba(tdm.TPracownicy->Field("Identyfikator")));
}

void PodlaczKomorki(TDM& tdm, TableComponent& c) {
    const bool nadrzedna = &c == &tdm.TKomorkaNad;
    const std::string komunikat = nadrzedna ? "Musisz podać nazwę komórki nadrzędnej !!!"
                                            : "Musisz podać nazwę komórki organizacyjnej !!!";
    c->AddHandler(DatasetEvent::BeforePost, [komunikat](Dataset& ds) {
        if (PustePole(ds.Field("Nazwa")))
            throw BladDanych(komunikat);
    });
}

PodzialOrganizacyjny::PodzialOrganizacyjny(TDM& tdm, Tryb tryb) : m_tdm(tdm), m_tryb(tryb) {
    int32_t wybrana = 0;
    if (tryb == Tryb::KomorkaPracownika) {
        wybrana = Liczba(tdm.TPracownicy->Field("KomorkaOrganizacyjna"));
    } else if (tryb == Tryb::FiltrRaportu) {
        wybrana = tdm.Filtr().KomorkaFiltru >= 0 ? tdm.Filtr().KomorkaFiltru : 0;
    }
    Dataset& nad = *tdm.TKomorkaNad;
    Dataset& pod = *tdm.TKomorkaPod;
    if (wybrana != 0 && IdzDo(pod, "Identyfikator", wybrana))
        IdzDo(nad, "Identyfikator", Liczba(pod.Field("KomNadrzedna")));
    tdm.PolaczKomorki(true);
    pod.Refresh();
    if (wybrana != 0)
        IdzDo(pod, "Identyfikator", wybrana);
}

PodzialOrganizacyjny::~PodzialOrganizacyjny() {
    try {
        // Unlinked and read again in place: the employee page's cell list and every other
        // control bound to Komorki.db keep the same dataset.
        m_tdm.PolaczKomorki(false);
        m_tdm.TKomorkaPod->Refresh();
    } catch (...) {
        // Nothing can be shown from a destructor; the next opening reports the file.
    }
}

bool PodzialOrganizacyjny::Uzyj() {
    if (m_tryb == Tryb::Utrzymanie)
        return false;
    if (m_tdm.TKomorkaNad->Editing())
        throw BladDanych(" Najpierw zapisz dane o komórce nadrzędnej !!!");
    Dataset& pod = *m_tdm.TKomorkaPod;
    if (pod.Editing())
        throw BladDanych(" Najpierw zapisz dane o komórce organizacyjnej !!!");
    if (pod.IsEmpty())
        throw BladDanych(" W komórce nadrzędnej brak komórek organizacyjnych !!!");
    const int64_t id = Liczba(pod.Field("Identyfikator"));
    if (m_tryb == Tryb::KomorkaPracownika) {
        Dataset& p = *m_tdm.TPracownicy;
        if (!p.Editing())
            p.Edit();
        UstawIdentyfikator(p, "KomorkaOrganizacyjna", id);
    } else {
        m_tdm.Filtr().KomorkaFiltru = static_cast<int32_t>(id);
        m_tdm.Filtr().NazwaKomorkiFiltru = TekstPola(pod.Field("Nazwa"));
    }
    return true;
}

}  // namespace mirta::store
