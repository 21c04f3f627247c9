#pragma once

#include <string>
#include <vector>

#include "engine/file_system.h"
#include "tools/demo.h"
#include "tools/kariera.h"

namespace mirta::tools {

// The generator's steps, shared by demo.cpp and its parts.
struct KontekstDemo {
    engine::FileSystem& fs;
    std::string katalog;
    ParametryKariery kariera;
    LicznikiDemo& liczniki;
};

void ZapiszSlowniki(KontekstDemo& k);
void ZapiszKalendarz(KontekstDemo& k);
void ZapiszOrganizacje(KontekstDemo& k, const std::vector<Pracownik>& ludzie);
// Fills Mirta.DB and every employee table; sets each person's `numer` identifiers in order.
void ZapiszPracownikow(KontekstDemo& k, const std::vector<Pracownik>& ludzie);
void ZapiszUstawienia(KontekstDemo& k);
void ZapiszDefinicjeWydrukow(KontekstDemo& k);
void ZapiszKartotekiPlac(KontekstDemo& k, const std::vector<Pracownik>& ludzie);
// Document templates in WZORY, registered in Wydruki.DB.
void ZapiszSzablony(KontekstDemo& k);

}  // namespace mirta::tools
