#include "shell/zmiana_hasla.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "kit/przyciski_okna.h"
#include "kit/run_guarded.h"
#include "store/hasla.h"
#include "store/tdm.h"
#include "wspolne/blad_danych.h"

namespace mirta::shell {

namespace {

QLineEdit* PoleHasla(QWidget* rodzic, const char* nazwa) {
    auto* p = new QLineEdit(rodzic);
    p->setObjectName(nazwa);
    p->setMaxLength(store::kSzerokoscHasla);
    p->setEchoMode(QLineEdit::Password);
    p->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    p->setFixedWidth(p->fontMetrics().horizontalAdvance(QString(12, QChar('W'))));
    return p;
}

}  // namespace

TFZmianaHasla::TFZmianaHasla(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFZmianaHasla");
    setWindowTitle("Zmiana hasła.");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_stare = PoleHasla(this, "EditStare");
    m_nowe = PoleHasla(this, "EditNowe");
    m_powtorz = PoleHasla(this, "EditPowtorz");

    auto* pola = new QFormLayout;
    pola->setLabelAlignment(Qt::AlignRight);
    pola->addRow("&Stare hasło:", m_stare);
    pola->addRow("&Nowe hasło:", m_nowe);
    pola->addRow("Po&wtórz nowe hasło:", m_powtorz);

    const kit::PrzyciskiOkna przyciski =
        kit::ZrobPrzyciskiOkna(*this, QStyle::SP_DialogSaveButton, "&Zapisz", "ButtonZapisz");

    auto* uklad = new QVBoxLayout(this);
    // A first login with an empty password leads here: say what is expected.
    if (m_tdm.Sesja().MusiUstawicHaslo) {
        auto* uwaga = new QLabel(
            "Konto nie ma jeszcze hasła. Pozostaw pole „Stare hasło:” "
            "puste i wprowadź nowe hasło.",
            this);
        uwaga->setObjectName("Uwaga");
        uwaga->setWordWrap(true);
        uklad->addWidget(uwaga);
    }
    uklad->addLayout(pola);
    uklad->addSpacing(6);
    uklad->addLayout(przyciski.uklad);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(przyciski.potwierdz, &QPushButton::clicked, this, &TFZmianaHasla::Zapisz);
}

void TFZmianaHasla::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    for (QLineEdit* p : {m_stare, m_nowe, m_powtorz})
        p->clear();
    // An account without a password has no old one to type: straight to the new one.
    (m_tdm.Sesja().MusiUstawicHaslo ? m_nowe : m_stare)->setFocus();
}

void TFZmianaHasla::Zapisz() {
    const int32_t uzytkownik = m_tdm.Sesja().Identyfikator;
    const std::string nowe = m_nowe->text().toStdString();
    bool zgodne = false;
    if (!kit::RunGuarded(m_dialogi, [&] {
            zgodne = nowe == m_powtorz->text().toStdString() &&
                     m_tdm.SprawdzHaslo(uzytkownik, m_stare->text().toStdString());
        }))
        return;
    if (!zgodne) {
        m_dialogi.Komunikat("Wprowadzono wadliwe dane !!!", "Kontrola danych");
        return;
    }
    try {
        m_tdm.UstawHaslo(uzytkownik, nowe);
    } catch (const store::BladDanych& e) {
        m_dialogi.Blad(e.what(), store::kTytulBledu);
        return;
    } catch (const std::exception& e) {
        kit::LogFailure("Zapis hasła", e);
        m_dialogi.Blad("Błąd zapisu hasła !!!", store::kTytulBledu);
        return;
    }
    accept();
}

}  // namespace mirta::shell
