#pragma once

#include "rodo/dane_osoby.h"

namespace mirta::rodo {

// The personnel file as a holder of the person's data: its documents' rows come with the
// tables, and anonymisation removes the documents' files (after its question).
ZrodloDanychOsoby ZrodloAktOsobowych();

}  // namespace mirta::rodo
