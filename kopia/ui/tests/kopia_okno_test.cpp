#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "kopia/ui/kopia_okno.h"
#include "store/ui/testing/demo_okien.h"

using mirta::kopia::ui::TFKopiaDanych;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Zrzut;
using Rodzaj = mirta::store::testing::DialogiSkryptowe::Rodzaj;

using mirta::store::ui::testing::Znajdz;

namespace {}  // namespace

class KopiaOknoTest : public QObject {
    Q_OBJECT
private slots:
    void kopiaIOdtworzenieZPostepem() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        QTemporaryDir tmp;
        TFKopiaDanych okno(*baza.tdm, baza.dialogi);
        okno.show();
        Znajdz<QLineEdit>(okno, "katalogKopii")->setText(tmp.filePath("kopie"));
        Zrzut(okno, "kopia_danych");

        QTest::mouseClick(Znajdz<QPushButton>(okno, "wykonajKopie"), Qt::LeftButton);
        QCOMPARE(baza.dialogi.komunikaty.size(), size_t{1});
        QCOMPARE(baza.dialogi.komunikaty.back().rodzaj, Rodzaj::Informacja);
        QVERIFY(QFile::exists(QString::fromStdString(okno.OstatnieArchiwum())));
        QCOMPARE(Znajdz<QProgressBar>(okno, "postep")->value(), 1000);
        QCOMPARE(Znajdz<QLineEdit>(okno, "archiwum")->text().toStdString(),
                 okno.OstatnieArchiwum());
        QVERIFY(Znajdz<QPushButton>(okno, "odtworz")->isEnabled());

        Znajdz<QLineEdit>(okno, "nowyKatalog")->setText(tmp.filePath("odtworzone"));
        QTest::mouseClick(Znajdz<QPushButton>(okno, "odtworz"), Qt::LeftButton);
        QCOMPARE(baza.dialogi.komunikaty.back().rodzaj, Rodzaj::Informacja);
        QVERIFY(QFile::exists(tmp.filePath("odtworzone/Mirta.DB")));
        Zrzut(okno, "kopia_danych_odtworzona");

        // Once more into the same directory: refused, said why.
        QTest::mouseClick(Znajdz<QPushButton>(okno, "odtworz"), Qt::LeftButton);
        QCOMPARE(baza.dialogi.komunikaty.back().rodzaj, Rodzaj::Blad);
        QVERIFY(baza.OstatniKomunikat().find("już istnieje") != std::string::npos);
        QVERIFY(Znajdz<QPushButton>(okno, "wykonajKopie")->isEnabled());
    }

    // The personnel user makes backups; restoring is the administrator's, shown disabled.
    void odtworzenieTylkoDlaAdministratora() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele("KADRY", "kadry"));
        QTemporaryDir tmp;
        TFKopiaDanych okno(*baza.tdm, baza.dialogi);
        okno.show();
        Znajdz<QLineEdit>(okno, "katalogKopii")->setText(tmp.filePath("kopie"));
        QTest::mouseClick(Znajdz<QPushButton>(okno, "wykonajKopie"), Qt::LeftButton);
        QVERIFY(QFile::exists(QString::fromStdString(okno.OstatnieArchiwum())));
        auto* odtworz = Znajdz<QPushButton>(okno, "odtworz");
        QVERIFY(!odtworz->isEnabled());
        QCOMPARE(odtworz->toolTip(), QString("Nie masz uprawnień administratora systemu !!!"));
        Zrzut(okno, "kopia_danych_bez_administracji");

        Znajdz<QLineEdit>(okno, "nowyKatalog")->setText(tmp.filePath("odtworzone"));
        QVERIFY(!okno.Odtworz());
        QCOMPARE(baza.OstatniKomunikat(),
                 std::string("Nie masz uprawnień administratora systemu !!!"));
        QVERIFY(!QFile::exists(tmp.filePath("odtworzone")));
    }

    void uszkodzoneArchiwumOdrzucone() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        QTemporaryDir tmp;
        QFile zle(tmp.filePath("zle.zip"));
        QVERIFY(zle.open(QIODevice::WriteOnly));
        zle.write("PK\x03\x04 to nie jest archiwum");
        zle.close();
        TFKopiaDanych okno(*baza.tdm, baza.dialogi);
        okno.show();
        Znajdz<QLineEdit>(okno, "archiwum")->setText(zle.fileName());
        Znajdz<QLineEdit>(okno, "nowyKatalog")->setText(tmp.filePath("nowy"));
        QVERIFY(!okno.Odtworz());
        QCOMPARE(baza.dialogi.komunikaty.back().rodzaj, Rodzaj::Blad);
        QVERIFY(baza.OstatniKomunikat().find("uszkodzone") != std::string::npos);
        QVERIFY(!QFile::exists(tmp.filePath("nowy")));
        Zrzut(okno, "kopia_danych_blad");
    }
};

QTEST_MAIN(KopiaOknoTest)
#include "kopia_okno_test.moc"
