#include "store/czas_pracy.h"

#include "compute/data_kal.h"
#include "store/kalendarz.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"
#include "store/zasady_wspolne.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

constexpr const char* kTytulKontroli = "Kontrola danych.";

std::string Pole(char litera, int dzien) {
    return std::string(1, litera) + std::to_string(dzien);
}

void TCzasPracyAfterInsert(const TDM& tdm, Dataset& ds) {
    for (int d = 1; d <= 31; ++d) {
        ds.SetField(Pole('P', d), Value::Integer(0));
        ds.SetField(Pole('W', d), Value::Integer(0));
    }
    const auto& data = tdm.Sesja().DataPrzetwarzania;
    ds.SetField("Rok", Value::Integer(data.year));
    ds.SetField("Miesiac", Value::Integer(data.month));
}

void TCzasPracyBeforePost(Dataset& ds) {
    if (ds.Field("Rok").IsNull())
        throw BladDanych("Rok kalendarza pracownika jest obowiązkowy !!!", "Rok");
    if (ds.Field("Miesiac").IsNull())
        throw BladDanych("Miesiąc kalendarza pracownika jest obowiązkowy !!!", "Miesiac");
    const int64_t miesiac = ds.Field("Miesiac").AsInteger();
    if (miesiac < 1 || miesiac > 12)
        throw BladDanych("Miesiąc musi być z zakresu 1-12 !!!");
    const int dni = compute::DniMiesiaca(ds.Field("Rok").AsInteger(), static_cast<int>(miesiac));
    for (char litera : {'P', 'W'}) {
        for (int d = 1; d <= 31; ++d) {
            const std::string pole = Pole(litera, d);
            const Value& v = ds.Field(pole);
            int64_t godziny = v.IsNull() ? 0 : v.AsInteger();
            godziny = godziny < 0 ? 0 : godziny > 24 ? 24 : godziny;
            if (d > dni)
                godziny = 0;
            if (v.IsNull() || v.AsInteger() != godziny)
                ds.SetField(pole, Value::Integer(godziny));
        }
    }
}

}  // namespace

void PodlaczCzasPracy(TDM& tdm, TableComponent& c) {
    Dataset& ds = *c;
    const TDM* t = &tdm;
    ds.AddHandler(DatasetEvent::AfterInsert, [t](Dataset& d) { TCzasPracyAfterInsert(*t, d); });
    ds.AddHandler(DatasetEvent::BeforePost, TCzasPracyBeforePost);
    // The delete confirmation alone let a user without the right remove a card.
    ds.AddHandler(DatasetEvent::BeforeDelete, [t](Dataset&) {
        if (!t->Sesja().Aktualizowanie)
            throw BladDanych(kBrakPrawa);
    });
    std::vector<int> plan, wykonanie;
    for (int d = 1; d <= 31; ++d) {
        plan.push_back(ds.FieldIndex(Pole('P', d)));
        wykonanie.push_back(ds.FieldIndex(Pole('W', d)));
    }
    c.AddCalculation([plan, wykonanie](engine::RowView& row) {
        auto suma = [&](const std::vector<int>& pola) {
            int64_t s = 0;
            for (int i : pola)
                if (!row.At(i).IsNull())
                    s += row.At(i).AsInteger();
            return Value::Integer(s);
        };
        row.Set("RazemPlan", suma(plan));
        row.Set("RazemWykonanie", suma(wykonanie));
    });
}

KartyPracy::KartyPracy(TDM& tdm, GodzinyDomyslne& godziny) : m_tdm(tdm), m_godziny(godziny) {
    tdm.Open(tdm.TCzasPracy);
    tdm.TCzasPracy->Last();
}

KartyPracy::~KartyPracy() {
    m_tdm.Close(m_tdm.TCzasPracy);
}

engine::Dataset& KartyPracy::Karta() const {
    return *m_tdm.TCzasPracy;
}

std::string KartyPracy::Naglowek() const {
    const Dataset& p = *m_tdm.TPracownicy;
    return p.FieldText("Imie1") + " " + p.FieldText("Nazwisko");
}

bool KartyPracy::PokazKarte() {
    Dataset& k = Karta();
    k.CheckBrowseMode();
    if (k.Editing()) {
        m_tdm.Dialogi_().Blad("Nie udało zapisać się karty pracy !!!", kTytulKontroli);
        return false;
    }
    if (k.IsEmpty()) {
        m_tdm.Dialogi_().Blad("Brak kart pracy dla pracownika !!!", kTytulKontroli);
        return false;
    }
    m_trybKarty = true;
    return true;
}

void KartyPracy::UkryjKarte() {
    Karta().CheckBrowseMode();
    m_trybKarty = false;
}

std::vector<std::string> KartyPracy::PodpisyDni() const {
    const Dataset& k = Karta();
    std::vector<std::string> podpisy;
    if (k.Field("Rok").IsNull() || k.Field("Miesiac").IsNull())
        return podpisy;
    const compute::DataKal pierwszy{static_cast<int32_t>(k.Field("Rok").AsInteger()),
                                    static_cast<uint8_t>(k.Field("Miesiac").AsInteger()), 1};
    const int dni = compute::DniMiesiaca(pierwszy.rok, pierwszy.miesiac);
    for (int d = 1; d <= dni; ++d) {
        compute::DataKal data = pierwszy;
        data.dzien = static_cast<uint8_t>(d);
        podpisy.push_back(std::to_string(d) + " " +
                          std::string(SkrotDniaTygodnia(compute::DzienTygodnia(data))) + ".");
    }
    return podpisy;
}

void KartyPracy::WypelnijDzien(int dzien) {
    if (dzien < 1 || dzien > 31)
        return;
    Dataset& k = Karta();
    if (!k.Editing())
        k.Edit();
    const bool plan = co == CoWstawiac::PlanIWykonanie || co == CoWstawiac::Plan;
    const bool wykonanie = co == CoWstawiac::PlanIWykonanie || co == CoWstawiac::Wykonanie;
    k.SetField(Pole('P', dzien), Value::Integer(plan ? m_godziny.plan : 0));
    k.SetField(Pole('W', dzien), Value::Integer(wykonanie ? m_godziny.wykonanie : 0));
}

}  // namespace mirta::store
