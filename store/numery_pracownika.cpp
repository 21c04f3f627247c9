#include "store/numery_pracownika.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "compute/numery_identyfikacyjne.h"
#include "wspolne/blad_danych.h"
#include "engine/field_text.h"
#include "store/pola_rekordu.h"
#include "store/tdm.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

constexpr const char* kTytul = "Sprawdzenie numerów";
constexpr const char* kZapisac = " Zapisać mimo to?";

// The fields whose change calls for the checks; an untouched record is not questioned again.
constexpr const char* kPolaSprawdzane[] = {"PESEL", "Nip", "DataUrodzenia", "Plec",
                                           "NumerPracownika"};

compute::DataKal DataZPola(const Value& v) {
    if (v.IsNull())
        return {};
    const auto d = engine::CivilFromDayNumber(v.AsDay());
    return {d.year, static_cast<uint8_t>(d.month), static_cast<uint8_t>(d.day)};
}

std::vector<std::string> ProblemyNumerow(const Dataset& ds) {
    std::vector<std::string> problemy;
    const std::string pesel = Przyciety(ds.Field("PESEL"));
    if (!pesel.empty()) {
        const compute::Pesel p = compute::CzytajPesel(pesel);
        if (!p.poprawny) {
            problemy.push_back("PESEL " + pesel + " jest niepoprawny (błędna cyfra kontrolna).");
        } else {
            const Value& urodzenie = ds.Field("DataUrodzenia");
            if (!urodzenie.IsNull() && DataZPola(urodzenie) != p.dataUrodzenia)
                problemy.push_back("PESEL " + pesel + " nie zgadza się z datą urodzenia.");
            const std::string plec = Przyciety(ds.Field("Plec"));
            if (plec.size() == 1 && plec[0] != p.plec)
                problemy.push_back("PESEL " + pesel + " nie zgadza się z płcią.");
        }
    }
    const std::string nip = Przyciety(ds.Field("Nip"));
    if (!nip.empty() && !compute::PoprawnyNip(nip))
        problemy.push_back("NIP " + nip + " jest niepoprawny (błędna cyfra kontrolna).");
    return problemy;
}

// Another employee with the same number, as "NAZWISKO IMIĘ"; nothing when there is none.
std::optional<std::string> KtoMaNumer(const Dataset& ds) {
    const Value& numer = ds.Field("NumerPracownika");
    if (numer.IsNull() || numer.AsInteger() <= 0)
        return std::nullopt;
    engine::Table& t = ds.GetTable();
    const int pNumer = ds.FieldIndex("NumerPracownika");
    const int pId = ds.FieldIndex("Identyfikator");
    const Value& ja = ds.Field(pId);
    for (uint64_t r = 0; r < t.RowCount(); ++r) {
        const Value n = t.ReadField(r, pNumer);
        if (n.IsNull() || n.AsInteger() != numer.AsInteger())
            continue;
        const Value id = t.ReadField(r, pId);
        if (!ja.IsNull() && !id.IsNull() && id.AsInteger() == ja.AsInteger())
            continue;
        return Przyciety(t.ReadField(r, ds.FieldIndex("Nazwisko"))) + " " +
               Przyciety(t.ReadField(r, ds.FieldIndex("Imie1")));
    }
    return std::nullopt;
}

void UzupelnijZPeselu(Dataset& ds) {
    const compute::Pesel p = compute::CzytajPesel(Przyciety(ds.Field("PESEL")));
    if (!p.poprawny)
        return;
    if (ds.Field("DataUrodzenia").IsNull()) {
        const auto& d = p.dataUrodzenia;
        ds.SetField("DataUrodzenia",
                    Value::Date(engine::DayNumberFromCivil(d.rok, d.miesiac, d.dzien)));
    }
    if (PustePole(ds, "Plec"))
        ds.SetField("Plec", Value::Text(std::string(1, p.plec)));
}

}  // namespace

void PodlaczNumeryIdentyfikacyjne(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    // The record as it was when editing began; none for a new record.
    auto przed = std::make_shared<std::optional<engine::Record>>();
    ds.AddHandler(DatasetEvent::AfterEdit, [przed](Dataset& d) { *przed = d.Current().Values(); });
    ds.AddHandler(DatasetEvent::AfterInsert, [przed](Dataset&) { przed->reset(); });

    TDM* t = &tdm;
    ds.AddHandler(DatasetEvent::BeforePost, [t, przed](Dataset& d) {
        if (przed->has_value()) {
            bool zmiana = false;
            for (const char* pole : kPolaSprawdzane) {
                const int i = d.FieldIndex(pole);
                zmiana = zmiana || !((**przed)[i] == d.Field(i));
            }
            if (!zmiana)
                return;
        }
        std::vector<std::string> problemy = ProblemyNumerow(d);
        if (auto kto = KtoMaNumer(d))
            problemy.push_back("Numer pracownika " +
                               std::to_string(d.Field("NumerPracownika").AsInteger()) +
                               " ma już: " + *kto + ".");
        for (const auto& problem : problemy) {
            if (t->Dialogi_().TakNie(problem + kZapisac, kTytul, Ikona::Ostrzezenie,
                                     Odpowiedz::Nie) != Odpowiedz::Tak)
                throw OdmowaUzytkownika();
        }
    });

    auto& haki = c.Hooks("PESEL");
    haki.setText = [poprzedni = haki.setText](Dataset& d, const std::string& tekst) {
        if (poprzedni)
            poprzedni(d, tekst);
        else
            d.SetField("PESEL", engine::ParseFieldText(d.Fields()[d.FieldIndex("PESEL")], tekst));
        UzupelnijZPeselu(d);
    };
}

}  // namespace mirta::store
