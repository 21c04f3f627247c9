#pragma once

#include <span>
#include <string_view>

#include "store/data_module.h"

namespace mirta::store {

class TDM;

// A field a dictionary window fills in choice mode `tryb`.
struct CelSlownika {
    int tryb = 0;
    std::string_view komponent = {};
    std::string_view pole = {};
};

// One member of the dictionary window family: its table, the texts of its window and its
// before-post name check.
struct OpisSlownika {
    std::string_view tytulOkna = {};
    std::string_view komponent = {};
    std::string_view poleNazwy = {};
    std::string_view poleIdentyfikatora = {};  // empty: no identifier, no use button
    std::string_view pytanieZapisu = {};
    std::string_view pytanieDopisu = {};
    std::string_view tytulPytan = {};
    std::string_view najpierwZapisz = {};  // empty: no use button
    std::span<const CelSlownika> cele = {};
    // Empty: the name is checked elsewhere, or not at all.
    std::string_view komunikatNazwy = {};
    bool nazwaPrzycieta = false;  // blanks alone count as an empty name
    // The rate table shown under the master, with its own texts.
    std::string_view komponentStawek = {};
    std::string_view pytanieZapisuStawki = {};
    std::string_view pytanieDopisuStawki = {};
    std::string_view najpierwZapiszStawke = {};
};

// Every member, in the order of the main window's menus.
std::span<const OpisSlownika> Slowniki();
// By the component of its table (master or rate table); nullptr when none.
const OpisSlownika* ZnajdzSlownik(std::string_view komponent);

// The before-post name check; throws BladDanych.
void SprawdzNazweSlownika(const OpisSlownika& opis, const engine::Dataset& ds);
// Whether the user may delete the current row of a dictionary or rate table: never for
// dictionaries (records refer to their rows), the rate tables and salary bases with the
// update right (rates only while their master is browsing).
bool MoznaKasowacWiersz(const DataModule& modul, std::string_view komponent);

// "&Użyj": throws the window's first-save message while the dictionary is being edited;
// in choice mode puts the target into edit (its guard applies) and stores the identifier
// of the current dictionary row, range-checked.
void UzyjSlownika(DataModule& modul, const OpisSlownika& opis, int tryb);
// Places the dictionary on the row the target field of mode `tryb` refers to; false (the
// dictionary not moved) when the field is empty or the row is not found.
bool UstawSlownikNaCelu(DataModule& modul, const OpisSlownika& opis, int tryb);

// "Usuń grupę płacową": the current position loses its pay group (left in edit).
void UsunGrupePlacowa(TDM& tdm);
// Repairs made while showing a row; they never raise and are skipped when the user could
// not make the change: an empty civil-service group of the current position becomes "0",
// and the current pay-group row of the employee without a multiplier gets 1.0.
void NaprawGrupeStanowiskaSC(TDM& tdm);
void NaprawMnoznikGrupy(TDM& tdm);

// Closing the rank or group window reloads the rates when they changed; closing the
// salary-base window makes the next use read the bases again.
void PoZamknieciuOknaStawek(TDM& tdm);
void PoZamknieciuOknaPodstaw(TDM& tdm);

// Wires the name checks of a dictionary of either module.
void PodlaczSlownik(DataModule& modul, TableComponent& komponent);
// Wires TDM's rate rules: the rank and group dictionaries and their rates, positions,
// salary bases and bonus percentages, and the refresh after a change of a legal basis.
void PodlaczSlownikiStawek(TDM& tdm, TableComponent& komponent);

}  // namespace mirta::store
