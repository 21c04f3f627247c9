#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <memory>

#include "shell/kit/data_controls.h"
#include "shell/kit/db_grid.h"
#include "shell/kit/db_navigator.h"
#include "shell/kit/polski.h"
#include "shell/opisy_stron.h"
#include "shell/strony_pracownika.h"
#include "shell/kit/zrzuty.h"
#include "store/tdm.h"
#include "store/tdm1.h"
#include "store/testing/dialogi_skryptowe.h"
#include "tools/demo.h"

using mirta::engine::Dataset;
using mirta::engine::DatasetState;
using mirta::engine::Value;
using namespace mirta;
using namespace mirta::shell;

namespace {

// A small demo unit, made once per program and copied for every test; the data modules open
// it as the program does and log the user in.
class Jednostka {
public:
    explicit Jednostka(const std::string& nazwa = "ADMIN", const std::string& haslo = "") {
        const QDir wzor(Wzor());
        for (const QString& plik : wzor.entryList(QDir::Files))
            QFile::copy(wzor.filePath(plik), QDir(m_katalog.path()).filePath(plik));
        tdm =
            std::make_unique<store::TDM>(engine::FileSystem::Real(), m_katalog.path().toStdString(),
                                         dialogi, engine::CivilDate{2026, 12, 10});
        tdm->UstawIteracjeHasel(1000);
        tdm1 = std::make_unique<store::TDM1>(*tdm);
        const store::DaneStartowe dane{{2026, 12, 10}, nazwa, haslo};
        zalogowany = tdm->FunkcjaStartowa(&dane) && tdm->Sesja().Zalogowany();
        tdm->OpenAll(store::Otwieranie::PoZalogowaniu);
        tdm1->OpenAll(store::Otwieranie::PoZalogowaniu);
    }

    // Pages built and shown as the main window shows them after the login.
    std::unique_ptr<StronyPracownika> Strony() {
        auto s = std::make_unique<StronyPracownika>(*tdm, *tdm1, dialogi, edycja);
        s->resize(1100, 560);
        s->show();
        s->PoZalogowaniu();
        return s;
    }

    // The first employee (in list order) with rows in `komponent`; the list stays there.
    bool NaPracownikuZ(store::TableComponent& komponent) {
        Dataset& prac = *tdm->TPracownicy;
        for (prac.First(); !prac.Eof(); prac.Next()) {
            if (!komponent.IsOpen() || !komponent->IsEmpty())
                return true;
        }
        return false;
    }

    store::testing::DialogiSkryptowe dialogi;
    kit::AutomaticEdit edycja;
    std::unique_ptr<store::TDM> tdm;
    std::unique_ptr<store::TDM1> tdm1;
    bool zalogowany = false;

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

template <typename T = QWidget>
T* Kontrolka(QWidget& w, const QString& nazwa) {
    auto* k = w.findChild<T*>(nazwa);
    if (!k)
        qWarning("Brak kontrolki %s", qPrintable(nazwa));
    return k;
}

void Nacisnij(QWidget& w, const QString& nawigator, const char* przycisk) {
    auto* n = Kontrolka<kit::DbNavigator>(w, nawigator);
    QVERIFY(n);
    auto* b = n->findChild<QToolButton*>(przycisk);
    QVERIFY(b);
    QVERIFY2(b->isEnabled(), przycisk);
    b->click();
}

}  // namespace

class StronyTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { kit::SetUpPolish(*qApp); }

    void wszystkieStronyIstnieja() {
        Jednostka j;
        QVERIFY(j.zalogowany);
        auto s = j.Strony();
        for (const OpisStrony& o : OpisyStron())
            QVERIFY2(s->Strona(QString::fromUtf8(o.tytul.data(), o.tytul.size())), o.tytul.data());
        QCOMPARE(s->BiezacaStrona(), QString("Dane personalne"));
    }
};

QTEST_MAIN(StronyTest)
#include "strony_test.moc"
