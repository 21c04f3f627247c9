#pragma once

#include <QDialog>
#include <QString>
#include <memory>

#include "engine/observer.h"
#include "kit/data_source.h"
#include "kit/okno_edycji.h"
#include "kit/uslugi.h"

class QLabel;
class QPlainTextEdit;

namespace mirta::store {
class TDM;
class TDM1;
}  // namespace mirta::store

namespace mirta::store::ui {

inline constexpr const char* kTytulUrlopowNaleznych = "Rozliczenie urlopu wypoczynkowego.";
inline constexpr const char* kTytulStatystykiUrlopow = "Statystyka rodzajów urlopów.";

// The leave due of the current employee: the balance text at the processing date (due,
// carried over, used and what remains), and the leave-due rows of the year files with their
// fields, edited under the automatic-edit rule. The text follows every stored change.
class TFUrlopyNalezne : public kit::OknoEdycji {
    Q_OBJECT
public:
    explicit TFUrlopyNalezne(const kit::Uslugi& u, QWidget* parent = nullptr)
        : TFUrlopyNalezne(u.tdm, u.tdm1, u.dialogi, u.edycja, parent) {}
    ~TFUrlopyNalezne() override;

    QString Tekst() const;
    // The leave-type statistics of the employee's leave from 1 January to the processing date.
    QString TekstStatystyki();
    void PokazStatystyke();

private:
    TFUrlopyNalezne(TDM& tdm, TDM1& tdm1, Dialogi& dialogi, kit::AutomaticEdit& edycja,
                    QWidget* parent);
    void Przelicz();
    void ZaplanujPrzeliczenie();

    TDM& m_tdm;
    TDM1& m_tdm1;
    std::unique_ptr<kit::DataSource> m_zrodlo;
    engine::Subscription m_zmiany;
    QLabel* m_pracownik = nullptr;
    QPlainTextEdit* m_tekst = nullptr;
    bool m_przeliczenieZaplanowane = false;
};

// A read-only text in a window of its own: the leave-type statistics.
class TFStatystykaUrlopow : public QDialog {
    Q_OBJECT
public:
    TFStatystykaUrlopow(const QString& naglowek, const QString& tekst, QWidget* parent = nullptr);

    QString Tekst() const;

private:
    QPlainTextEdit* m_tekst = nullptr;
};

}  // namespace mirta::store::ui
