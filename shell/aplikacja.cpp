#include "shell/aplikacja.h"

#include <QApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "compute/data_kal.h"
#include "engine/engine_error.h"
#include "engine/file_system.h"
#include "kit/qt_dialogi.h"
#include "kit/zrzuty.h"
#include "naprawa/ui/naprawa_okno.h"
#include "shell/glowny.h"
#include "shell/jedna_kopia.h"
#include "shell/start.h"
#include "store/tdm.h"
#include "store/tdm1.h"

namespace mirta::shell {

namespace {

engine::CivilDate Dzis() {
    const QDate d = QDate::currentDate();
    return {d.year(), d.month(), d.day()};
}

std::optional<engine::CivilDate> CzytajDate(const QString& tekst) {
    const compute::DataKal d = compute::DataZTekstu(tekst.toStdString());
    if (!d.Poprawna())
        return std::nullopt;
    return engine::CivilDate{d.rok, d.miesiac, d.dzien};
}

// The picture mode runs with nobody at the screen: messages go to the error output and
// questions take their default answer.
class DialogiKonsoli final : public store::Dialogi {
public:
    void Blad(const std::string& tekst, const std::string& tytul) override { Pisz(tekst, tytul); }
    void Ostrzezenie(const std::string& tekst, const std::string& tytul) override {
        Pisz(tekst, tytul);
    }
    void Informacja(const std::string& tekst, const std::string& tytul) override {
        Pisz(tekst, tytul);
    }
    store::Odpowiedz TakNie(const std::string& tekst, const std::string& tytul, store::Ikona,
                            store::Odpowiedz domyslna) override {
        Pisz(tekst, tytul);
        return domyslna;
    }
    store::Odpowiedz TakNieAnuluj(const std::string& tekst, const std::string& tytul, store::Ikona,
                                  store::Odpowiedz domyslna) override {
        Pisz(tekst, tytul);
        return domyslna;
    }

private:
    static void Pisz(const std::string& tekst, const std::string& tytul) {
        std::fprintf(stderr, "%s: %s\n", tytul.c_str(), tekst.c_str());
    }
};

void Wypisz(const QString& plik) {
    if (!plik.isEmpty())
        std::printf("%s\n", QDir::toNativeSeparators(plik).toLocal8Bit().constData());
    std::fflush(stdout);
}

// The picture mode: the start window as it opens, then the login done here, then the main
// window once its start sequence has run.
void LogowanieDoZrzutow(store::TDM& tdm, store::Dialogi& dialogi, const OpcjeAplikacji& opcje,
                        QWidget* rodzic) {
    {
        TFStart start(tdm, dialogi, rodzic);
        start.show();
        QApplication::processEvents();
        Wypisz(kit::ZapiszZrzut(start, "start"));
        start.reject();
    }
    store::DaneStartowe dane;
    dane.data = opcje.data.value_or(Dzis());
    dane.nazwa = opcje.uzytkownik.toStdString();
    dane.haslo = qEnvironmentVariable("MIRTA_HASLO").toStdString();
    tdm.FunkcjaStartowa(&dane);
}

}  // namespace

namespace {
int Przebieg(const OpcjeAplikacji& opcje, store::Dialogi& dialogi, bool zrzuty,
             bool& zmianaUzytkownika);
}  // namespace

std::optional<OpcjeAplikacji> CzytajOpcje(const QStringList& argumenty, QString& blad) {
    OpcjeAplikacji o;
    for (qsizetype i = 1; i < argumenty.size(); ++i) {
        const QString& a = argumenty[i];
        auto wartosc = [&](QString& cel) {
            if (i + 1 >= argumenty.size()) {
                blad = "Brak wartości opcji " + a;
                return false;
            }
            cel = argumenty[++i];
            return true;
        };
        QString data;
        if (a == "--dane") {
            if (!wartosc(o.katalogDanych))
                return std::nullopt;
        } else if (a == "--zrzuty") {
            if (!wartosc(o.folderZrzutow))
                return std::nullopt;
        } else if (a == "--uzytkownik") {
            if (!wartosc(o.uzytkownik))
                return std::nullopt;
        } else if (a == "--data") {
            if (!wartosc(data))
                return std::nullopt;
            o.data = CzytajDate(data);
            if (!o.data) {
                blad = "Niepoprawna data: " + data + " (RRRR-MM-DD)";
                return std::nullopt;
            }
        } else {
            blad = "Nieznana opcja: " + a;
            return std::nullopt;
        }
    }
    if (!o.folderZrzutow.isEmpty() && o.uzytkownik.isEmpty()) {
        blad = "Tryb zrzutów wymaga opcji --uzytkownik";
        return std::nullopt;
    }
    return o;
}

int Uruchom(const OpcjeAplikacji& opcje) {
    const bool zrzuty = !opcje.folderZrzutow.isEmpty();
    std::unique_ptr<store::Dialogi> wlasneDialogi;
    if (zrzuty)
        wlasneDialogi = std::make_unique<DialogiKonsoli>();
    else
        wlasneDialogi = std::make_unique<kit::QtDialogi>();
    store::Dialogi& dialogi = *wlasneDialogi;
    if (!opcje.katalogDanych.isEmpty() && !QDir::setCurrent(opcje.katalogDanych)) {
        dialogi.Blad(("Brak katalogu danych " + opcje.katalogDanych).toStdString(), "Mirta");
        return 1;
    }
    if (zrzuty)
        qputenv("MIRTA_ZRZUTY", QDir(opcje.folderZrzutow).absolutePath().toLocal8Bit());

    JednaKopia kopia;
    if (!kopia.Uzyskana()) {
        // The title is not set yet: the caption is the program's name.
        const QString program = QFileInfo(QCoreApplication::applicationFilePath()).baseName();
        dialogi.Blad(kDrugaKopia, program.toStdString());
        return 0;
    }
    // Dates are shown and typed as yyyy-mm-dd by the store's own formatting. The protected
    // tables carry their key in the header, so no table password is registered.
    QCoreApplication::setApplicationName("Mirta");

    // "Zmień użytkownika" closes the main window and starts over from the login.
    for (;;) {
        bool zmianaUzytkownika = false;
        const int kod = Przebieg(opcje, dialogi, zrzuty, zmianaUzytkownika);
        if (!zmianaUzytkownika)
            return kod;
    }
}

namespace {

int Przebieg(const OpcjeAplikacji& opcje, store::Dialogi& dialogi, bool zrzuty,
             bool& zmianaUzytkownika) {
    try {
        store::TDM tdm(engine::FileSystem::Real(), QDir::currentPath().toStdString(), dialogi,
                       Dzis());
        store::TDM1 tdm1(tdm);
        TFGlowny glowny(tdm, tdm1, dialogi);
        if (zrzuty) {
            glowny.UstawZmianeHaslaPoZalogowaniu(false);
            glowny.UstawLogowanie(
                [&](QWidget* rodzic) { LogowanieDoZrzutow(tdm, dialogi, opcje, rodzic); });
        } else {
            glowny.UstawLogowanie([&](QWidget* rodzic) {
                std::unique_ptr<TFStart> start;
                try {
                    start = std::make_unique<TFStart>(tdm, dialogi, rodzic);
                } catch (const std::bad_alloc&) {
                    dialogi.Blad("  Zbyt małe zasoby systemowe do uruchomienia programu !!!",
                                 store::kTytulBledu);
                    return;
                }
                start->exec();
            });
        }
        int wynik = 0;
        QObject::connect(&glowny, &TFGlowny::zakonczProgram, &glowny, [&] {
            wynik = zrzuty ? 1 : 0;
            glowny.close();
            QCoreApplication::exit(wynik);
        });
        if (zrzuty) {
            // Once the start sequence is done: the picture, then the end without questions.
            auto* czekaj = new QTimer(&glowny);
            QObject::connect(czekaj, &QTimer::timeout, &glowny, [&glowny, czekaj] {
                if (glowny.PierwszaAktywacja())
                    return;
                czekaj->stop();
                Wypisz(kit::ZapiszZrzut(glowny, "glowny"));
                glowny.UstawZamknijBezPytania(true);
                glowny.close();
            });
            czekaj->start(50);
        }
        glowny.show();
        const int kod = QApplication::exec();
        zmianaUzytkownika = glowny.ZmianaUzytkownika() && !zrzuty;
        return wynik ? wynik : kod;
    } catch (const engine::CorruptFile& e) {
        // A damaged table: an administrator may check and repair the tables.
        if (!zrzuty)
            naprawa::ui::ZaproponujNaprawe(e.what(), QDir::currentPath().toStdString(), dialogi,
                                           nullptr);
        else
            dialogi.Blad(e.what(), store::kTytulBledu);
        return 0;
    } catch (const std::exception& e) {
        dialogi.Blad(e.what(), store::kTytulBledu);
        return 0;
    }
}

}  // namespace

}  // namespace mirta::shell
