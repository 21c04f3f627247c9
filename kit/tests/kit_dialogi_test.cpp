#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <stdexcept>
#include <vector>

#include "kit/polski.h"
#include "kit/qt_dialogi.h"
#include "kit/run_guarded.h"
#include "engine/engine_error.h"
#include "wspolne/blad_danych.h"
#include "wspolne/dziennik.h"
#include "wspolne/testing/dialogi_skryptowe.h"

using mirta::kit::QtDialogi;
using mirta::kit::RunGuarded;
using mirta::store::Ikona;
using mirta::store::Odpowiedz;
using mirta::store::testing::DialogiSkryptowe;

struct Thrower {
    std::function<void()> action;
};
Q_DECLARE_METATYPE(Thrower)

// What a box showed, read while it was open.
struct Shown {
    QString title, text, defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
};

class KitDialogiTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(mirta::kit::SetUpPolish(*qApp)); }

    // What the user reads, and what the program's log keeps (nothing for a rule's refusal).
    void runGuardedReportsAndReturnsFalse_data() {
        QTest::addColumn<Thrower>("thrower");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("logged");
        const QString internal = QString::fromStdString(mirta::kit::InternalErrorMessage());
        QTest::newRow("rule") << Thrower{[] {
            throw mirta::store::BladDanych("Zapisz lub porzuć zmiany dla pracownika !!!");
        }} << "Zapisz lub porzuć zmiany dla pracownika !!!"
                              << "";
        QTest::newRow("engine") << Thrower{[] {
            throw mirta::engine::EngineError("Nie można zapisać pliku", "Prac.DB", "zapis");
        }} << "Nie można zapisać pliku"
                                << "Nie można zapisać pliku [Prac.DB] (zapis)";
        QTest::newRow("other failure")
            << Thrower{[] { throw std::runtime_error("Brak tabeli Hasla.DB"); }}
            << "Brak tabeli Hasla.DB"
            << "Brak tabeli Hasla.DB";
        // A programming error never shows its English text, only where its detail went.
        QTest::newRow("logic error") << Thrower{[] { (void)std::vector<int>().at(3); }} << internal
                                     << "vector::_M_range_check";
        QTest::newRow("no memory") << Thrower{[] { throw std::bad_alloc(); }}
                                   << mirta::kit::kZbytMaleZasoby << "Brak pamięci.";
        QTest::newRow("not std") << Thrower{[] { throw 42; }} << internal << "nieznany wyjątek";
    }

    void runGuardedReportsAndReturnsFalse() {
        QFETCH(Thrower, thrower);
        QFETCH(QString, message);
        QFETCH(QString, logged);
        const QString log = QString::fromStdString(mirta::store::DziennikProgramu().Sciezka());
        QFile::remove(log);
        DialogiSkryptowe dialogi;
        QVERIFY(!RunGuarded(dialogi, thrower.action));
        QCOMPARE(dialogi.komunikaty.size(), size_t(1));
        QCOMPARE(dialogi.komunikaty[0].rodzaj, DialogiSkryptowe::Rodzaj::Blad);
        QCOMPARE(QString::fromStdString(dialogi.komunikaty[0].tekst), message);
        QCOMPARE(QString::fromStdString(dialogi.komunikaty[0].tytul), QString("Błąd"));
        QFile plik(log);
        if (logged.isEmpty()) {
            QVERIFY(!plik.exists());
            return;
        }
        QVERIFY(plik.open(QIODevice::ReadOnly));
        const QString linia = QString::fromUtf8(plik.readAll());
        QVERIFY2(linia.contains(logged), qPrintable(linia));
        QCOMPARE(linia.count('\n'), 1);
    }

    void runGuardedSilentOnSuccess() {
        DialogiSkryptowe dialogi;
        int calls = 0;
        QVERIFY(RunGuarded(dialogi, [&] { ++calls; }));
        QCOMPARE(calls, 1);
        QVERIFY(dialogi.komunikaty.empty());
    }

    // The question comes back from a failing report too: the report itself must not throw out.
    void runGuardedSurvivesFailingReport() {
        struct Broken : mirta::store::Dialogi {
            void Blad(const std::string&, const std::string&) override {
                throw std::runtime_error("brak okna");
            }
            void Ostrzezenie(const std::string&, const std::string&) override {}
            void Informacja(const std::string&, const std::string&) override {}
            Odpowiedz TakNie(const std::string&, const std::string&, Ikona, Odpowiedz) override {
                return Odpowiedz::Nie;
            }
            Odpowiedz TakNieAnuluj(const std::string&, const std::string&, Ikona,
                                   Odpowiedz) override {
                return Odpowiedz::Anuluj;
            }
        } dialogi;
        QVERIFY(!RunGuarded(dialogi, [] { throw std::runtime_error("x"); }));
    }

    void boxesShowPolishButtonsCaptionIconAndDefault() {
        QtDialogi dialogi;
        Shown shown;
        AnswerNextBox(shown, "&Nie");
        QCOMPARE(
            dialogi.TakNie("Czy usunąć urlop?", "Potwierdzenie", Ikona::Pytanie, Odpowiedz::Nie),
            Odpowiedz::Nie);
        QCOMPARE(shown.title, QString("Potwierdzenie"));
        QCOMPARE(shown.text, QString("Czy usunąć urlop?"));
        QCOMPARE(shown.icon, QMessageBox::Question);
        QCOMPARE(shown.buttons, QStringList({"&Tak", "&Nie"}));
        QCOMPARE(shown.defaultButton, QString("&Nie"));

        AnswerNextBox(shown, "&Tak");
        QCOMPARE(dialogi.TakNieAnuluj("Zapisać zmiany?", "Kontrola", Ikona::Ostrzezenie,
                                      Odpowiedz::Anuluj),
                 Odpowiedz::Tak);
        QCOMPARE(shown.icon, QMessageBox::Warning);
        QCOMPARE(shown.buttons, QStringList({"&Tak", "&Nie", "Anuluj"}));
        QCOMPARE(shown.defaultButton, QString("Anuluj"));

        AnswerNextBox(shown, "Anuluj");
        QCOMPARE(
            dialogi.TakNieAnuluj("Zapisać zmiany?", "Kontrola", Ikona::Pytanie, Odpowiedz::Tak),
            Odpowiedz::Anuluj);
        QCOMPARE(shown.defaultButton, QString("&Tak"));

        AnswerNextBox(shown, "OK");
        dialogi.Blad("Błąd zapisu danych kadrowych !!!", "Kontrola danych.");
        QCOMPARE(shown.icon, QMessageBox::Critical);
        QCOMPARE(shown.title, QString("Kontrola danych."));
        QCOMPARE(shown.buttons, QStringList({"OK"}));

        AnswerNextBox(shown, "OK");
        dialogi.Komunikat("Wprowadzono wadliwe dane !!!", "Kontrola danych");
        QCOMPARE(shown.icon, QMessageBox::NoIcon);
        QCOMPARE(shown.buttons, QStringList({"OK"}));
    }

    // Escape on a yes/no box is an answer too: No, never an unmapped value.
    void escapeOnYesNoMeansNo() {
        QtDialogi dialogi;
        QTimer::singleShot(
            0, [] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
        QCOMPARE(dialogi.TakNie("Usunąć?", "Pytanie", Ikona::Pytanie, Odpowiedz::Tak),
                 Odpowiedz::Nie);
    }

    void polishLocaleIsDefault() {
        QCOMPARE(QLocale().language(), QLocale::Polish);
        QCOMPARE(QLocale().toString(QDate(2024, 2, 29), "d MMMM yyyy"), QString("29 lutego 2024"));
    }

private:
    static void AnswerNextBox(Shown& shown, const QString& press) {
        QTimer::singleShot(0, [&shown, press] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            shown = {box->windowTitle(),
                     box->text(),
                     box->defaultButton() ? box->defaultButton()->text() : QString(),
                     box->icon(),
                     {}};
            QAbstractButton* target = nullptr;
            for (QAbstractButton* b : box->buttons()) {
                shown.buttons << b->text();
                if (b->text() == press)
                    target = b;
            }
            // The layout orders buttons by platform rules; compare them in role order.
            std::sort(shown.buttons.begin(), shown.buttons.end(),
                      [box](auto& a, auto& b) { return RoleRank(box, a) < RoleRank(box, b); });
            QVERIFY(target);
            target->click();
        });
    }

    static int RoleRank(QMessageBox* box, const QString& text) {
        for (QAbstractButton* b : box->buttons())
            if (b->text() == text) {
                switch (box->standardButton(b)) {
                    case QMessageBox::Yes:
                        return 0;
                    case QMessageBox::No:
                        return 1;
                    case QMessageBox::Cancel:
                        return 2;
                    default:
                        return 3;
                }
            }
        return 4;
    }
};

QTEST_MAIN(KitDialogiTest)
#include "kit_dialogi_test.moc"
