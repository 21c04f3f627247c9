// Positions and establishment posts, and the pay-group row a position's pay group keeps.
#include <memory>

#include "engine/edit_scope.h"
#include "store/historia_sluzby.h"
#include "store/historia_sluzby_wewn.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::EditScope;
using engine::Value;

// The row as it was before an edit or a delete.
struct Poprzedni {
    int32_t pracownik = 0;
    Value data;  // DataOd; empty for a new row
    int64_t stanowisko = 0;
};

Value GrupaStanowiska(TDM& t, int64_t stanowisko) {
    return PoleSlownika(t.TSlowStanowisk, "IdentyfikatorStanowiska", stanowisko, "GrupaPlacowa");
}

// Moves the pay-group view to the employee's row of that date (and group, when given).
bool NaWierszuGrupy(Dataset& g, int32_t pracownik, const Value& data, const Value& grupa) {
    engine::Record klucz{Value::Integer(pracownik), data};
    if (!grupa.IsNull())
        klucz.push_back(Value::Integer(grupa.AsInteger()));
    return g.FindKey(klucz);
}

// After a post of a position: the pay-group row of its date carries the position's group.
void Synchronizuj(TDM& t, Dataset& st, const Poprzedni& przed) {
    const Value grupa = GrupaStanowiska(t, LiczbaCalkowita(st.Field("IdentyfikatorStanowiska")));
    if (PustePole(grupa) || !t.TPracGrup.IsOpen())
        return;
    const int32_t pracownik = LiczbaCalkowita(st.Field("IdentyfikatorPracownika"));
    const Value data = st.Field("DataOd");
    const std::string ub = TekstPola(
        PoleSlownika(t.TSlowStanowisk, "IdentyfikatorStanowiska",
                     LiczbaCalkowita(st.Field("IdentyfikatorStanowiska")), "Ubruttowienie"));
    const Value u = Value::Text(ub == "T" ? "T" : "N");
    // Only the row the synchronisation made for the previous position may move or go.
    const Value grupaPrzed = przed.data.IsNull() ? Value() : GrupaStanowiska(t, przed.stanowisko);
    const bool przesunieto = !przed.data.IsNull() && !(przed.data == data);

    Dataset& g = *t.TPracGrup;
    // A change the user left pending in the pay groups is posted first, or stops us here.
    g.CheckBrowseMode();
    auto ustaw = [&] {
        if (LiczbaCalkowita(g.Field("IdentyfikatorGrupy")) != grupa.AsInteger()) {
            UstawIdentyfikator(g, "IdentyfikatorGrupy", grupa.AsInteger());
            g.SetField("Mnoznik", Value());
        }
        g.SetField("Ubruttowienie", u);
    };
    // Nothing half-changed stays behind a message: the scopes cancel what was not posted.
    if (NaWierszuGrupy(g, pracownik, data, Value())) {
        {
            EditScope zmiana(g, EditScope::Mode::Edit);
            ustaw();
            zmiana.Post();
        }
        if (przesunieto && !PustePole(grupaPrzed) &&
            NaWierszuGrupy(g, pracownik, przed.data, grupaPrzed))
            g.Delete();
    } else if (przesunieto && !PustePole(grupaPrzed) &&
               NaWierszuGrupy(g, pracownik, przed.data, grupaPrzed)) {
        EditScope zmiana(g, EditScope::Mode::Edit);
        g.SetField("DataOdKiedy", data);
        ustaw();
        zmiana.Post();
    } else {
        EditScope wstawienie(g, EditScope::Mode::Insert);
        g.SetField("DataOdKiedy", data);
        UstawIdentyfikator(g, "IdentyfikatorGrupy", grupa.AsInteger());
        g.SetField("Ubruttowienie", u);
        g.SetField("Mnoznik", Value());
        wstawienie.Post();
    }
}

// After a position was deleted: the pay-group row its pay group made on its date goes too.
void PoKasowaniu(TDM& t, const Poprzedni& przed) {
    if (przed.data.IsNull() || !t.TPracGrup.IsOpen())
        return;
    const Value grupa = GrupaStanowiska(t, przed.stanowisko);
    if (PustePole(grupa))
        return;
    Dataset& g = *t.TPracGrup;
    g.CheckBrowseMode();
    if (NaWierszuGrupy(g, przed.pracownik, przed.data, grupa))
        g.Delete();
}

void TStanowiskaBeforePost(Dataset& ds) {
    if (PustePole(ds, "IdentyfikatorStanowiska"))
        throw BladDanych("Musisz wybrać stanowisko !!!", "IdentyfikatorStanowiska");
    if (PustePole(ds, "DataOd"))
        throw BladDanych("Data objęcia stanowiska musi być dobrze określona !!!", "DataOd");
}

void TStanowiskaEBeforePost(Dataset& ds) {
    if (PustePole(ds, "IdentyfikatorStanowiska"))
        throw BladDanych("Musisz wybrać stanowisko etatowe!!!", "IdentyfikatorStanowiska");
    if (PustePole(ds, "DataOd"))
        throw BladDanych("Data objęcia stanowiska etatowego musi być dobrze określona !!!",
                         "DataOd");
}

}  // namespace

void PodlaczStanowiska(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    if (&c == &tdm.TStanowiskaE) {
        ds.AddHandler(DatasetEvent::BeforePost, TStanowiskaEBeforePost);
        return;
    }
    TDM* t = &tdm;
    ds.AddHandler(DatasetEvent::BeforePost, TStanowiskaBeforePost);
    TableComponent* inny = &c == &tdm.TStanowiska ? &tdm.TStanowiskaRob : &tdm.TStanowiska;
    auto odswiez = [t, inny](Dataset&) { OdswiezPoZmianie(*t, *inny, true); };
    if (&c != &tdm.TStanowiska) {
        ds.AddHandler(DatasetEvent::AfterPost, odswiez);
        ds.AddHandler(DatasetEvent::AfterDelete, odswiez);
        return;
    }
    // Only the employee's own view keeps the pay groups in step: they follow the same employee.
    auto przed = std::make_shared<Poprzedni>();
    auto zapamietaj = [przed](Dataset& d) {
        przed->pracownik = LiczbaCalkowita(d.Field("IdentyfikatorPracownika"));
        przed->data = d.Field("DataOd");
        przed->stanowisko = LiczbaCalkowita(d.Field("IdentyfikatorStanowiska"));
    };
    ds.AddHandler(DatasetEvent::BeforeInsert, [przed](Dataset&) { *przed = Poprzedni{}; });
    ds.AddHandler(DatasetEvent::BeforeEdit, zapamietaj);
    // Runs after the delete guard, so only a delete that will happen is remembered.
    ds.AddHandler(DatasetEvent::BeforeDelete, zapamietaj);
    ds.AddHandler(DatasetEvent::AfterPost, [t, przed, odswiez](Dataset& d) {
        const Poprzedni p = *przed;
        *przed = Poprzedni{};
        odswiez(d);
        Synchronizuj(*t, d, p);
    });
    ds.AddHandler(DatasetEvent::AfterDelete, [t, przed, odswiez](Dataset& d) {
        const Poprzedni p = *przed;
        *przed = Poprzedni{};
        odswiez(d);
        PoKasowaniu(*t, p);
    });
}

}  // namespace mirta::store
