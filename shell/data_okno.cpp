#include "shell/data_okno.h"

#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "kit/data_controls.h"
#include "kit/przyciski_okna.h"
#include "engine/value.h"

namespace mirta::shell {

namespace {

constexpr const char* kFormatRMD = "yyyy-MM-dd";
constexpr const char* kFormatDMR = "dd.MM.yyyy";

const char* Format(MaskaDaty maska) {
    return maska == MaskaDaty::RokMiesiacDzien ? kFormatRMD : kFormatDMR;
}

}  // namespace

// Digits may be required (9) or optional (0): both forms of each mask serve.
std::optional<MaskaDaty> RodzajMaskiDaty(const QString& maska) {
    QString wzor = maska.section(';', 0, 0);
    wzor.replace('0', '9');
    if (wzor == "9999-99-99")
        return MaskaDaty::RokMiesiacDzien;
    if (wzor == "99.99.9999")
        return MaskaDaty::DzienMiesiacRok;
    return std::nullopt;
}

QPoint PolozenieKalendarza(const QRect& pole, const QSize& okno, const QRect& ekran) {
    const int x = std::max(pole.right() + 1 - okno.width(), ekran.left() + 2);
    const int miejscePonizej = ekran.bottom() - pole.bottom();
    int y = pole.bottom() + 1;
    if (okno.height() + 10 >= miejscePonizej)
        y = std::max(pole.top() - okno.height(), ekran.top());
    return {x, y};
}

TFData::TFData(QWidget* parent) : QDialog(parent) {
    setObjectName("TFData");
    setWindowTitle("Wybierz datę.");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    m_kalendarz = new QCalendarWidget(this);
    m_kalendarz->setObjectName("Calendar1");
    m_kalendarz->setLocale(QLocale());
    m_kalendarz->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_kalendarz->setMinimumSize(280, 190);

    const kit::PrzyciskiOkna przyciski =
        kit::ZrobPrzyciskiOkna(*this, QStyle::SP_DialogOkButton, "&Tak", "ButtonTak", 90);

    auto* uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(6, 6, 6, 6);
    uklad->addWidget(m_kalendarz);
    uklad->addLayout(przyciski.uklad);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_kalendarz, &QCalendarWidget::activated, this, &QDialog::accept);
    connect(przyciski.potwierdz, &QPushButton::clicked, this, &QDialog::accept);
}

void TFData::UstawDate(const QDate& data) {
    m_kalendarz->setSelectedDate(data);
}

QDate TFData::Data() const {
    return m_kalendarz->selectedDate();
}

void TFData::UmiescPrzy(const QWidget& kontrolka) {
    adjustSize();
    const QRect pole(kontrolka.mapToGlobal(QPoint(0, 0)), kontrolka.size());
    QScreen* ekran = kontrolka.screen();
    const QRect obszar = ekran ? ekran->availableGeometry() : QRect(0, 0, 1024, 768);
    move(PolozenieKalendarza(pole, frameGeometry().size().expandedTo(size()), obszar));
}

bool TFData::WybierzDoPola(kit::DbEdit& pole) {
    kit::DataSource* zrodlo = pole.Source();
    if (!zrodlo || !pole.IsAttached())
        return false;
    // Text typed into the field is settled first, or it would overwrite the chosen date when
    // the field is left.
    if (!zrodlo->UpdateRecord())
        return false;
    const engine::Value wartosc = zrodlo->dataset().Field(pole.FieldName());
    QDate data = QDate::currentDate();
    if (!wartosc.IsNull() && wartosc.kind() == engine::Value::Kind::Date) {
        const engine::CivilDate d = engine::CivilFromDayNumber(wartosc.AsDay());
        data = QDate(d.year, d.month, d.day);
    }

    TFData okno(pole.window());
    okno.UstawDate(data);
    okno.UmiescPrzy(pole);
    bool zapisano = false;
    if (okno.exec() == QDialog::Accepted) {
        const std::string tekst = okno.Data().toString(kFormatRMD).toStdString();
        const std::string nazwa = pole.FieldName();
        zapisano = zrodlo->Run(
            [&](engine::Dataset& ds) {
                if (!ds.Editing())
                    ds.Edit();
                ds.SetFieldText(nazwa, tekst);
            },
            /*storePending=*/false);
    }
    pole.setFocus();
    return zapisano;
}

bool TFData::WybierzDoMaski(QLineEdit& pole, const QDate& domyslna) {
    const std::optional<MaskaDaty> maska = RodzajMaskiDaty(pole.inputMask());
    if (!maska)
        return false;
    QDate data = QDate::fromString(pole.text(), Format(*maska));
    if (!data.isValid())
        data = domyslna;

    TFData okno(pole.window());
    okno.UstawDate(data);
    okno.UmiescPrzy(pole);
    const bool wybrano = okno.exec() == QDialog::Accepted;
    if (wybrano)
        pole.setText(okno.Data().toString(Format(*maska)));
    pole.setFocus();
    return wybrano;
}

bool KontrolkaDaty(const QWidget* kontrolka) {
    if (!kontrolka || !kontrolka->isEnabled())
        return false;
    if (const auto* pole = dynamic_cast<const kit::DbEdit*>(kontrolka)) {
        const kit::DataSource* zrodlo = pole->Source();
        if (!pole->IsAttached() || pole->IsReadOnly() || pole->IsLocked() || pole->isReadOnly() ||
            !zrodlo || !zrodlo->CanModify())
            return false;
        const engine::Dataset& ds = zrodlo->dataset();
        const int i = ds.FindField(pole->FieldName());
        return i >= 0 && i < ds.StoredFieldCount() &&
               ds.Fields()[i].type == engine::FieldType::Date;
    }
    // Other data-bound controls never take a date from here.
    if (dynamic_cast<const kit::FieldBinding*>(kontrolka))
        return false;
    const auto* tekst = qobject_cast<const QLineEdit*>(kontrolka);
    return tekst && !tekst->isReadOnly() && RodzajMaskiDaty(tekst->inputMask()).has_value();
}

bool WyborDaty(QWidget* fokus, const QDate& domyslna) {
    if (!KontrolkaDaty(fokus))
        return false;
    if (auto* pole = dynamic_cast<kit::DbEdit*>(fokus))
        TFData::WybierzDoPola(*pole);
    else
        TFData::WybierzDoMaski(*qobject_cast<QLineEdit*>(fokus), domyslna);
    return true;
}

}  // namespace mirta::shell
