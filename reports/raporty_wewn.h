#pragma once

// The layouts behind UtworzRaport, one file each.

#include <memory>

#include "reports/raport.h"

namespace mirta::reports {

std::unique_ptr<Raport> UtworzRaportListy(KontekstWydruku& k);
std::unique_ptr<Raport> UtworzListeAdresow(KontekstWydruku& k);
std::unique_ptr<Raport> UtworzWydrukKonfigurowany(KontekstWydruku& k);
std::unique_ptr<Raport> UtworzWykorzystanieUrlopu(KontekstWydruku& k);

}  // namespace mirta::reports
