#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mirta::store {

class TDM;

// What the calendar window (TFKalendarz) does, without the window: the shown year and month,
// the day cells and the status change from the context menu. Messages go through the module's
// Dialogi as errors.
class KalendarzKadrowy {
public:
    // The context-menu commands, in menu order.
    static constexpr std::string_view kKomendy[] = {"Dzień roboczy.", "Dzień wolny.", "Święto."};

    struct Dzien {
        bool widoczny = false;   // letter other than 'Z'
        char litera = 'Z';       // R, W, S (any other letter keeps the former colour)
        std::string_view skrot;  // "Pn" .. "Nd"
    };

    // Opens on the year and month of the processing date; Pokaz() shows it.
    explicit KalendarzKadrowy(TDM& tdm);

    int Rok() const { return m_rok; }
    int Miesiac() const { return m_miesiac; }
    int WybranyDzien() const { return m_wybrany; }
    const std::array<Dzien, 31>& Dni() const { return m_dni; }

    // Rebuilds the display of the shown month, generating it when missing. False after
    // " Niespodziewany błąd odczytu danych !!!": the window closes (on opening: is not shown).
    bool Pokaz();
    // A pending change of hours is saved first. False as Pokaz.
    bool UstawMiesiac(int miesiac);
    bool UstawRok(int rok);

    // Any mouse button pressed on a day button.
    void WybierzDzien(int dzien) { m_wybrany = dzien; }
    // A context-menu command on the selected day. False when the window must close (the
    // month could not be shown again).
    bool ZmienStatus(std::string_view komenda);

    // Closing: a row in edit or insert state is posted.
    void Zamknij();

private:
    TDM& m_tdm;
    int m_rok, m_miesiac;
    int m_wybrany = 0;
    std::array<Dzien, 31> m_dni{};
};

}  // namespace mirta::store
