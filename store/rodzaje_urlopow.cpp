#include "store/rodzaje_urlopow.h"

#include "store/pola_rekordu.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

constexpr const char* kRodzajDniWpis =
    "Rodzaj dni może być R-robocze, K-kalendarzowe, F-funkconariusza !!!";
constexpr const char* kRodzajDniZapis = "Rodzaj dni może być R-robocze, K-kalendarzowe !!!";
constexpr const char* kRodzajUrlopuKomunikat =
    "Rodzaj urlopu może być I-inny, D-dodatkowy, W-wypoczynkowy  !!!";

bool JedenZ(const Value& v, std::string_view dozwolone) {
    const std::string t = TekstPola(v);
    return t.size() == 1 && dozwolone.find(t[0]) != std::string_view::npos;
}

// The entry rule refuses the empty value as well as a code outside the list.
void KodWymagany(TableComponent& c, const std::string& pole, std::string_view dozwolone,
                 const char* komunikat) {
    c.Hooks(pole).validate = [pole, dozwolone, komunikat](const Dataset&, const Value& v) {
        if (!JedenZ(v, dozwolone))
            throw BladDanych(komunikat, pole);
    };
}

void TRodzUrlopBeforePost(Dataset& ds) {
    if (PustePole(ds, "NazwaUrlopu"))
        throw BladDanych("Nazwa rodzaju urlopu musi być wprowadzona !!!", "NazwaUrlopu");
    if (!JedenZ(ds.Field("RodzajDni"), "RKF"))
        throw BladDanych(kRodzajDniZapis, "RodzajDni");
    if (!JedenZ(ds.Field("RodzajUrlopu"), "IDW"))
        throw BladDanych(kRodzajUrlopuKomunikat, "RodzajUrlopu");
}

}  // namespace

const RekordRodzajuUrlopu* RodzajeUrlopow::Znajdz(int64_t identyfikator) {
    auto szukaj = [&]() -> const RekordRodzajuUrlopu* {
        for (const auto& r : m_rodzaje)
            if (r.Identyfikator == identyfikator)
                return &r;
        return nullptr;
    };
    if (!m_zaladowane)
        Zaladuj();
    if (const auto* r = szukaj())
        return r;
    Zaladuj();
    return szukaj();
}

char RodzajeUrlopow::RodzajDni(int64_t identyfikator) {
    const auto* r = Znajdz(identyfikator);
    return r ? r->RodzajDni : '\0';
}

char RodzajeUrlopow::RodzajUrlopu(int64_t identyfikator) {
    const auto* r = Znajdz(identyfikator);
    return r ? r->RodzajUrlopu : 'I';
}

void RodzajeUrlopow::Oproznij() {
    m_rodzaje.clear();
    m_zaladowane = false;
}

std::vector<RekordRodzajuUrlopu>& RodzajeUrlopow::Rodzaje() {
    if (!m_zaladowane)
        Zaladuj();
    return m_rodzaje;
}

void RodzajeUrlopow::ZerujStatystyki() {
    for (auto& r : m_rodzaje)
        r.dniKalendarzowe = r.dniRobocze = r.dni = r.godziny = 0;
}

void RodzajeUrlopow::Zaladuj() {
    m_rodzaje.clear();
    m_zaladowane = false;
    if (!m_tabela.IsOpen())
        return;
    // Read by row so that a type being edited does not stand in for its stored row.
    const Dataset& ds = *m_tabela;
    for (int64_t i = 0; i < ds.RecordCount(); ++i) {
        const engine::RowView w = ds.RowAt(i);
        RekordRodzajuUrlopu r;
        r.NazwaUrlopu = TekstPola(w["NazwaUrlopu"]);
        r.Symbol = TekstPola(w["Symbol"]);
        r.Identyfikator = LiczbaCalkowita(w["Identyfikator"]);
        r.RodzajDni = PierwszaLitera(w["RodzajDni"], '\0');
        r.RodzajUrlopu = PierwszaLitera(w["RodzajUrlopu"], 'I');
        m_rodzaje.push_back(std::move(r));
    }
    m_zaladowane = true;
}

ZawieszenieObliczenUrlopow::ZawieszenieObliczenUrlopow(TDM1& tdm1)
    : m_tdm1(tdm1), m_poprzednio(tdm1.ObliczeniaUrlopowZawieszone()) {
    m_tdm1.UstawZawieszenieObliczenUrlopow(true);
}

ZawieszenieObliczenUrlopow::~ZawieszenieObliczenUrlopow() {
    m_tdm1.UstawZawieszenieObliczenUrlopow(m_poprzednio);
}

void PoZamknieciuOknaRodzajowUrlopow(TDM1& tdm1) {
    if (tdm1.TUrlopy.IsOpen() && !tdm1.TUrlopy->Editing())
        tdm1.TUrlopy->Refresh();
}

void PodlaczRodzajeUrlopow(TDM1& tdm1, TableComponent& c) {
    Dataset& ds = *c;
    UstawPoleKodowe(c, "RodzajDni", Lista("RodzajDni"), kRodzajDniWpis);
    UstawPoleKodowe(c, "RodzajUrlopu", Lista("RodzajUrlopu"), kRodzajUrlopuKomunikat);
    KodWymagany(c, "RodzajDni", "RKF", kRodzajDniWpis);
    KodWymagany(c, "RodzajUrlopu", "IDW", kRodzajUrlopuKomunikat);
    ds.AddHandler(DatasetEvent::NewRecord, [](Dataset& d) {
        d.SetField("RodzajDni", Value::Text("R"));
        d.SetField("RodzajUrlopu", Value::Text("I"));
    });
    ds.AddHandler(DatasetEvent::BeforePost, TRodzUrlopBeforePost);
    TDM1* t = &tdm1;
    auto przeladuj = [t](Dataset&) { t->Rodzaje().Oproznij(); };
    ds.AddHandler(DatasetEvent::AfterPost, przeladuj);
    ds.AddHandler(DatasetEvent::AfterDelete, przeladuj);
    tdm1.Rodzaje().Oproznij();
}

}  // namespace mirta::store
