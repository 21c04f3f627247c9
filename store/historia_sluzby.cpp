// Ranks and pay groups: entry rules, checks and the calculated rate and final pay.
#include "store/historia_sluzby.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "store/historia_sluzby_wewn.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

constexpr double kMinimum = 0.0001;

int Pole(engine::Table& t, std::string_view nazwa) {
    const auto& pola = t.Fields();
    for (size_t i = 0; i < pola.size(); ++i)
        if (pola[i].name == nazwa)
            return static_cast<int>(i);
    return -1;
}

// Where a history row's period ends: the date of the employee's next row in key order.
// nullopt when the row itself is not in the file; an inner nullopt when it is the last.
std::optional<std::optional<int32_t>> NastepnaData(engine::Table& t, int32_t pracownik,
                                                   const Value& data, const Value& id,
                                                   const char* poleDaty, const char* poleId) {
    const int iPrac = Pole(t, "IdentyfikatorPracownika"), iData = Pole(t, poleDaty),
              iId = Pole(t, poleId);
    if (iPrac < 0 || iData < 0 || iId < 0)
        return std::nullopt;
    auto dzien = [](const Value& v) { return v.IsNull() ? INT32_MIN : v.AsDay(); };
    const int32_t mojDzien = dzien(data);
    const int64_t mojId = id.IsNull() ? INT64_MIN : id.AsInteger();
    if (t.KeyFieldCount() >= 3 && iPrac == 0 && iData == 1 && iId == 2) {
        const uint64_t r = t.LowerBound({Value::Integer(pracownik), data, id});
        if (r >= t.RowCount())
            return std::nullopt;
        const engine::Record w = t.ReadRow(r);
        if (LiczbaCalkowita(w[0]) != pracownik || dzien(w[1]) != mojDzien ||
            (w[2].IsNull() ? INT64_MIN : w[2].AsInteger()) != mojId)
            return std::nullopt;
        if (r + 1 < t.RowCount() && LiczbaCalkowita(t.ReadField(r + 1, 0)) == pracownik)
            return std::optional<int32_t>(dzien(t.ReadField(r + 1, 1)));
        return std::optional<int32_t>();
    }
    // A file keyed otherwise: the employee's rows in the index order.
    std::vector<std::pair<int32_t, int64_t>> wiersze;
    for (uint64_t r = 0; r < t.RowCount(); ++r) {
        if (LiczbaCalkowita(t.ReadField(r, iPrac)) != pracownik)
            continue;
        const Value i = t.ReadField(r, iId);
        wiersze.emplace_back(dzien(t.ReadField(r, iData)), i.IsNull() ? INT64_MIN : i.AsInteger());
    }
    std::sort(wiersze.begin(), wiersze.end());
    auto it = std::find(wiersze.begin(), wiersze.end(), std::pair(mojDzien, mojId));
    if (it == wiersze.end())
        return std::nullopt;
    if (++it == wiersze.end())
        return std::optional<int32_t>();
    return std::optional<int32_t>(it->first);
}

bool BezObliczen(TDM& t, TableComponent& widok) {
    auto edytowany = [](TableComponent& c) { return c.IsOpen() && (*c).Editing(); };
    return t.Stawki().Zmienione() || edytowany(widok) || edytowany(t.TPracownicy);
}

// The rate of a rank or group row over its period; -1 when the row is not in the file.
template <typename Stawka>
double StawkaOkresu(TDM& t, const engine::RowView& row, const char* poleId, Stawka stawka) {
    const int32_t pracownik = LiczbaCalkowita(row["IdentyfikatorPracownika"]);
    const Value& id = row[poleId];
    auto koniec = NastepnaData(row.Owner().GetTable(), pracownik, row["DataOdKiedy"], id,
                               "DataOdKiedy", poleId);
    if (!koniec)
        return -1;
    const char u = PierwszaLitera(row["Ubruttowienie"], 'T');
    const int32_t grupa = LiczbaCalkowita(id);
    if (*koniec)
        return stawka(grupa, u, **koniec, false);
    const DanePracownika p = CzytajPracownika(t, pracownik);
    if (p.dataZwolnienia)
        return stawka(grupa, u, *p.dataZwolnienia, false);
    return stawka(grupa, u, 0, true);
}

void TPracStopBeforePost(Dataset& ds) {
    if (PustePole(ds, "DataOdKiedy"))
        throw BladDanych("Data od kiedy obowiązuje stopień musi być dobrze określona !!!",
                         "DataOdKiedy");
    if (PustePole(ds, "IdentyfikatorStopnia"))
        throw BladDanych(" Musisz wybrać stopień !!!", "IdentyfikatorStopnia");
    if (PustePole(ds, "KtoWydal"))
        throw BladDanych(" Musisz wybrać przez kogo wydany rozkaz !!!", "KtoWydal");
    if (PustePole(ds, "NrRozkazu"))
        throw BladDanych(" Musisz wprowadzić numer rozkazu !!!", "NrRozkazu");
    const Value& doKiedy = ds.Field("DataObowiazywaniaStopnia");
    if (!doKiedy.IsNull() && doKiedy.AsDay() < ds.Field("DataOdKiedy").AsDay())
        throw BladDanych("Data obowiązywania stopnia nie może być nie mniejsza od daty od !!!");
}

void TPracGrupBeforePost(TDM& t, Dataset& ds) {
    if (PustePole(ds, "DataOdKiedy"))
        throw BladDanych("Data od kiedy obowiązuje grupa musi być dobrze określona !!!",
                         "DataOdKiedy");
    if (PustePole(ds, "IdentyfikatorGrupy"))
        throw BladDanych(" Musisz wybrać grupę !!!", "IdentyfikatorGrupy");
    const Value& m = ds.Field("Mnoznik");
    if (PustePole(m) || m.AsNumber() < kMinimum) {
        Value z = PoleSlownika(t.TSlowGrup, "IdentyfikatorGrupy",
                               ds.Field("IdentyfikatorGrupy").AsInteger(), "MnożnikGrupy");
        if (PustePole(z) || z.AsNumber() < kMinimum)
            z = Value::Number(1.0);
        ds.SetField("Mnoznik", z);
    }
}

}  // namespace

DanePracownika CzytajPracownika(TDM& tdm, int32_t pracownik) {
    DanePracownika d;
    if (!tdm.TPracownicy.IsOpen() || pracownik == 0)
        return d;
    engine::Table& t = tdm.TPracownicy->GetTable();
    const int iId = Pole(t, "Identyfikator"), iPodzial = Pole(t, "Podzial"),
              iZwolnienie = Pole(t, "DataZwolnienia");
    if (iId < 0 || iPodzial < 0 || iZwolnienie < 0)
        return d;
    std::optional<uint64_t> wiersz;
    if (t.KeyFieldCount() >= 1 && iId == 0) {
        const uint64_t r = t.LowerBound({Value::Integer(pracownik)});
        if (r < t.RowCount() && LiczbaCalkowita(t.ReadField(r, iId)) == pracownik)
            wiersz = r;
    } else {
        for (uint64_t r = 0; r < t.RowCount() && !wiersz; ++r)
            if (LiczbaCalkowita(t.ReadField(r, iId)) == pracownik)
                wiersz = r;
    }
    if (!wiersz)
        return d;
    d.funkcjonariusz = TekstPola(t.ReadField(*wiersz, iPodzial)) == "1";
    const Value z = t.ReadField(*wiersz, iZwolnienie);
    if (!z.IsNull())
        d.dataZwolnienia = z.AsDay();
    return d;
}

Value PoleSlownika(TableComponent& slownik, const char* poleId, int64_t id, const char* pole) {
    if (!slownik.IsOpen())
        return {};
    engine::Table& t = slownik->GetTable();
    const int iId = Pole(t, poleId), iPole = Pole(t, pole);
    if (iId < 0 || iPole < 0)
        return {};
    for (uint64_t r = 0; r < t.RowCount(); ++r) {
        const Value v = t.ReadField(r, iId);
        if (!v.IsNull() && v.AsInteger() == id)
            return t.ReadField(r, iPole);
    }
    return {};
}

void OdswiezPoZmianie(TDM& tdm, TableComponent& drugiWidok, bool listaPracownikow) {
    if (drugiWidok.IsOpen() && !drugiWidok->Editing())
        drugiWidok->Refresh();
    // A refresh of the list would post every pending change of the employee's pages; with
    // one pending the list shows the new rank or position when it is next painted.
    auto edytowany = [](const DataModule& m) {
        for (const TableComponent* c : m.Components())
            if (c->IsOpen() && (*c)->Editing())
                return true;
        return false;
    };
    if (!listaPracownikow || !tdm.TPracownicy.IsOpen() || edytowany(tdm))
        return;
    if (const TableComponent* urlopy = tdm.Find("TUrlopy"); urlopy && edytowany(urlopy->Module()))
        return;
    tdm.TPracownicy->Refresh();
}

void PodlaczStopnieIGrupy(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    TDM* t = &tdm;
    TableComponent* linked = nullptr;
    TableComponent* inny = nullptr;
    const bool stopnie = &c == &tdm.TPracStop || &c == &tdm.TPracStopRob;
    if (stopnie) {
        linked = &tdm.TPracStop;
        inny = &c == &tdm.TPracStop ? &tdm.TPracStopRob : &tdm.TPracStop;
    } else {
        linked = &tdm.TPracGrup;
        inny = &c == &tdm.TPracGrup ? &tdm.TPracGrupRob : &tdm.TPracGrup;
    }
    ds.AddHandler(DatasetEvent::NewRecord, [stopnie](Dataset& d) {
        d.SetField("Ubruttowienie", Value::Text("N"));
        if (!stopnie)
            d.SetField("PlacaZasadnicza", Value::Number(0));
    });
    UstawPoleKodowe(c, "Ubruttowienie", Lista("Ubruttowienie"), kTylkoTlubN);
    auto po = [t, inny, stopnie](Dataset&) { OdswiezPoZmianie(*t, *inny, stopnie); };
    ObrazKwoty(c, "Stawka");
    if (!stopnie) {
        ObrazKwoty(c, "PlacaKoncowa");
        ObrazKwoty(c, "PlacaZasadnicza");
        ObrazMnoznika(c, "Mnoznik");
    }
    if (stopnie) {
        ds.AddHandler(DatasetEvent::BeforePost, TPracStopBeforePost);
        c.AddCalculation([t, linked](engine::RowView& row) {
            double s = 0;
            if (!BezObliczen(*t, *linked))
                s = StawkaOkresu(*t, row, "IdentyfikatorStopnia",
                                 [t](int32_t id, char u, int32_t d, bool n) {
                                     return t->Stawki().StawkaStopnia(id, u, d, n);
                                 });
            row.Set("Stawka", Value::Number(s));
        });
    } else {
        ds.AddHandler(DatasetEvent::BeforePost, [t](Dataset& d) { TPracGrupBeforePost(*t, d); });
        c.AddCalculation([t, linked](engine::RowView& row) {
            if (BezObliczen(*t, *linked)) {
                row.Set("Stawka", Value::Number(0));
                return;
            }
            const DanePracownika p =
                CzytajPracownika(*t, LiczbaCalkowita(row["IdentyfikatorPracownika"]));
            const double mnoznik = LiczbaRzeczywista(row["Mnoznik"]);
            const double placa = LiczbaRzeczywista(row["PlacaZasadnicza"]);
            const Value& data = row["DataOdKiedy"];
            std::optional<compute::PozPodstawWyn> podstawa;
            if (!data.IsNull())
                podstawa = t->PodstawyWyn().NaDzien(*t, data.AsDay());
            compute::PlacaGrupy wynik;
            if (podstawa) {
                wynik = compute::PlacaZPodstawy(*podstawa, p.funkcjonariusz, mnoznik, placa);
            } else {
                const double stawka = StawkaOkresu(*t, row, "IdentyfikatorGrupy",
                                                   [t](int32_t id, char u, int32_t d, bool n) {
                                                       return t->Stawki().StawkaGrupy(id, u, d, n);
                                                   });
                wynik = compute::PlacaZeStawki(stawka, p.funkcjonariusz, mnoznik, placa);
            }
            row.Set("Stawka", Value::Number(wynik.stawka));
            row.Set("PlacaKoncowa", Value::Number(wynik.placaKoncowa));
        });
    }
    ds.AddHandler(DatasetEvent::AfterPost, po);
    ds.AddHandler(DatasetEvent::AfterDelete, po);
}

void PodlaczHistorieSluzby(TDM& tdm, TableComponent& c) {
    if (&c == &tdm.TPracStop || &c == &tdm.TPracStopRob || &c == &tdm.TPracGrup ||
        &c == &tdm.TPracGrupRob)
        PodlaczStopnieIGrupy(tdm, c);
    else if (&c == &tdm.TStanowiska || &c == &tdm.TStanowiskaRob || &c == &tdm.TStanowiskaE)
        PodlaczStanowiska(tdm, c);
    else
        PodlaczPozostaleHistorie(tdm, c);
}

}  // namespace mirta::store
