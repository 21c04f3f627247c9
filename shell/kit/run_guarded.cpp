#include "shell/kit/run_guarded.h"

#include <QtGlobal>
#include <exception>
#include <string>

#include "store/blad_danych.h"

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

}  // namespace

bool RunGuarded(store::Dialogi& dialogi, const std::function<void()>& action) {
    try {
        action();
        return true;
    } catch (const store::OdmowaUzytkownika&) {
        // The user said no to a question; nothing more to say.
    } catch (const std::exception& e) {
        // A rule's BladDanych, an EngineError and the rest all carry the user's text in what().
        Report(dialogi, e.what());
    } catch (...) {
        Report(dialogi, "Nieoczekiwany błąd programu.");
    }
    return false;
}

}  // namespace mirta::kit
