#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <string>

#include "engine/file_system.h"
#include "kit/data_source.h"
#include "kit/uslugi.h"
#include "kit/zrzuty.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "tools/demo.h"
#include "wspolne/testing/dialogi_skryptowe.h"

namespace mirta::store::ui::testing {

// A small demo unit for the windows' tests: made once per test program (the demo writes and
// syncs every table, which takes seconds) and copied into a fresh directory for every test.
// Users: ADMIN (empty password, administrator), KADRY/kadry, PODGLAD/podglad (browse only),
// URLOPY/urlopy (leave pages only), BYLY/byly (rights revoked). Today is 2026-12-10.
// Test programs using it link mirta_tools.
class DemoOkien {
public:
    static constexpr engine::CivilDate kDzis{2026, 12, 10};

    // `przygotuj` may change the copied files before the data modules open them.
    explicit DemoOkien(const std::function<void(const std::string&)>& przygotuj = {}) {
        const QDir wzor(Wzor());
        for (const QString& plik : wzor.entryList(QDir::Files))
            QFile::copy(wzor.filePath(plik), QDir(m_katalog.path()).filePath(plik));
        if (przygotuj)
            przygotuj(Katalog());
        Otworz();
    }

    // The data modules anew, as the next run of the program would open them.
    void Otworz() {
        tdm1.reset();
        tdm.reset();
        tdm = std::make_unique<store::TDM>(engine::FileSystem::Real(), Katalog(), dialogi, kDzis);
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<store::TDM1>(*tdm);
    }

    bool Zaloguj(const std::string& nazwa = "ADMIN", const std::string& haslo = "",
                 engine::CivilDate data = kDzis) {
        const store::DaneStartowe d{data, nazwa, haslo};
        return tdm->FunkcjaStartowa(&d);
    }

    // The login and the tables opened after it, as the start sequence does.
    bool ZalogujIOtworzTabele(const std::string& nazwa = "ADMIN", const std::string& haslo = "") {
        const bool zalogowany = Zaloguj(nazwa, haslo) && tdm->Sesja().Zalogowany();
        tdm->OpenAll(store::Otwieranie::PoZalogowaniu);
        tdm1->OpenAll(store::Otwieranie::PoZalogowaniu);
        return zalogowany;
    }

    std::string Katalog() const { return m_katalog.path().toStdString(); }
    QString Plik(const QString& nazwa) const { return QDir(m_katalog.path()).filePath(nazwa); }

    std::string OstatniKomunikat() const {
        return dialogi.komunikaty.empty() ? std::string() : dialogi.komunikaty.back().tekst;
    }

    // The unit every copy is made from.
    static QString Wzor() {
        static QTemporaryDir katalog;
        static bool gotowy = false;
        if (!gotowy) {
            tools::OpcjeDemo opcje;
            opcje.pracownicy = 40;
            opcje.lata = 2;
            tools::UtworzDemo(engine::FileSystem::Real(), katalog.path().toStdString(), opcje);
            gotowy = true;
        }
        return katalog.path();
    }

    // What a window is handed; after Zaloguj.
    kit::Uslugi UslugiOkien() { return {*tdm, *tdm1, dialogi, edycja}; }

    store::testing::DialogiSkryptowe dialogi;
    kit::AutomaticEdit edycja;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;

private:
    QTemporaryDir m_katalog;
};

// Pictures for people to look at, when MIRTA_ZRZUTY names a folder; otherwise the window
// must still paint.
// The window as a user would see it, checked for what any picture of it must show: the
// window's size and more than one colour (a window that painted nothing is one flat colour).
// Saved as nazwa.png when MIRTA_ZRZUTY names a folder.
inline void ZrzutNarysowany(QWidget& okno, const QString& nazwa, QImage* obraz = nullptr) {
    QApplication::processEvents();
    const QImage i = okno.grab().toImage();
    QCOMPARE(i.size() / i.devicePixelRatio(), okno.size());
    bool kolory = false;
    for (int y = 0; y < i.height() && !kolory; y += 2)
        for (int x = 0; x < i.width() && !kolory; x += 2)
            kolory = i.pixel(x, y) != i.pixel(0, 0);
    QVERIFY2(kolory, qPrintable(nazwa + ": okno nic nie narysowało"));
    if (!kit::FolderZrzutow().isEmpty())
        QVERIFY(!kit::ZapiszZrzut(okno, nazwa).isEmpty());
    if (obraz)
        *obraz = i;
}

inline void Zrzut(QWidget& okno, const QString& nazwa) {
    QVERIFY(!okno.grab().isNull());
    kit::ZapiszZrzut(okno, nazwa);
}

// A control of the window by its object name; a missing one ends the test run.
template <typename T = QWidget>
T* Znajdz(QWidget& okno, const QString& nazwa) {
    T* w = okno.findChild<T*>(nazwa);
    if (!w)
        qFatal("Brak kontrolki %s", qPrintable(nazwa));
    return w;
}

inline void Kliknij(QWidget& okno, const QString& nazwa) {
    QTest::mouseClick(Znajdz<QAbstractButton>(okno, nazwa), Qt::LeftButton);
}

inline int Liczba(const engine::Dataset& ds, const char* pole) {
    const engine::Value& v = ds.Field(pole);
    return v.IsNull() ? 0 : static_cast<int>(v.AsInteger());
}

}  // namespace mirta::store::ui::testing
