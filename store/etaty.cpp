#include "store/etaty.h"

#include "store/pola_rekordu.h"
#include "store/tdm1.h"
#include "wspolne/blad_danych.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::DatasetEvent;
using engine::Value;

void TGlowkaStrukturyEtatowBeforePost(Dataset& ds) {
    const Value& rok = ds.Field("Rok");
    if ((rok.IsNull() ? 0 : rok.AsInteger()) < 2000)
        throw BladDanych("Niewłaściwy rok struktury etatów !!!");
    const Value& miesiac = ds.Field("Miesiac");
    if (miesiac.IsNull() || miesiac.AsInteger() < 1 || miesiac.AsInteger() > 12)
        throw BladDanych("Miesiąc musi być z zakresu 1 - 12 !!!");
}

void TPozStrukturyEtatowBeforePost(Dataset& ds) {
    if (Przyciety(ds.Field("StanowiskoEtatowe")).empty())
        throw BladDanych("Stanowisko etatowe jest obowiązkowe !!!", "StanowiskoEtatowe");
    if (PustePole(ds.Field("SystemSluzby")))
        throw BladDanych("System służby jest obowiązkowy !!!");
    const Value& typ = ds.Field("TypPracownika");
    const std::string t = typ.IsNull() ? std::string() : typ.AsText();
    if (t != "F" && t != "C")
        throw BladDanych("Dopuszczalne typy pracowników: F - funkcjonariusz, C- cywil !!!");
    if (t == "C" && PustePole(ds.Field("StatusPracownikaCywilnego")))
        throw BladDanych("Status pracownika cywilnego jest obowiązkowy !!!");
    if (t == "F" && !ds.Field("StatusPracownikaCywilnego").IsNull())
        ds.SetField("StatusPracownikaCywilnego", Value());
    for (const char* pole : {"LimitEtatow", "IloscEtatow"}) {
        const Value& v = ds.Field(pole);
        if (v.IsNull() || v.AsNumber() < 0)
            ds.SetField(pole, Value::Number(0));
    }
}

}  // namespace

void PodlaczStruktureEtatow(TDM1& tdm1, TableComponent& c) {
    if (&c == &tdm1.TGlowkaStrukturyEtatow) {
        c->AddHandler(DatasetEvent::BeforePost, TGlowkaStrukturyEtatowBeforePost);
        return;
    }
    c->AddHandler(DatasetEvent::BeforePost, TPozStrukturyEtatowBeforePost);
    // A choice from the list ("F - funkcjonariusz") stores its first letter.
    c.Hooks("TypPracownika").setText = [](Dataset& ds, const std::string& tekst) {
        ds.SetField("TypPracownika", tekst.empty() ? Value() : Value::Text(tekst.substr(0, 1)));
    };
}

StrukturaEtatow::StrukturaEtatow(TDM1& tdm1) : m_tdm1(tdm1) {
    tdm1.Open(tdm1.TGlowkaStrukturyEtatow);
    tdm1.Open(tdm1.TPozStrukturyEtatow);
    auto zmiana = [this](const engine::DatasetChange& z) {
        if (z.kind == engine::DatasetChange::Kind::State && m_odswiez)
            m_odswiez();
    };
    m_glowki = tdm1.TGlowkaStrukturyEtatow->Observe(zmiana);
    m_pozycje = tdm1.TPozStrukturyEtatow->Observe(zmiana);
}

StrukturaEtatow::~StrukturaEtatow() {
    m_glowki.Reset();
    m_pozycje.Reset();
    m_tdm1.Close(m_tdm1.TPozStrukturyEtatow);
    m_tdm1.Close(m_tdm1.TGlowkaStrukturyEtatow);
}

bool StrukturaEtatow::GlowkiDostepne() const {
    return !m_tdm1.TPozStrukturyEtatow->Editing();
}

bool StrukturaEtatow::PozycjeDostepne() const {
    return !m_tdm1.TGlowkaStrukturyEtatow->Editing();
}

}  // namespace mirta::store
