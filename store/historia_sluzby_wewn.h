#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/dataset.h"

namespace mirta::store {

class TDM;
class TableComponent;

// What the rates of a row need of its employee, read from Mirta.DB as stored.
struct DanePracownika {
    bool funkcjonariusz = false;            // Podzial "1"
    std::optional<int32_t> dataZwolnienia;  // DataZwolnienia
};
DanePracownika CzytajPracownika(TDM& tdm, int32_t pracownik);

// A field of the dictionary row whose `poleId` equals `id`, read from the stored table.
engine::Value PoleSlownika(TableComponent& slownik, const char* poleId, int64_t id,
                           const char* pole);

// After a post or delete: the other view of the file is read again, and with
// `listaPracownikow` the employee list too.
void OdswiezPoZmianie(TDM& tdm, TableComponent& drugiWidok, bool listaPracownikow);

void PodlaczStopnieIGrupy(TDM& tdm, TableComponent& komponent);
void PodlaczStanowiska(TDM& tdm, TableComponent& komponent);
void PodlaczPozostaleHistorie(TDM& tdm, TableComponent& komponent);

}  // namespace mirta::store
