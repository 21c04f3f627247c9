#include "kit/run_guarded.h"

#include <QtGlobal>
#include <exception>
#include <new>
#include <stdexcept>
#include <string>

#include "engine/engine_error.h"
#include "kit/fokus.h"
#include "kit/propozycja_naprawy.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dziennik.h"

namespace mirta::kit {

namespace {

// A failing report must not escape either: the action already failed, so log and go on.
void Report(store::Dialogi& dialogi, const std::string& message) {
    try {
        dialogi.Blad(message, store::kTytulBledu);
    } catch (const std::exception& e) {
        qWarning("Komunikat nie został pokazany: %s (%s)", message.c_str(), e.what());
    } catch (...) {
        qWarning("Komunikat nie został pokazany: %s", message.c_str());
    }
}

void Log(const std::string& text) {
    store::DziennikProgramu().Zapisz(text);
}

std::function<void(const std::string&)>& Propozycja() {
    static std::function<void(const std::string&)> propozycja;
    return propozycja;
}

}  // namespace

void UstawPropozycjeNaprawy(std::function<void(const std::string&)> propozycja) {
    Propozycja() = std::move(propozycja);
}

void LogFailure(const std::string& context, const std::exception& failure) {
    const auto* engine = dynamic_cast<const engine::EngineError*>(&failure);
    Log(context + ": " + (engine ? engine->Describe() : std::string(failure.what())));
}

std::string InternalErrorMessage() {
    return "Wystąpił błąd wewnętrzny programu; operacja została przerwana.\nSzczegóły zapisano "
           "w dzienniku programu:\n" +
           store::DziennikProgramu().Sciezka();
}

bool RunGuarded(store::Dialogi& dialogi, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const store::OdmowaUzytkownika&) {
        // The user said no to a question; nothing more to say.
    } catch (const store::BladDanych& e) {
        Report(dialogi, e.what());
        PokazPoleBledu(e.Pole());
    } catch (const engine::CorruptFile& e) {
        Log("Błąd tabeli: " + e.Describe());
        bool zaproponowana = false;
        if (Propozycja()) {
            try {
                Propozycja()(e.what());
                zaproponowana = true;
            } catch (const std::exception& blad) {
                Log(std::string("Naprawa nie została zaproponowana: ") + blad.what());
            }
        }
        if (!zaproponowana)
            Report(dialogi, e.what());
    } catch (const engine::EngineError& e) {
        Log("Błąd tabeli: " + e.Describe());
        Report(dialogi, e.what());
    } catch (const std::bad_alloc&) {
        Log("Brak pamięci.");
        Report(dialogi, kZbytMaleZasoby);
    } catch (const std::logic_error& e) {
        Log(std::string("Błąd wewnętrzny: ") + e.what());
        Report(dialogi, InternalErrorMessage());
    } catch (const std::exception& e) {
        // The store's other failures carry the user's text.
        Log(std::string("Błąd: ") + e.what());
        Report(dialogi, e.what());
    } catch (...) {
        Log("Błąd wewnętrzny: nieznany wyjątek.");
        Report(dialogi, InternalErrorMessage());
    }
    return false;
}

}  // namespace mirta::kit
