// Education, family and distinctions records of TDM.
#include "store/wyksztalcenie_rodzina.h"

#include <algorithm>
#include <string>

#include "store/kontrole_pol.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

void RokUkonczenia(const Dataset& ds, const char* brak, const char* niepoprawny) {
    Wymagane(ds, "RokUkonczenia", brak);
    WPrzedziale(ds, "RokUkonczenia", kPierwszyRokUkonczenia, kOstatniRokUkonczenia, niepoprawny);
}

void TWyksztalcenieBeforePost(Dataset& ds) {
    RokUkonczenia(ds, "Nie wprowadzono roku ukończenia uczelni !!!",
                  "Niepoprawny rok ukończenia uczelni !!!");
    Wymagane(ds, "NazwaUczelni", "Nie wprowadzono nazwy uczelni !!!");
    Wymagane(ds, "RodzajWyksztalcenia", "Nie wprowadzono rodzaju wykształcenia !!!");
    Wymagane(ds, "TytulNaukowy", "Tytuł zawodowo naukowy jest konieczny do SPD !!!");
}

void TKursyBeforePost(Dataset& ds) {
    RokUkonczenia(ds, "Nie wprowadzono roku ukończenia kursu / wykształcenia uzupełniającego !!!",
                  "Niepoprawny rok ukończenia kursu / wykształcenia uzupełniającego !!!");
    Wymagane(ds, "RodzajKursu", "Musisz wybrać rodzaj kursu / wykształcenia uzupełniającego !!!");
}

bool Dziecko(const Value& pokrewienstwo) {
    const int64_t id = pokrewienstwo.AsInteger();
    return std::find(std::begin(kPokrewienstwoDziecko), std::end(kPokrewienstwoDziecko), id) !=
           std::end(kPokrewienstwoDziecko);
}

void TRodzinaBeforePost(Dataset& ds) {
    Wymagane(ds, "StopienPokrewienstwa", "Musisz wybrać stopień pokrewieństwa !!!");
    if (Dziecko(ds.Field("StopienPokrewienstwa")))
        Wymagane(ds, "DataUrodzenia", "Musisz wprowadzić poprawną datę urodzenia dziecka !!!");
    Wymagane(ds, "Nazwisko", "Nazwisko jest obowiązkowe !!!");
    Wymagane(ds, "Imie1", "Imię pierwsze jest obowiązkowe !!!");
}

void TOrderyBeforePost(Dataset& ds) {
    Wymagane(ds, "DataPrzyznania", "Data przyznania orderu musi być dobrze określona !!!");
    Wymagane(ds, "IdOrderu", "Musisz wybrać order !!!");
    Wymagane(ds, "IdOrganu", "Musisz wybrać organ nadający !!!");
}

void TKaryBeforePost(Dataset& ds) {
    Wymagane(ds, "DataPrzyznania", "Data przyznania kary musi być dobrze określona !!!");
    Wymagane(ds, "IdKary", "Musisz wybrać rodzaj kary !!!");
}

void TWyroznieniaBeforePost(Dataset& ds) {
    Wymagane(ds, "DataPrzyznania", "Data przyznania wyróżnienia musi być dobrze określona !!!");
    Wymagane(ds, "IdWyroznienia", "Rodzaj wyróżnienia jest obowiązkowy !!!");
    const Value& kwota = ds.Field("KwotaNagrody");
    if (kwota.IsNull() || kwota.AsNumber() < 0)
        ds.SetField("KwotaNagrody", Value::Number(0));
    const Value& dni = ds.Field("IloscDniUrlopuDodatkowego");
    if (dni.IsNull() || dni.AsInteger() < 0)
        ds.SetField("IloscDniUrlopuDodatkowego", Value::Integer(0));
}

// A list whose looked-up names follow a dictionary: read again after the dictionary changed,
// unless a row of it is being edited.
void OdswiezPoZmianieSlownika(TableComponent& slownik,
                              std::initializer_list<TableComponent*> listy) {
    std::vector<TableComponent*> l(listy);
    auto odswiez = [l](Dataset&) {
        for (TableComponent* c : l)
            if (c->IsOpen() && !(*c)->Editing())
                (*c)->Refresh();
    };
    slownik->AddHandler(DatasetEvent::AfterPost, odswiez);
    slownik->AddHandler(DatasetEvent::AfterDelete, odswiez);
}

}  // namespace

void PodlaczWyksztalcenieIRodzine(TDM& t, TableComponent& c) {
    Dataset& ds = *c;
    if (&c == &t.TWyksztalcenie) {
        ds.AddHandler(DatasetEvent::NewRecord,
                      [](Dataset& d) { d.SetField("Strazackie", Value::Logical(false)); });
        ds.AddHandler(DatasetEvent::BeforePost, TWyksztalcenieBeforePost);
        c.AddCalculation([](engine::RowView& row) {
            const Value& s = row["Strazackie"];
            row.Set("TekstStrazackie", Value::Text(!s.IsNull() && s.AsLogical() ? "Tak" : "Nie"));
        });
    } else if (&c == &t.TKursy) {
        ds.AddHandler(DatasetEvent::BeforePost, TKursyBeforePost);
    } else if (&c == &t.TRodzina) {
        ds.AddHandler(DatasetEvent::BeforePost, TRodzinaBeforePost);
    } else if (&c == &t.TOrdery) {
        ds.AddHandler(DatasetEvent::BeforePost, TOrderyBeforePost);
    } else if (&c == &t.TKary) {
        ds.AddHandler(DatasetEvent::BeforePost, TKaryBeforePost);
    } else if (&c == &t.TWyroznienia) {
        ObrazKwoty(c, "KwotaNagrody");
        ds.AddHandler(DatasetEvent::BeforePost, TWyroznieniaBeforePost);
    } else if (&c == &t.TSlowOrderow) {
        OdswiezPoZmianieSlownika(c, {&t.TOrdery});
    } else if (&c == &t.TSlowKar) {
        OdswiezPoZmianieSlownika(c, {&t.TKary});
    } else if (&c == &t.TSlowWyr) {
        OdswiezPoZmianieSlownika(c, {&t.TWyroznienia});
    } else if (&c == &t.TSlowOrganowNadajacych) {
        OdswiezPoZmianieSlownika(c, {&t.TOrdery, &t.TKary, &t.TWyroznienia});
    }
}

}  // namespace mirta::store
