#pragma once

#include <vector>

#include "kit/data_controls.h"
#include "store/listy_kodow.h"

namespace mirta::store::ui {

// The codes of one of the records' code lists, in its order, as a code combo offers them.
std::vector<kit::CodeItem> PozycjeKodow(const store::ListaKodow& lista);

}  // namespace mirta::store::ui
