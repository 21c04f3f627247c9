#include "store/slowniki.h"

#include "engine/edit_scope.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::DatasetState;
using engine::Value;

constexpr double kMinimum = 0.0001;

DatasetState Stan(const DataModule& m, std::string_view komponent) {
    TableComponent* c = m.Find(komponent);
    return c && c->IsOpen() ? (*c)->State() : DatasetState::Browse;
}

bool Edytowany(const DataModule& m, std::string_view komponent) {
    return Stan(m, komponent) != DatasetState::Browse;
}

struct RegulyStawek {
    std::string_view komponent, nadrzedny;
    const char* edycjaNadrzednego;
    const char* dopisNadrzednego;
};

constexpr RegulyStawek kStawki[] = {
    {"TStawStopni", "TSlowStopni", "Zapisz lub porzuć zmiany dla stopnia !!!",
     "Zapisz lub porzuć dopis nowego stopnia !!!"},
    {"TStawGrup", "TSlowGrup", "Zapisz lub porzuć zmiany dla grupy !!!",
     "Zapisz lub porzuć dopis nowei grupy !!!"},
};

const RegulyStawek* RegulyDla(std::string_view komponent) {
    for (const auto& r : kStawki)
        if (r.komponent == komponent)
            return &r;
    return nullptr;
}

// A rate row changes only under a browsing master, and only with the update right.
void StrazStawek(const DataModule& m, const RegulyStawek& r) {
    switch (Stan(m, r.nadrzedny)) {
        case DatasetState::Edit:
            throw BladDanych(r.edycjaNadrzednego);
        case DatasetState::Insert:
            throw BladDanych(r.dopisNadrzednego);
        case DatasetState::Browse:
            break;
    }
    if (!m.Sesja().Aktualizowanie)
        throw BladDanych(kBrakPrawa);
}

void StawkaBeforePost(Dataset& ds) {
    if (PustePole(ds, "DataObowiazywania"))
        throw BladDanych("Data od kiedy obowiązuje stawka musi być dobrze określona !!!",
                         "DataObowiazywania");
    if (PustePole(ds, "Wartosc"))
        throw BladDanych("Wartość musi być wprowadzona !!!", "Wartosc");
    if (ds.Field("Wartosc").AsNumber() < kMinimum)
        throw BladDanych("Wartość musi być większa od zera !!!");
}

void TPodstawyNewRecord(Dataset& ds) {
    ds.SetField("ZaokraglenieFunkcjonarius", Value::Integer(-1));
    for (const char* pole : {"ZaokraglenieCywil", "Zaokraglenie1", "Zaokraglenie2"})
        ds.SetField(pole, Value::Integer(2));
    ds.SetField("Rezerwa1", Value::Number(0));
    ds.SetField("Rezerwa2", Value::Number(0));
    ds.SetField("Ubruttowienie", Value::Text("T"));
}

void TPodstawyBeforePost(Dataset& ds) {
    if (PustePole(ds, "DataOd"))
        throw BladDanych("Data podstawy musi być dobrze określona !!!", "DataOd");
    const std::string zus = TekstPola(ds.Field("Ubruttowienie"));
    if (zus != "T" && zus != "N")
        throw BladDanych("Wartość objęci ZUS może być tylko równa T - Tak, lub N - Nie !!!");
    if (PustePole(ds, "PodstawaFunkcjonariusze"))
        throw BladDanych("Podstawa dla funkcjonariuszu musi być określona !!!",
                         "PodstawaFunkcjonariusze");
    const double funkcjonariusze = ds.Field("PodstawaFunkcjonariusze").AsNumber();
    if (!(funkcjonariusze > 0.5))
        throw BladDanych("Podstawa dla funkcjonariuszu musi być dodatnia !!!");
    if (PustePole(ds, "PodstawaCywile") || !(ds.Field("PodstawaCywile").AsNumber() > 0.5))
        ds.SetField("PodstawaCywile", Value::Number(funkcjonariusze));
}

void TPremieBeforePost(Dataset& ds) {
    if (PustePole(ds, "Rok"))
        throw BladDanych("Rok dla premii jest obowiązkowy !!!", "Rok");
    if (PustePole(ds, "Kwota"))
        ds.SetField("Kwota", Value::Number(0));
}

void TSlowGrupBeforePost(Dataset& ds) {
    const Value& m = ds.Field("MnożnikGrupy");
    if (PustePole(m) || m.AsNumber() < kMinimum)
        ds.SetField("MnożnikGrupy", Value::Number(1.0));
}

void TSlowStanowiskBeforePost(Dataset& ds) {
    const std::string g = TekstPola(ds.Field("GrupaStanowiskSC"));
    if (g.size() != 1 || g[0] < '0' || g[0] > '5')
        ds.SetField("GrupaStanowiskSC", Value::Text("0"));
}

void OdswiezWidoki(std::initializer_list<TableComponent*> widoki) {
    for (TableComponent* w : widoki)
        if (w->IsOpen() && !(*w)->Editing())
            (*w)->Refresh();
}

// Row by row from the current one; the dictionary is left where it was when not found.
bool Pozycjonuj(TableComponent& slownik, std::string_view pole, const Value& wartosc) {
    Dataset& ds = *slownik;
    if (wartosc.IsNull())
        return false;
    if (ds.RecNo() >= 0 && ds.Field(pole) == wartosc)
        return true;
    const auto& indeks = ds.IndexFields();
    if (!indeks.empty() && indeks.front() == ds.FieldIndex(pole) && ds.FindKey({wartosc}))
        return true;
    for (int64_t i = 0; i < ds.RecordCount(); ++i) {
        if (ds.RowAt(i)[pole] == wartosc) {
            ds.MoveTo(i);
            return true;
        }
    }
    return false;
}

}  // namespace

void SprawdzNazweSlownika(const OpisSlownika& opis, const Dataset& ds) {
    if (opis.komunikatNazwy.empty() || opis.poleNazwy.empty())
        return;
    const Value& nazwa = ds.Field(opis.poleNazwy);
    if (opis.nazwaPrzycieta ? Przyciety(nazwa).empty() : PustePole(nazwa))
        throw BladDanych(std::string(opis.komunikatNazwy));
}

bool MoznaKasowacWiersz(const DataModule& modul, std::string_view komponent) {
    if (!modul.Sesja().Aktualizowanie)
        return false;
    if (const RegulyStawek* r = RegulyDla(komponent))
        return !Edytowany(modul, r->nadrzedny);
    return komponent == "TPodstawy" || komponent == "TPremie";
}

void UzyjSlownika(DataModule& modul, const OpisSlownika& opis, int tryb) {
    TableComponent* slownik = modul.Find(opis.komponent);
    if (!slownik || !slownik->IsOpen())
        return;
    if ((*slownik)->Editing())
        throw BladDanych(std::string(opis.najpierwZapisz));
    if (!opis.komponentStawek.empty() && Edytowany(modul, opis.komponentStawek))
        throw BladDanych(std::string(opis.najpierwZapiszStawke));
    if (tryb == 0 || opis.poleIdentyfikatora.empty())
        return;
    for (const auto& cel : opis.cele) {
        if (cel.tryb != tryb)
            continue;
        TableComponent* docelowy = modul.Find(cel.komponent);
        if (!docelowy || !docelowy->IsOpen() || (*slownik)->RecNo() < 0)
            return;
        const Value id = (*slownik)->Field(opis.poleIdentyfikatora);
        if (!(*docelowy)->Editing())
            (*docelowy)->Edit();
        UstawIdentyfikator(**docelowy, cel.pole, LiczbaCalkowita(id));
        return;
    }
}

bool UstawSlownikNaCelu(DataModule& modul, const OpisSlownika& opis, int tryb) {
    TableComponent* slownik = modul.Find(opis.komponent);
    if (!slownik || !slownik->IsOpen() || opis.poleIdentyfikatora.empty())
        return false;
    for (const auto& cel : opis.cele) {
        if (cel.tryb != tryb)
            continue;
        TableComponent* docelowy = modul.Find(cel.komponent);
        if (!docelowy || !docelowy->IsOpen())
            return false;
        const Value& id = (*docelowy)->Field(cel.pole);
        if (PustePole(id))
            return false;
        // The dictionary's identifier is an autoinc: compare as integers.
        return Pozycjonuj(*slownik, opis.poleIdentyfikatora, Value::Integer(id.AsInteger()));
    }
    return false;
}

void UsunGrupePlacowa(TDM& tdm) {
    Dataset& ds = *tdm.TSlowStanowisk;
    ds.Edit();
    ds.SetField("GrupaPlacowa", Value());
}

void NaprawGrupeStanowiskaSC(TDM& tdm) {
    if (!tdm.TSlowStanowisk.IsOpen() || !tdm.Sesja().Aktualizowanie)
        return;
    Dataset& ds = *tdm.TSlowStanowisk;
    if (ds.Editing() || ds.IsEmpty() || !PustePole(ds, "GrupaStanowiskSC"))
        return;
    try {
        engine::EditScope naprawa(ds, engine::EditScope::Mode::Edit);
        ds.SetField("GrupaStanowiskSC", Value::Text("0"));
        naprawa.Post();
    } catch (const std::exception&) {
        // A repair in passing: the row stays as it was until the next chance.
    }
}

void NaprawMnoznikGrupy(TDM& tdm) {
    if (!tdm.TPracGrup.IsOpen() || !tdm.Sesja().Aktualizowanie || Edytowany(tdm, "TPracownicy"))
        return;
    Dataset& ds = *tdm.TPracGrup;
    if (ds.Editing() || ds.IsEmpty() || !PustePole(ds, "Mnoznik"))
        return;
    try {
        engine::EditScope naprawa(ds, engine::EditScope::Mode::Edit);
        ds.SetField("Mnoznik", Value::Number(1.0));
        naprawa.Post();
    } catch (const std::exception&) {
        // A repair in passing: the row stays as it was until the next chance.
    }
}

void PoZamknieciuOknaStawek(TDM& tdm) {
    tdm.Stawki().PrzeladujJesliZmienione(tdm);
}

void PoZamknieciuOknaPodstaw(TDM& tdm) {
    tdm.PodstawyWyn().Oproznij();
    OdswiezWidoki({&tdm.TPracGrup, &tdm.TPracGrupRob});
}

void PodlaczSlownik(DataModule&, TableComponent& c) {
    const OpisSlownika* opis = ZnajdzSlownik(c.Name());
    if (!opis || opis->komponent != c.Name() || opis->komunikatNazwy.empty())
        return;
    c->AddHandler(DatasetEvent::BeforePost,
                  [opis](Dataset& ds) { SprawdzNazweSlownika(*opis, ds); });
}

void PodlaczSlownikiStawek(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    TDM* t = &tdm;
    const std::string nazwa = c.Name();
    if (nazwa == "TSlowStopni" || nazwa == "TSlowGrup" || nazwa == "TStawStopni" ||
        nazwa == "TStawGrup") {
        auto oznacz = [t](Dataset&) { t->Stawki().OznaczZmiane(); };
        ds.AddHandler(DatasetEvent::AfterPost, oznacz);
        ds.AddHandler(DatasetEvent::AfterDelete, oznacz);
    }
    if (&c == &tdm.TSlowGrup) {
        ObrazMnoznika(c, "MnożnikGrupy");
        ds.AddHandler(DatasetEvent::BeforePost, TSlowGrupBeforePost);
    }
    if (const RegulyStawek* r = RegulyDla(nazwa)) {
        auto straz = [t, r](Dataset&) { StrazStawek(*t, *r); };
        for (auto e :
             {DatasetEvent::BeforeInsert, DatasetEvent::BeforeEdit, DatasetEvent::BeforeDelete})
            ds.AddHandler(e, straz);
        ds.SetModifyCheck([t] { return t->Sesja().Aktualizowanie; });
        ds.AddHandler(DatasetEvent::NewRecord,
                      [](Dataset& d) { d.SetField("Ubruttowienie", Value::Text("N")); });
        UstawPoleKodowe(c, "Ubruttowienie", Lista("Ubruttowienie"), kTylkoTlubN);
        ObrazMnoznika(c, "Wartosc");
        ds.AddHandler(DatasetEvent::BeforePost, StawkaBeforePost);
    }
    if (&c == &tdm.TSlowStanowisk) {
        PokazPrzezListe(c, "GrupaStanowiskSC", Lista("GrupaStanowiskSC"));
        PokazPrzezListe(c, "Ubruttowienie", Lista("Ubruttowienie"));
        ds.AddHandler(DatasetEvent::BeforePost, TSlowStanowiskBeforePost);
    }
    if (&c == &tdm.TPodstawy) {
        PokazPrzezListe(c, "Ubruttowienie", Lista("Ubruttowienie"));
        ds.AddHandler(DatasetEvent::NewRecord, TPodstawyNewRecord);
        ds.AddHandler(DatasetEvent::BeforePost, TPodstawyBeforePost);
    }
    if (&c == &tdm.TPremie) {
        ds.AddHandler(DatasetEvent::NewRecord,
                      [](Dataset& d) { d.SetField("TypPremi", Value::Text("C")); });
        ds.AddHandler(DatasetEvent::BeforePost, TPremieBeforePost);
    }
    if (&c == &tdm.TPowodZdarzeniaKadrowego) {
        auto odswiez = [t](Dataset&) {
            OdswiezWidoki({&t->TPracStop, &t->TStanowiska, &t->TStanowiskaE, &t->TZatrudnienie});
        };
        ds.AddHandler(DatasetEvent::AfterPost, odswiez);
        ds.AddHandler(DatasetEvent::AfterDelete, odswiez);
    }
}

}  // namespace mirta::store
