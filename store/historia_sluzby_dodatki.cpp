// Forms of employment, harmfulness groups, allowances, awards and the civil bonus.
#include <string>

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
using engine::Value;

constexpr double kEpsilon = 0.00000001;
// The fixed-term form of employment in FormyZtr.db.
constexpr int kFormaNaCzasOkreslony = 3;

constexpr const char* kGrupaPusta = "Grupa szkodliwości musi być określona !!!";
constexpr const char* kGrupaPozaZakresem = "Grupa szkodliwości musi być z zakresu 0-4 !!!";
constexpr const char* kTypNagrody = "Typ nagrody moze być z zakresu 1 - 4 !!!";

// A date pair whose end, when given, may not come before its start.
void KoniecNiePrzedPoczatkiem(const Dataset& ds, const char* od, const char* do_,
                              const char* komunikat) {
    const Value& koniec = ds.Field(do_);
    if (!koniec.IsNull() && koniec.AsDay() < ds.Field(od).AsDay())
        throw BladDanych(komunikat);
}

// An amount that must be there: an empty one is refused as the number entry refuses it.
double Kwota(const Dataset& ds, const char* pole) {
    if (PustePole(ds, pole))
        return CzytajLiczbe("");
    return ds.Field(pole).AsNumber();
}

void TZatrudnienieBeforePost(Dataset& ds) {
    if (PustePole(ds, "DataOd"))
        throw BladDanych("Data od kiedy formy zatrudnienia musi być dobrze określona !!!",
                         "DataOd");
    if (PustePole(ds, "IdentyfikatorFormyZatrudn"))
        throw BladDanych(" Musisz wybrać formę zatrudnienia !!!", "IdentyfikatorFormyZatrudn");
    if (ds.Field("IdentyfikatorFormyZatrudn").AsInteger() == kFormaNaCzasOkreslony &&
        PustePole(ds, "DataDo"))
        throw BladDanych("Data do zatrudnienia na czas określony musi być dobrze określona !!!");
    KoniecNiePrzedPoczatkiem(ds, "DataOd", "DataDo",
                             "Data do zatrudnienia musi być nie mniejsza od daty od !!!");
}

void SprawdzGrupeSzkodliwosci(const Value& v) {
    const std::string g = TekstPola(v);
    if (g.empty())
        throw BladDanych(kGrupaPusta);
    if (g < "0" || g > "4")
        throw BladDanych(kGrupaPozaZakresem);
}

void TSzkodliweBeforePost(Dataset& ds) {
    if (PustePole(ds, "DataOd"))
        throw BladDanych("Data od kiedy grupy szkodliwości musi być dobrze określona !!!",
                         "DataOd");
    SprawdzGrupeSzkodliwosci(ds.Field("GrupaSzkodliwosci"));
}

struct Dodatek {
    const char* dataOd;
    const char* wartosc;
    const char* dataDo;
};
constexpr Dodatek kSluzbowy{"Data od kiedy dodatku służbowego musi być dobrze określona !!!",
                            "Wartość dodatku służbowego musi być większa od zera !!!",
                            "Data do dodatku służbowego musi być nie mniejsza od daty od !!!"};
constexpr Dodatek kInny{"Data od kiedy dodatku innego musi być dobrze określona !!!",
                        "Wartość dodatku innego musi być większa od zera !!!",
                        "Data do dodatku innego musi być nie mniejsza od daty od !!!"};

void DodatekBeforePost(const Dodatek& k, Dataset& ds) {
    if (PustePole(ds, "DataOd"))
        throw BladDanych(k.dataOd, "DataOd");
    if (Kwota(ds, "Wartosc") < kEpsilon)
        throw BladDanych(k.wartosc, "Wartosc");
    KoniecNiePrzedPoczatkiem(ds, "DataOd", "DataDo", k.dataDo);
}

void SprawdzRodzajNagrody(const Value& v) {
    const std::string r = TekstPola(v);
    if (r < "1" || r > "4")
        throw BladDanych(kTypNagrody);
}

void TNagrodyBeforePost(Dataset& ds) {
    SprawdzRodzajNagrody(ds.Field("RodzajNagrody"));
    if (PustePole(ds, "DataPrzyznania"))
        throw BladDanych("Data przyznania nagrody musi być dobrze określona !!!", "DataPrzyznania");
    if (Kwota(ds, "Kwota") < kEpsilon)
        throw BladDanych("Wartość nagrody musi być większ od zera !!!", "Kwota");
}

void TPremPracCywBeforePost(Dataset& ds) {
    if (PustePole(ds, "Rok"))
        throw BladDanych("Rok premii pracowników cywilnych jest obowiązkowy !!!", "Rok");
    if (PustePole(ds, "Miesiac"))
        throw BladDanych("Miesiąc premii pracowników cywilnych jest obowiązkowy !!!", "Miesiac");
    if (PustePole(ds, "Kwota"))
        throw BladDanych("Procent premii pracowników cywilnych jest obowiązkowy !!!", "Kwota");
}

}  // namespace

void PodlaczPozostaleHistorie(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    TDM* t = &tdm;
    if (&c == &tdm.TZatrudnienie) {
        ds.AddHandler(DatasetEvent::BeforePost, TZatrudnienieBeforePost);
    } else if (&c == &tdm.TSzkodliwe) {
        auto& haki = c.Hooks("GrupaSzkodliwosci");
        haki.validate = [](const Dataset&, const Value& v) { SprawdzGrupeSzkodliwosci(v); };
        haki.getText = [t](const engine::RowView&, const Value& v) -> std::string {
            return ListaGrupSzkodliwosci(t->Sesja().DataPrzetwarzania.year).Tekst(TekstPola(v));
        };
        ds.AddHandler(DatasetEvent::BeforePost, TSzkodliweBeforePost);
    } else if (&c == &tdm.TDodSluzbowy) {
        ObrazKwoty(c, "Wartosc");
        ds.AddHandler(DatasetEvent::BeforePost,
                      [](Dataset& d) { DodatekBeforePost(kSluzbowy, d); });
    } else if (&c == &tdm.TDodInny) {
        ObrazKwoty(c, "Wartosc");
        ds.AddHandler(DatasetEvent::BeforePost, [](Dataset& d) { DodatekBeforePost(kInny, d); });
    } else if (&c == &tdm.TNagrody) {
        ObrazKwoty(c, "Kwota");
        UstawPoleKodowe(c, "RodzajNagrody", Lista("RodzajNagrody"), kTypNagrody);
        // The code list lets an empty kind through; the entry rule does not.
        auto& haki = c.Hooks("RodzajNagrody");
        haki.validate = [](const Dataset&, const Value& v) { SprawdzRodzajNagrody(v); };
        ds.AddHandler(DatasetEvent::NewRecord,
                      [](Dataset& d) { d.SetField("RodzajNagrody", Value::Text("1")); });
        ds.AddHandler(DatasetEvent::BeforePost, TNagrodyBeforePost);
    } else if (&c == &tdm.TPremPracCyw) {
        ds.AddHandler(DatasetEvent::NewRecord,
                      [](Dataset& d) { d.SetField("TypPremi", Value::Text("C")); });
        ds.AddHandler(DatasetEvent::BeforePost, TPremPracCywBeforePost);
    }
}

double PremiaCywila(TDM& tdm, int rok, int miesiac) {
    if (tdm.TPremPracCyw.IsOpen()) {
        const Dataset& p = *tdm.TPremPracCyw;
        for (int64_t i = 0; i < p.RecordCount(); ++i) {
            const engine::RowView w = p.RowAt(i);
            if (LiczbaCalkowita(w["Rok"]) == rok && LiczbaCalkowita(w["Miesiac"]) == miesiac)
                return LiczbaRzeczywista(w["Kwota"]);
        }
    }
    if (tdm.TPremie.IsOpen()) {
        const Dataset& p = *tdm.TPremie;
        if (p.RecNo() >= 0 && LiczbaCalkowita(p.Field("Rok")) == rok)
            return LiczbaRzeczywista(p.Field("Kwota"));
        for (int64_t i = 0; i < p.RecordCount(); ++i) {
            const engine::RowView w = p.RowAt(i);
            if (LiczbaCalkowita(w["Rok"]) == rok)
                return LiczbaRzeczywista(w["Kwota"]);
        }
    }
    tdm.Dialogi_().Ostrzezenie("Brak wprowadzonej stawki premii pracowników cywilnej na rok: " +
                                   std::to_string(rok) + " !!!",
                               "Kontrola danych.");
    return 0;
}

}  // namespace mirta::store
