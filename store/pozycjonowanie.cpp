#include "store/pozycjonowanie.h"

#include "store/data_module.h"

namespace mirta::store {

bool UstawNaWartosci(Dialogi& dialogi, TableComponent& tabela, std::string_view pole,
                     const engine::Value& wartosc) {
    engine::Dataset& ds = *tabela;
    const int k = ds.FieldIndex(pole);
    if (!ds.IsEmpty() && ds.Field(k) == wartosc)
        return true;
    const auto& indeks = ds.IndexFields();
    if (!indeks.empty() && indeks.front() == k) {
        if (ds.FindKey({wartosc}))
            return true;
    } else {
        for (int64_t i = 0; i < ds.RecordCount(); ++i) {
            if (ds.RowAt(i).At(k) == wartosc) {
                ds.MoveTo(i);
                return true;
            }
        }
    }
    dialogi.Blad("Nie udało się znaleźć wartości: " + wartosc.ToString() +
                     " pola: " + std::string(pole) + " w tabeli: " + tabela.Name(),
                 "Błąd danych.");
    return false;
}

}  // namespace mirta::store
