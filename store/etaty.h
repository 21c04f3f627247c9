#pragma once

#include <functional>
#include <string_view>

#include "engine/observer.h"

namespace mirta::store {

class TDM1;
class TableComponent;

// The choices of the type column; a choice stores its first letter.
inline constexpr std::string_view kTypyPracownika[] = {"C - cywil", "F - funkcjonariusz"};

// GlStrEtatow.db and PozStrEtatow.DB's own rules: the before-post checks and corrections and
// the type column's choices.
void PodlaczStruktureEtatow(TDM1& tdm1, TableComponent& komponent);

// The closing questions, asked by the window through ZapytajOZapis for the header and,
// unless that cancelled, for the position.
inline constexpr const char* kTytulStruktury = " Kontrola danych o strukturze etatów.";
inline constexpr const char* kPytanieZapisuGlowki = " Czy zapisać zmiany główki struktury etatów ?";
inline constexpr const char* kPytanieDopisuGlowki = "Czy dopisać nową główkę struktury etatów ?";
inline constexpr const char* kPytanieZapisuPozycji =
    " Czy zapisać zmiany pozycji struktury etatów ?";
inline constexpr const char* kPytanieDopisuPozycji = "Czy dopisać nową pozycje struktury etatów ?";

// What the staffing structure window (TFStrukturaEtatow) does, without the window. While it
// lives both tables are open and every change of their state re-evaluates the interlock:
// while a header is being changed the positions are locked, and the other way round.
class StrukturaEtatow {
public:
    explicit StrukturaEtatow(TDM1& tdm1);
    ~StrukturaEtatow();
    StrukturaEtatow(const StrukturaEtatow&) = delete;
    StrukturaEtatow& operator=(const StrukturaEtatow&) = delete;

    // Whether the headers' (positions') list and navigator are enabled.
    bool GlowkiDostepne() const;
    bool PozycjeDostepne() const;
    // Called after every insert, edit, post and cancel of either table.
    void PoZmianieStanu(std::function<void()> odswiez) { m_odswiez = std::move(odswiez); }

private:
    TDM1& m_tdm1;
    std::function<void()> m_odswiez;
    engine::Subscription m_glowki, m_pozycje;
};

}  // namespace mirta::store
