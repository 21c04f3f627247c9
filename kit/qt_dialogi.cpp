#include "kit/qt_dialogi.h"

#include <QApplication>

namespace mirta::kit {

namespace {

using store::Ikona;
using store::Odpowiedz;

QMessageBox::Icon IconOf(Ikona ikona) {
    switch (ikona) {
        case Ikona::Brak:
            return QMessageBox::NoIcon;
        case Ikona::Blad:
            return QMessageBox::Critical;
        case Ikona::Ostrzezenie:
            return QMessageBox::Warning;
        case Ikona::Informacja:
            return QMessageBox::Information;
        case Ikona::Pytanie:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ButtonOf(Odpowiedz odpowiedz) {
    switch (odpowiedz) {
        case Odpowiedz::Ok:
            return QMessageBox::Ok;
        case Odpowiedz::Tak:
            return QMessageBox::Yes;
        case Odpowiedz::Nie:
            return QMessageBox::No;
        case Odpowiedz::Anuluj:
            return QMessageBox::Cancel;
    }
    return QMessageBox::NoButton;
}

}  // namespace

QMessageBox::StandardButton QtDialogi::Show(QMessageBox::Icon icon, const std::string& tekst,
                                            const std::string& tytul,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton) {
    QWidget* parent = m_parent ? m_parent.data() : QApplication::activeWindow();
    QMessageBox box(icon, QString::fromStdString(tytul), QString::fromStdString(tekst), buttons,
                    parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void QtDialogi::Blad(const std::string& tekst, const std::string& tytul) {
    Show(QMessageBox::Critical, tekst, tytul, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogi::Ostrzezenie(const std::string& tekst, const std::string& tytul) {
    Show(QMessageBox::Warning, tekst, tytul, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogi::Informacja(const std::string& tekst, const std::string& tytul) {
    Show(QMessageBox::Information, tekst, tytul, QMessageBox::Ok, QMessageBox::Ok);
}

void QtDialogi::Komunikat(const std::string& tekst, const std::string& tytul) {
    Show(QMessageBox::NoIcon, tekst, tytul, QMessageBox::Ok, QMessageBox::Ok);
}

Odpowiedz QtDialogi::TakNie(const std::string& tekst, const std::string& tytul, Ikona ikona,
                            Odpowiedz domyslna) {
    // Closing the box without an answer (Escape, the title bar) means No.
    const auto b =
        Show(IconOf(ikona), tekst, tytul, QMessageBox::Yes | QMessageBox::No, ButtonOf(domyslna));
    return b == QMessageBox::Yes ? Odpowiedz::Tak : Odpowiedz::Nie;
}

Odpowiedz QtDialogi::TakNieAnuluj(const std::string& tekst, const std::string& tytul, Ikona ikona,
                                  Odpowiedz domyslna) {
    const auto b =
        Show(IconOf(ikona), tekst, tytul, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
             ButtonOf(domyslna));
    if (b == QMessageBox::Yes)
        return Odpowiedz::Tak;
    if (b == QMessageBox::No)
        return Odpowiedz::Nie;
    return Odpowiedz::Anuluj;
}

}  // namespace mirta::kit
