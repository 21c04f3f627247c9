#pragma once

// The page "Wynagr.": for every rank and pay group the employee has held, the rates in force
// in each period, as a document (names and rank or group titles in bold).

#include "documents/document.h"

namespace mirta::store {
class DaneStopniiGrup;
}

namespace mirta::documents {

struct DaneTagow;

// `stawki`: the rates of every rank and group (TDM::Stawki(), loaded).
Document StronaWynagrodzen(const DaneTagow& dane, store::DaneStopniiGrup& stawki);

}  // namespace mirta::documents
