#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "store/data_module.h"
#include "engine/dataset.h"
#include "engine/engine_error.h"
#include "store/listy_kodow.h"

namespace mirta::store {

// Rules every table of TDM and TDM1 shares. Each throws BladDanych with the user's message.

inline constexpr const char* kBrakPrawa = "Nie masz prawa do zmiany danych !!!";
inline constexpr const char* kNieKasuj = " Nie można kasować tych danych !!!";

// Edit guards, run before insert, edit and (where the table's list says) delete. `plik` is
// the catalogue's file name of the guarded table.
void AAKontrola(const DataModule& modul, std::string_view plik);
void TWyksztalcenieBeforeEdit(const DataModule& modul);
void AAAPrzedEdycja(const DataModule& modul, std::string_view plik);

// A date typed through the "yyyy-mm-dd" mask, read by the one date reader of compute/: the
// day number, or nullopt when the text is no valid date (a blank mask included).
std::optional<int32_t> CzytajDate(std::string_view tekst);
// A typed number: blanks removed, decimal comma. Throws BladDanych when it does not convert
// (the empty text included).
double CzytajLiczbe(std::string_view tekst);

// Stores an identifier, refusing one its field cannot hold instead of letting it wrap.
void UstawIdentyfikator(engine::Dataset& ds, std::string_view pole, int64_t identyfikator);

// The report shown when the store refuses a post.
std::string RaportBleduZapisu(const engine::EngineError& blad, std::string_view komponent,
                              std::string_view plik);

// A one-character code field shown through its code list...
void PokazPrzezListe(TableComponent& komponent, const std::string& pole, const ListaKodow& lista);
// ...and, when set, refusing a code not on the list with `komunikat` (an empty value passes).
void UstawPoleKodowe(TableComponent& komponent, const std::string& pole, const ListaKodow& lista,
                     std::string komunikat);

// Wires the guards, the delete prohibition, date and number entry, identifier fields and the
// post-error report of the component's table. Called first when a component opens.
void PodlaczZasadyWspolne(DataModule& modul, TableComponent& komponent);
// Wires the editing-state recomputation after insert, edit, cancel, post and delete. Called
// last, after the record's own effects.
void PodlaczPoOperacjach(DataModule& modul, TableComponent& komponent);

}  // namespace mirta::store
