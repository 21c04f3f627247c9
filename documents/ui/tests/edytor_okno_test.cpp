#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QtTest>

#include "documents/dane_tagow.h"
#include "documents/dokument_pracownika.h"
#include "documents/informacja_zbiorcza.h"
#include "documents/rtf_reader.h"
#include "documents/ui/dokument_qt.h"
#include "documents/ui/edytor.h"
#include "documents/ui/szablony_wydrukow_okno.h"
#include "kit/data_source.h"
#include "kit/db_grid.h"
#include "kit/polski.h"
#include "store/ui/testing/demo_okien.h"
#include "store/zrodla_obliczen.h"

using mirta::documents::Document;
using mirta::documents::TFEditor;
using mirta::documents::TFSzablonyWydrukow;
using mirta::store::Odpowiedz;
using mirta::store::ui::testing::DemoOkien;
using mirta::store::ui::testing::Zrzut;

namespace {

// The demo unit with its templates folder, which the copy of plain files leaves out.
void KopiujWzory(const std::string& katalog) {
    const QDir wzor(QDir(DemoOkien::Wzor()).filePath("WZORY"));
    QDir(QString::fromStdString(katalog)).mkdir("WZORY");
    for (const QString& plik : wzor.entryList(QDir::Files))
        QFile::copy(wzor.filePath(plik), QString::fromStdString(katalog + "/WZORY/") + plik);
}

// The first employee of the list whose division is `podzial`.
int32_t Pracownik(DemoOkien& baza, const char* podzial) {
    auto& lista = *baza.tdm->TPracownicy;
    for (int64_t i = 0; i < lista.RecordCount(); ++i) {
        const auto w = lista.RowAt(i);
        if (!w["Podzial"].IsNull() && w["Podzial"].AsText() == podzial)
            return static_cast<int32_t>(w["Identyfikator"].AsInteger());
    }
    qFatal("Brak pracownika o podziale %s", podzial);
}

mirta::documents::SzablonWydruku Szablon(DemoOkien& baza, const char* plik) {
    for (const auto& s : mirta::documents::CzytajSzablony(*baza.tdm1))
        if (s.nazwaZbioru.find(plik) != std::string::npos)
            return s;
    qFatal("Brak szablonu %s", plik);
}

}  // namespace

class EdytorOknoTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { mirta::kit::SetUpPolish(*qApp); }

    // A pay notice produced for an officer: every tag replaced, the title from the registry,
    // and closing loses the produced text without a question.
    void dokumentZSzablonuDlaFunkcjonariusza() {
        DemoOkien baza(KopiujWzory);
        QVERIFY(baza.ZalogujIOtworzTabele());
        const int32_t id = Pracownik(baza, "1");
        mirta::store::ZrodlaObliczen zrodla(*baza.tdm, *baza.tdm1);
        TFEditor okno(baza.dialogi);
        QVERIFY(okno.OtworzSzablon(Szablon(baza, "INFORMACJA_PLACOWA"), zrodla, id));
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        const mirta::documents::TagiPracownika tagi(zrodla, id);
        const QString nazwisko = QString::fromStdString(tagi.Dane().nazwisko);
        const QString tekst = okno.Tekst().toPlainText();
        QVERIFY2(tekst.contains(nazwisko), qPrintable(tekst));
        QVERIFY2(!tekst.contains("<<"), qPrintable(tekst));
        QVERIFY(tekst.contains("INFORMACJA O UPOSAŻENIU"));
        QVERIFY(okno.windowTitle().startsWith("Informacja o uposażeniu " + nazwisko));
        QVERIFY(okno.windowTitle().endsWith(" - Mirta"));
        QCOMPARE(okno.AktualnyTryb(), TFEditor::Tryb::Szablon);
        QVERIFY(!okno.PytaPrzyPorzucaniu());
        Zrzut(okno, "edytor_dokument");

        // A produced document the clerk changed is asked about before it is dropped; undone
        // back to what was produced, it closes without a question.
        okno.Tekst().textCursor().insertText("dopisek");
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Anuluj);
        QVERIFY(!okno.close());
        QCOMPARE(baza.OstatniKomunikat(), std::string("Zapisać zmiany?"));
        okno.Tekst().undo();
        const size_t komunikaty = baza.dialogi.komunikaty.size();
        QVERIFY(okno.close());
        QCOMPARE(baza.dialogi.komunikaty.size(), komunikaty);
    }

    // A template that needs decisions is refused for an employee without any.
    void szablonWymagajacyDecyzji() {
        DemoOkien baza(KopiujWzory);
        QVERIFY(baza.ZalogujIOtworzTabele());
        mirta::store::ZrodlaObliczen zrodla(*baza.tdm, *baza.tdm1);
        auto szablon = Szablon(baza, "POWOLANIE");
        TFEditor okno(baza.dialogi);
        QVERIFY(!okno.OtworzSzablon(szablon, zrodla, 999999));
        QCOMPARE(baza.OstatniKomunikat(), std::string("Brak danych o decyzjach !!!"));
        szablon.nazwaZbioru = "WZORY\\BRAK.RTF";
        QVERIFY(!okno.OtworzSzablon(szablon, zrodla, 1));
        QCOMPARE(baza.OstatniKomunikat(),
                 std::string(" Brak zbioru wydrukowego: WZORY\\BRAK.RTF !!!"));
    }

    // Formatting typed in the editor survives a save and a load; unknown tags are listed.
    void zapisIOdczytRtf() {
        DemoOkien baza;
        TFEditor okno(baza.dialogi);
        okno.Otworz(TFEditor::Tryb::Edycja);
        QCOMPARE(okno.windowTitle(), QString("Untitled - Mirta"));
        QTextCursor c = okno.Tekst().textCursor();
        QTextCharFormat gruby;
        gruby.setFontWeight(QFont::Bold);
        c.insertText("Zażółć ");
        c.insertText("gęślą", gruby);
        c.insertBlock();
        c.insertText("<<Nazwisko|Kon>> <<NAZWISKO>>", QTextCharFormat());
        QTextBlockFormat srodek;
        srodek.setAlignment(Qt::AlignHCenter);
        c.mergeBlockFormat(srodek);
        QCOMPARE(okno.NieznaneSymbole(), QStringList{"2: <<Nazwisko|Kon>>"});

        const QString plik = QString::fromStdString(baza.Katalog()) + "/pismo.rtf";
        QVERIFY(okno.ZapiszDo(plik));
        QCOMPARE(okno.windowTitle(), QString("pismo.rtf - Mirta"));
        TFEditor drugie(baza.dialogi);
        QVERIFY(drugie.Wczytaj(plik));
        QCOMPARE(drugie.Tekst().toPlainText(), okno.Tekst().toPlainText());
        QTextCursor g(drugie.Tekst().document());
        g.setPosition(9);
        QCOMPARE(g.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(
            drugie.Tekst().document()->lastBlock().blockFormat().alignment() & Qt::AlignHCenter,
            Qt::AlignHCenter);
    }

    // The size box keeps sizes from 1 to 1638 and says so; a changed text asks before a new one.
    void rozmiarFontuIPytanieOZmiany() {
        DemoOkien baza;
        TFEditor okno(baza.dialogi);
        okno.Otworz(TFEditor::Tryb::Edycja);
        auto* rozmiar = okno.findChild<QComboBox*>("Rozmiar");
        QVERIFY(rozmiar);
        rozmiar->setCurrentText("2000");
        QCOMPARE(baza.OstatniKomunikat(), std::string("Rozmiar fontu jest z zakresu 1 do 1638."));
        QCOMPARE(rozmiar->currentText(), QString("1638"));
        rozmiar->setCurrentText("x");
        QCOMPARE(rozmiar->currentText(), QString("1"));

        okno.Tekst().textCursor().insertText("tekst");
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Anuluj);
        QVERIFY(!okno.close());
        QCOMPARE(baza.OstatniKomunikat(), std::string("Zapisać zmiany?"));
        QCOMPARE(baza.dialogi.komunikaty.back().tytul, std::string("Confirmation"));
        baza.dialogi.odpowiedzi.push_back(Odpowiedz::Nie);
        QVERIFY(okno.close());
    }

    // Tag items paste their tag; as the launcher's picker they hand over title and tag.
    void menuSymboli() {
        DemoOkien baza;
        TFEditor okno(baza.dialogi);
        okno.Otworz(TFEditor::Tryb::Edycja);
        QMenu& menu = okno.MenuPodreczne();
        QStringList podmenu;
        QAction* emerytura = nullptr;
        for (QAction* a : menu.actions()) {
            if (!a->menu())
                continue;
            podmenu << a->text();
            for (QAction* b : a->menu()->actions())
                if (b->text() == "Lata pracy do emerytury")
                    emerytura = b;
        }
        QCOMPARE(podmenu.size(), 11);
        QCOMPARE(podmenu.front(), QString("Wklej symbol kadrowy"));
        QVERIFY(emerytura);
        emerytura->trigger();
        QCOMPARE(okno.Tekst().toPlainText(), QString("<<LataPracyEmerytura>>"));

        QString tytul, tag;
        okno.UstawWyborTagow([&](const QString& t, const QString& g) { tytul = t, tag = g; },
                             [] {});
        emerytura->trigger();
        QCOMPARE(tag, QString("<<LataPracyEmerytura>>"));
        QCOMPARE(tytul, QString("Lata pracy do emerytury"));
        QCOMPARE(okno.Tekst().toPlainText(), QString("<<LataPracyEmerytura>>"));
        QCOMPARE(menu.actions()[0]->text(), QString("Wyczyść"));
        QVERIFY(!menu.actions()[1]->isVisible());
    }

    void oknoSzablonow() {
        DemoOkien baza(KopiujWzory);
        QVERIFY(baza.ZalogujIOtworzTabele());
        mirta::kit::AutomaticEdit edycja;
        TFSzablonyWydrukow okno({*baza.tdm, *baza.tdm1, baza.dialogi, edycja});
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        auto* lista = okno.findChild<mirta::kit::DbGrid*>("Lista");
        QVERIFY(lista);
        QCOMPARE(lista->model()->rowCount(), 4);
        Zrzut(okno, "szablony_wydrukow");
        okno.UstawPlik(QString::fromStdString(baza.Katalog()) + "/wzory/nowy.rtf");
        auto& ds = *baza.tdm1->TWydruki;
        QVERIFY(ds.Editing());
        ds.Post();
        QVERIFY(ds.Field("NazwaZbioru").AsText().ends_with("/WZORY/NOWY.RTF"));
    }

    // Both renderings of the salary statement, in the rich-text box of the page.
    void informacjaZbiorcza() {
        DemoOkien baza;
        QVERIFY(baza.ZalogujIOtworzTabele());
        mirta::store::ZrodlaObliczen zrodla(*baza.tdm, *baza.tdm1);
        for (const char* podzial : {"1", "2"}) {
            const auto dane = mirta::documents::CzytajDaneTagow(zrodla, Pracownik(baza, podzial));
            for (auto r :
                 {mirta::documents::Rendering::Prosty, mirta::documents::Rendering::Sformatowany}) {
                QTextEdit strona;
                strona.setReadOnly(true);
                strona.resize(900, 420);
                mirta::documents::PokazDokument(mirta::documents::InformacjaZbiorcza(dane, r),
                                                *strona.document());
                strona.show();
                QVERIFY(QTest::qWaitForWindowExposed(&strona));
                const QString tekst = strona.toPlainText();
                QVERIFY2(tekst.contains("Posiada w dniu: 10 grudnia 2026"), qPrintable(tekst));
                QVERIFY(tekst.contains("Łącznie : "));
                QVERIFY(tekst.contains("Do emeryt.poza firmą: "));
                const bool sformatowany = r == mirta::documents::Rendering::Sformatowany;
                QCOMPARE(tekst.contains("2026 roku uposażenie"), sformatowany);
                Zrzut(strona, QString("informacja_zbiorcza_%1_%2")
                                  .arg(podzial)
                                  .arg(sformatowany ? "sformatowana" : "prosta"));
            }
        }
    }
};

QTEST_MAIN(EdytorOknoTest)
#include "edytor_okno_test.moc"
