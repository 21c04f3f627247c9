#pragma once

#include <cstdint>

#include "store/data_module.h"
#include "engine/dataset.h"

namespace mirta::store {

// Field checks the before-post rules of the record kinds share; each throws BladDanych with
// the rule's own message.

// `komunikat` when the field is empty.
void Wymagane(const engine::Dataset& ds, const char* pole, const char* komunikat);
// `komunikat` when the number in the field lies outside [od, do_] (an empty field passes).
void WPrzedziale(const engine::Dataset& ds, const char* pole, int64_t od, int64_t do_,
                 const char* komunikat);
// `komunikat` when both dates are given and the later one comes before the earlier one.
void NiePrzed(const engine::Dataset& ds, const char* wczesniejsza, const char* pozniejsza,
              const char* komunikat);

// A one-character code typed as text and compared as text with "1" .. `ostatni` (an empty
// value lies below "1" and is refused): shown through its code list, checked on entry and
// again before the post.
struct KodWPrzedziale {
    const char* pole;
    const char* ostatni;
    const char* komunikat;

    void Sprawdz(const engine::Value& v) const;
    void Sprawdz(const engine::Dataset& ds) const { Sprawdz(ds.Field(pole)); }
    // REQUIRES: the object outlives the component's rules (a constant).
    void Podlacz(TableComponent& c) const;
};

}  // namespace mirta::store
