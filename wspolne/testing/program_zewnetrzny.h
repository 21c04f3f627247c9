#pragma once

#include <gtest/gtest.h>

#include <cstdlib>

// A check by another program (LibreOffice, poppler, openpyxl, OpenSSH ...) that cannot run
// here: skipped on a developer's machine, a failure where CI is set, since there
// scripts/install-deps.sh has installed every such program and a skip would hide a check.
#define MIRTA_WYMAGA_PROGRAMU(jest, opis)                                            \
    do {                                                                             \
        if (!(jest)) {                                                               \
            if (std::getenv("CI"))                                                   \
                FAIL() << "brak programu potrzebnego do sprawdzenia: " << opis;      \
            else                                                                     \
                GTEST_SKIP() << "brak programu potrzebnego do sprawdzenia: " << opis \
                             << " (scripts/install-deps.sh go instaluje)";           \
        }                                                                            \
    } while (0)
