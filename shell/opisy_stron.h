#pragma once

#include "kit/data_controls.h"
#include "kit/db_navigator.h"
#include "store/opisy_stron.h"

namespace mirta::shell {

// The page descriptions live with the store (the change journal reads them too); the pages
// of the shell use them under their own names.
using store::kBrakRent;
using store::KolejnoscStrazy;
using store::KolumnaDodatkowa;
using store::kPytanieOPodpowiedz;
using store::kStronaAkt;
using store::kTytulPodpowiedzi;
using store::ListaPola;
using store::NazwaRekordu;
using store::OpisKontrolki;
using store::OpisStrony;
using store::OpisTabeliStrony;
using store::OpisyStron;
using store::PolaPlacowe;
using store::Rodzaj;
using store::RodzajKontrolki;
using store::RodzajStrony;
using store::Usuwanie;

// The navigator's ten hints for a record: "Pierwszy urlop" ... "Odśwież dane".
kit::NavigatorHints PodpowiedziNawigatora(const NazwaRekordu& rekord);

}  // namespace mirta::shell
