#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>
#include <string>

#include "shell/kit/data_source.h"
#include "shell/kit/zrzuty.h"
#include "store/engine/file_system.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/testing/dialogi_skryptowe.h"
#include "tools/demo.h"

namespace mirta::store::ui::testing {

// A small demo unit, made once per test program and copied for every test. Users: ADMIN
// (empty password), KADRY/kadry, PODGLAD/podglad (browse only). Today is 2026-12-10.
class DemoOkien {
public:
    static constexpr engine::CivilDate kDzis{2026, 12, 10};

    DemoOkien() {
        const QDir wzor(Wzor());
        for (const QString& plik : wzor.entryList(QDir::Files))
            QFile::copy(wzor.filePath(plik), QDir(m_katalog.path()).filePath(plik));
        Otworz();
    }

    // The data modules anew, as the next run of the program opens them.
    void Otworz() {
        tdm1.reset();
        tdm.reset();
        tdm = std::make_unique<TDM>(engine::FileSystem::Real(), m_katalog.path().toStdString(),
                                    dialogi, kDzis);
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<TDM1>(*tdm);
    }

    bool Zaloguj(const std::string& nazwa = "ADMIN", const std::string& haslo = "") {
        const DaneStartowe d{kDzis, nazwa, haslo};
        return tdm->FunkcjaStartowa(&d);
    }

    std::string OstatniKomunikat() const {
        return dialogi.komunikaty.empty() ? std::string() : dialogi.komunikaty.back().tekst;
    }

    store::testing::DialogiSkryptowe dialogi;
    kit::AutomaticEdit edycja;
    std::unique_ptr<TDM> tdm;
    std::unique_ptr<TDM1> tdm1;

private:
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

    QTemporaryDir m_katalog;
};

inline int Liczba(const engine::Dataset& ds, const char* pole) {
    const engine::Value& v = ds.Field(pole);
    return v.IsNull() ? 0 : static_cast<int>(v.AsInteger());
}

// Pictures for people to look at, when MIRTA_ZRZUTY names a folder; the window must paint
// either way.
inline void Zrzut(QWidget& okno, const QString& nazwa) {
    QVERIFY(!okno.grab().isNull());
    kit::ZapiszZrzut(okno, nazwa);
}

}  // namespace mirta::store::ui::testing
