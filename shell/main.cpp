// mirta-okno: the personnel office's program.
#include <QApplication>
#include <cstdio>

#include "shell/aplikacja.h"
#include "kit/dostepnosc.h"
#include "kit/polski.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    mirta::kit::SetUpPolish(app);
    mirta::kit::WlaczDostepnosc(app);
    QString blad;
    const auto opcje = mirta::shell::CzytajOpcje(QApplication::arguments(), blad);
    if (!opcje) {
        std::fprintf(stderr,
                     "%s\nUżycie: mirta-okno [--dane KATALOG] [--zrzuty FOLDER --uzytkownik NAZWA "
                     "[--data RRRR-MM-DD]]\n(hasło trybu zrzutów w zmiennej MIRTA_HASLO)\n",
                     blad.toLocal8Bit().constData());
        return 2;
    }
    return mirta::shell::Uruchom(*opcje);
}
