#include "store/kalendarz_kadrowy.h"

#include <exception>

#include "store/kalendarz.h"
#include "store/tdm.h"

namespace mirta::store {
namespace {

using engine::Dataset;
using engine::Value;

int Liczba(const Dataset& k, const char* pole) {
    const Value& v = k.Field(pole);
    return v.IsNull() ? 0 : static_cast<int>(v.AsInteger());
}

}  // namespace

KalendarzKadrowy::KalendarzKadrowy(TDM& tdm)
    : m_tdm(tdm),
      m_rok(tdm.Sesja().DataPrzetwarzania.year),
      m_miesiac(tdm.Sesja().DataPrzetwarzania.month) {}

bool KalendarzKadrowy::Pokaz() {
    if (!PrzygotujMiesiac(m_tdm, m_rok, m_miesiac)) {
        m_tdm.Dialogi_().Blad(" Niespodziewany błąd odczytu danych !!!", kTytulBledu);
        return false;
    }
    const Value& v = m_tdm.TKalendarz->Field("PrzebiegPracy");
    const std::string przebieg = v.IsNull() ? std::string() : v.AsText();
    for (int d = 1; d <= 31; ++d) {
        Dzien& dzien = m_dni[static_cast<size_t>(d - 1)];
        // A shorter text, written by another program, has no such days.
        const char litera =
            d <= static_cast<int>(przebieg.size()) ? przebieg[static_cast<size_t>(d - 1)] : 'Z';
        dzien.widoczny = litera != 'Z';
        if (!dzien.widoczny)
            continue;
        dzien.skrot = SkrotDniaTygodnia(compute::DzienTygodnia(
            {m_rok, static_cast<uint8_t>(m_miesiac), static_cast<uint8_t>(d)}));
        if (litera == 'R' || litera == 'W' || litera == 'S')
            dzien.litera = litera;
    }
    return true;
}

bool KalendarzKadrowy::UstawMiesiac(int miesiac) {
    m_tdm.TKalendarz->CheckBrowseMode();
    m_miesiac = miesiac;
    return Pokaz();
}

bool KalendarzKadrowy::UstawRok(int rok) {
    m_tdm.TKalendarz->CheckBrowseMode();
    m_rok = rok;
    return Pokaz();
}

bool KalendarzKadrowy::ZmienStatus(std::string_view komenda) {
    Dialogi& dialogi = m_tdm.Dialogi_();
    char litera = 0;
    double godziny = 0;
    if (komenda == kKomendy[0]) {
        litera = 'R';
        godziny = 8;
    } else if (komenda == kKomendy[1]) {
        litera = 'W';
    } else if (komenda == kKomendy[2]) {
        litera = 'S';
    } else {
        dialogi.Blad("Złe ustawienie statusu !!!", kTytulBledu);
        return true;
    }
    // Days after the month's end have no button; refused like any other day that is not there.
    if (m_wybrany < 1 || m_wybrany > compute::DniMiesiaca(m_rok, m_miesiac)) {
        dialogi.Blad("W kalendarzu nie ma dnia: " + std::to_string(m_wybrany) + " !!!",
                     kTytulBledu);
        return true;
    }
    Dataset& k = *m_tdm.TKalendarz;
    if (Liczba(k, "IdentyfikatorKalendarza") != kIdentyfikatorKalendarza ||
        Liczba(k, "Rok") != m_rok || Liczba(k, "Miesiac") != m_miesiac) {
        dialogi.Blad("Złe ustawienie zbioru kalendarza !!!", kTytulBledu);
        return true;
    }
    try {
        const Value& v = k.Field("PrzebiegPracy");
        std::string przebieg = v.IsNull() ? std::string() : v.AsText();
        przebieg.resize(31, 'Z');
        przebieg[static_cast<size_t>(m_wybrany - 1)] = litera;
        k.Edit();
        k.SetField("PrzebiegPracy", Value::Text(przebieg));
        k.SetField("G" + std::to_string(m_wybrany), Value::Number(godziny));
        k.Post();
    } catch (const std::exception&) {
        if (k.State() == engine::DatasetState::Edit)
            k.Cancel();
        dialogi.Blad("Błąd zapisu danych !!!", kTytulBledu);
    }
    m_wybrany = 0;
    return Pokaz();
}

void KalendarzKadrowy::Zamknij() {
    if (m_tdm.TKalendarz.IsOpen())
        m_tdm.TKalendarz->CheckBrowseMode();
}

}  // namespace mirta::store
