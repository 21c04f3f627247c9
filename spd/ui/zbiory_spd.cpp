#include "spd/ui/zbiory_spd.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "kit/zrzuty.h"

namespace mirta::spd::ui {

std::unique_ptr<engine::Dataset> ZbiorTabeli(std::unique_ptr<engine::Table> tabela,
                                             const std::string& nazwa, std::string_view porzadek) {
    auto zbior =
        std::make_unique<engine::Dataset>(std::shared_ptr<engine::Table>(std::move(tabela)), nazwa);
    if (!porzadek.empty())
        zbior->SetIndexFields(porzadek);
    zbior->First();
    return zbior;
}

kit::Column Kolumna(const char* pole, const QString& tytul, int szerokosc,
                    Qt::Alignment wyrownanie) {
    kit::Column k = kit::MakeColumn(pole, tytul, szerokosc, wyrownanie);
    k.readOnly = true;
    return k;
}

void PokazTekst(QWidget* rodzic, const QString& tytul, const QString& tekst, const char* nazwa) {
    QDialog okno(rodzic);
    okno.setObjectName(nazwa);
    okno.setWindowTitle(tytul);
    auto* uklad = new QVBoxLayout(&okno);
    auto* tresc = new QPlainTextEdit(&okno);
    tresc->setObjectName("Tekst");
    tresc->setReadOnly(true);
    tresc->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tresc->setPlainText(tekst);
    uklad->addWidget(tresc, 1);
    auto* przyciski = new QDialogButtonBox(QDialogButtonBox::Close, &okno);
    przyciski->button(QDialogButtonBox::Close)->setText("&Zamknij");
    QObject::connect(przyciski, &QDialogButtonBox::rejected, &okno, &QDialog::reject);
    uklad->addWidget(przyciski);
    okno.resize(640, 560);
    okno.show();
    kit::ZapiszZrzut(okno, nazwa);
    okno.exec();
}

void PokazTakNie(engine::Dataset& zbior, std::string_view pole) {
    engine::FieldHooks h;
    h.getText = [](const engine::RowView&, const engine::Value& v) -> std::string {
        if (v.IsNull())
            return {};
        return v.AsLogical() ? "Tak" : "Nie";
    };
    zbior.SetFieldHooks(pole, std::move(h));
}

}  // namespace mirta::spd::ui
