#pragma once

#include <string_view>

#include "engine/value.h"
#include "wspolne/dialogi.h"

namespace mirta::store {

class TableComponent;

// Places a table on the row whose `pole` equals `wartosc`: the current row is tested first,
// then the index is searched when `pole` leads it, then the rows one by one. Not found:
// "Nie udało się znaleźć wartości: ..." under "Błąd danych." and false.
bool UstawNaWartosci(Dialogi& dialogi, TableComponent& tabela, std::string_view pole,
                     const engine::Value& wartosc);

}  // namespace mirta::store
