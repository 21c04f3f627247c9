#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mirta::spd {

// A stored field row as the check before sending reads it.
struct PoleKontroli {
    int identyfikatorPola = 0;
    std::string nazwaPola;
    std::string opisDodatkowy;
    bool wymagalnosc = false;
    std::string zawartosc;
    std::string nazwisko;  // of the employee the record is about
    std::string imie1;
    int32_t pracownik = 0;
};

// What a failing field row lacks.
enum class BrakPola { WartoscWymagana, StatusCywilny };
struct BladPola {
    PoleKontroli pole;
    BrakPola brak = BrakPola::WartoscWymagana;
};

inline constexpr const char* kNaglowekZestawieniaBledow = "Zestawienie błędów w systemie SPD.";

// Collects the missing values of a package, header by header and row by row, without
// stopping at the first: a required value that is empty once trimmed, and for the employees
// (kind "P") a civil employee's status.
class KontrolaPrzesylki {
public:
    // Starts the rows of a header: its schedule entry's name and its data kind.
    void Naglowek(std::string nazwa, std::string rodzaj);
    void Pole(const PoleKontroli& pole);

    bool Poprawna() const { return m_bledy.empty(); }
    const std::vector<std::string>& Bledy() const { return m_bledy; }
    // The same failures with the field rows they were found on.
    const std::vector<BladPola>& BledyPol() const { return m_bledyPol; }
    // The list as the user reads it: its title line, then one line for every failure.
    std::string Zestawienie() const;

private:
    void Dodaj(const PoleKontroli& pole, BrakPola brak);

    std::string m_nazwa;
    bool m_pracownicy = false;
    std::string m_statusCywilny;  // of row 41, carried to row 42
    std::vector<std::string> m_bledy;
    std::vector<BladPola> m_bledyPol;
};

}  // namespace mirta::spd
