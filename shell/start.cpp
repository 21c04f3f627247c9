#include "shell/start.h"

#include <QCalendarWidget>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

#include "kit/run_guarded.h"
#include "store/tdm.h"

namespace mirta::shell {

namespace {

constexpr int kPierwszyRok = 1998;
constexpr int kOstatniRok = 2100;
constexpr int kTaktTimera = 200;  // ms
constexpr int kDlugoscPol = 10;
constexpr const char* kDlugaPodpowiedzUzytkownika =
    "Dane użytkownika są bardzo istotne gdyż są drukowane w dokumentach np:PIT, listy wypłat "
    "itp...";

QSpinBox* Spin(QWidget* rodzic, const char* nazwa, int od, int do_) {
    auto* s = new QSpinBox(rodzic);
    s->setObjectName(nazwa);
    s->setRange(od, do_);
    s->setAlignment(Qt::AlignRight);
    s->setMinimumWidth(s->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 40);
    return s;
}

QPushButton* Przycisk(QWidget* rodzic, const char* nazwa, const QString& tekst,
                      const QString& podpowiedz, QStyle::StandardPixmap ikona) {
    auto* b = new QPushButton(rodzic->style()->standardIcon(ikona), tekst, rodzic);
    b->setObjectName(nazwa);
    b->setToolTip(podpowiedz);
    b->setAutoDefault(false);
    return b;
}

// Whether the spinner shows a half-typed number the user has not finished.
bool PiszeWSpinie(const QSpinBox* s) {
    return s->hasFocus() && s->cleanText() != QString::number(s->value());
}

}  // namespace

TFStart::TFStart(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent)
    : QDialog(parent), m_tdm(tdm), m_dialogi(dialogi) {
    setObjectName("TFStart");
    setWindowTitle("Start systemu Mirta.");
    // No close box: the window ends by "Tak" or "Zakończ" (and Esc).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    // ---- the processing date
    auto* grupaDaty = new QGroupBox("Bieżąca data systemu:", this);
    m_kalendarz = new QCalendarWidget(grupaDaty);
    m_kalendarz->setObjectName("Calendar1");
    m_kalendarz->setLocale(QLocale());
    m_kalendarz->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    m_kalendarz->setDateRange(QDate(kPierwszyRok, 1, 1), QDate(kOstatniRok, 12, 31));
    m_kalendarz->setMinimumSize(300, 200);

    m_rok = Spin(grupaDaty, "SpinEditRok", kPierwszyRok, kOstatniRok);
    m_rok->setGroupSeparatorShown(false);
    m_miesiac = Spin(grupaDaty, "SpinEditMc", 1, 12);
    m_dzien = Spin(grupaDaty, "SpinEditDzien", 1, 31);

    auto* spiny = new QGridLayout;
    spiny->setVerticalSpacing(8);
    const std::pair<const char*, QSpinBox*> wiersze[] = {
        {"&Rok:", m_rok}, {"&Miesiąc:", m_miesiac}, {"&Dzień:", m_dzien}};
    int w = 0;
    for (const auto& [tekst, spin] : wiersze) {
        auto* etykieta = new QLabel(tekst, grupaDaty);
        etykieta->setBuddy(spin);
        spiny->addWidget(etykieta, w, 0, Qt::AlignRight);
        spiny->addWidget(spin, w, 1);
        ++w;
    }
    spiny->setRowStretch(w, 1);

    auto* kroki = new QHBoxLayout;
    auto* rokWstecz =
        Przycisk(grupaDaty, "RokWstecz", "Rok", "Rok wstecz.", QStyle::SP_MediaSeekBackward);
    auto* mcWstecz =
        Przycisk(grupaDaty, "MiesiacWstecz", "Miesiąc", "Miesiąc wstecz.", QStyle::SP_ArrowLeft);
    auto* mcNaprzod = Przycisk(grupaDaty, "MiesiacDoPrzodu", "Miesiąc", "Miesiąc dp przodu.",
                               QStyle::SP_ArrowRight);
    mcNaprzod->setLayoutDirection(Qt::RightToLeft);
    auto* rokNaprzod =
        Przycisk(grupaDaty, "RokDoPrzodu", "Rok", "Rok do przodu.", QStyle::SP_MediaSeekForward);
    rokNaprzod->setLayoutDirection(Qt::RightToLeft);
    for (QPushButton* b : {rokWstecz, mcWstecz, mcNaprzod, rokNaprzod})
        kroki->addWidget(b);

    auto* ukladDaty = new QGridLayout(grupaDaty);
    ukladDaty->addWidget(m_kalendarz, 0, 0);
    ukladDaty->addLayout(spiny, 0, 1);
    ukladDaty->addLayout(kroki, 1, 0, 1, 2);
    ukladDaty->setHorizontalSpacing(16);

    // ---- the user
    auto* grupaUzytkownika = new QGroupBox("Dane użytkownika:", this);
    m_nazwa = new QLineEdit("A", grupaUzytkownika);
    m_nazwa->setObjectName("EditNazwa");
    m_nazwa->setMaxLength(kDlugoscPol);
    m_nazwa->setToolTip("Podaj nazwę użytkownika.");
    m_nazwa->setStatusTip(kDlugaPodpowiedzUzytkownika);
    m_haslo = new QLineEdit(grupaUzytkownika);
    m_haslo->setObjectName("EditHaslo");
    m_haslo->setMaxLength(kDlugoscPol);
    m_haslo->setEchoMode(QLineEdit::Password);
    m_haslo->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    m_haslo->setToolTip("Podaj hasło użytkownika.");
    m_haslo->setStatusTip(kDlugaPodpowiedzUzytkownika);
    const int szerokoscPola = m_nazwa->fontMetrics().horizontalAdvance(QString(12, QChar('W')));
    m_nazwa->setFixedWidth(szerokoscPola);
    m_haslo->setFixedWidth(szerokoscPola);

    auto* ukladUzytkownika = new QGridLayout(grupaUzytkownika);
    auto* etNazwa = new QLabel("&Nazwa:", grupaUzytkownika);
    etNazwa->setBuddy(m_nazwa);
    auto* etHaslo = new QLabel("&Hasło:", grupaUzytkownika);
    etHaslo->setBuddy(m_haslo);
    ukladUzytkownika->addWidget(etNazwa, 0, 0, Qt::AlignRight);
    ukladUzytkownika->addWidget(m_nazwa, 0, 1);
    ukladUzytkownika->addWidget(etHaslo, 1, 0, Qt::AlignRight);
    ukladUzytkownika->addWidget(m_haslo, 1, 1);
    ukladUzytkownika->setColumnStretch(2, 1);

    // ---- buttons
    auto* tak = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), "&Tak", this);
    tak->setObjectName("ButtonTak");
    tak->setDefault(true);
    tak->setToolTip("Potwierdzenie danych.");
    tak->setStatusTip("Potwierdzenie danych o użytkowniku oraz daty przetwarzania.");
    auto* zakoncz =
        new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), "&Zakończ", this);
    zakoncz->setObjectName("ButtonZakoncz");
    zakoncz->setAutoDefault(false);
    zakoncz->setToolTip("Przerwij start programu i wróć do Windows.");
    for (QPushButton* b : {tak, zakoncz})
        b->setMinimumWidth(100);

    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(tak);
    przyciski->addWidget(zakoncz);

    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(grupaDaty);
    uklad->addWidget(grupaUzytkownika);
    uklad->addLayout(przyciski);
    uklad->setSizeConstraint(QLayout::SetFixedSize);

    // Enter in the name moves on to the password, as everywhere else; Enter in the password
    // presses the default "Tak".
    m_nazwa->installEventFilter(this);

    setTabOrder(m_nazwa, m_haslo);
    setTabOrder(m_haslo, tak);
    setTabOrder(tak, zakoncz);

    m_timer = new QTimer(this);
    m_timer->setInterval(kTaktTimera);

    connect(m_timer, &QTimer::timeout, this, &TFStart::KalendarzDoSpinow);
    connect(m_kalendarz, &QCalendarWidget::selectionChanged, this, &TFStart::KalendarzDoSpinow);
    for (QSpinBox* s : {m_rok, m_miesiac, m_dzien})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            if (!m_wSpinach)
                SpinyDoKalendarza();
        });
    connect(rokWstecz, &QPushButton::clicked, this, &TFStart::RokWstecz);
    connect(rokNaprzod, &QPushButton::clicked, this, &TFStart::RokDoPrzodu);
    connect(mcWstecz, &QPushButton::clicked, this, &TFStart::MiesiacWstecz);
    connect(mcNaprzod, &QPushButton::clicked, this, &TFStart::MiesiacDoPrzodu);
    connect(tak, &QPushButton::clicked, this, &TFStart::Potwierdz);
    connect(zakoncz, &QPushButton::clicked, this, &QDialog::reject);
}

QDate TFStart::Data() const {
    return m_kalendarz->selectedDate();
}

bool TFStart::TimerAktywny() const {
    return m_timer->isActive();
}

void TFStart::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    const auto& d = m_tdm.Sesja().DataPrzetwarzania;
    m_kalendarz->setSelectedDate(QDate(d.year, d.month, d.day));
    KalendarzDoSpinow();
    m_timer->start();
    if (QScreen* ekran = screen())
        move(ekran->availableGeometry().center() - rect().center());
    m_nazwa->setFocus();
    m_nazwa->selectAll();
}

bool TFStart::eventFilter(QObject* obiekt, QEvent* zdarzenie) {
    if (obiekt == m_nazwa && zdarzenie->type() == QEvent::KeyPress) {
        const int klawisz = static_cast<QKeyEvent*>(zdarzenie)->key();
        if (klawisz == Qt::Key_Return || klawisz == Qt::Key_Enter) {
            m_haslo->setFocus(Qt::TabFocusReason);
            m_haslo->selectAll();
            return true;
        }
    }
    return QDialog::eventFilter(obiekt, zdarzenie);
}

void TFStart::done(int result) {
    m_timer->stop();
    QDialog::done(result);
}

// Spinners the user is typing into keep their text; the timer must not take it away.
void TFStart::KalendarzDoSpinow() {
    const QDate d = m_kalendarz->selectedDate();
    m_wSpinach = true;
    for (auto [spin, wartosc] :
         {std::pair{m_rok, d.year()}, std::pair{m_miesiac, d.month()}, std::pair{m_dzien, d.day()}})
        if (spin->value() != wartosc && !PiszeWSpinie(spin))
            spin->setValue(wartosc);
    m_wSpinach = false;
}

void TFStart::SpinyDoKalendarza() {
    const int rok = m_rok->value(), miesiac = m_miesiac->value();
    const int dni = QDate(rok, miesiac, 1).daysInMonth();
    if (m_dzien->value() > dni) {
        m_wSpinach = true;
        m_dzien->setValue(dni);
        m_wSpinach = false;
    }
    const QDate d(rok, miesiac, m_dzien->value());
    if (d.isValid() && d >= m_kalendarz->minimumDate() && d <= m_kalendarz->maximumDate())
        m_kalendarz->setSelectedDate(d);
}

void TFStart::PrzesunDate(int lata, int miesiace) {
    // QDate cuts the day to the length of the month reached (31 March back: 28/29 February).
    const QDate d = m_kalendarz->selectedDate().addYears(lata).addMonths(miesiace);
    if (d >= m_kalendarz->minimumDate() && d <= m_kalendarz->maximumDate())
        m_kalendarz->setSelectedDate(d);
    KalendarzDoSpinow();
}

void TFStart::RokWstecz() {
    PrzesunDate(-1, 0);
}
void TFStart::RokDoPrzodu() {
    PrzesunDate(1, 0);
}
void TFStart::MiesiacWstecz() {
    PrzesunDate(0, -1);
}
void TFStart::MiesiacDoPrzodu() {
    PrzesunDate(0, 1);
}

void TFStart::Potwierdz() {
    // A number still being typed into a spinner counts.
    for (QSpinBox* s : {m_rok, m_miesiac, m_dzien})
        s->interpretText();
    const QDate d = m_kalendarz->selectedDate();
    const store::DaneStartowe dane{{d.year(), d.month(), d.day()},
                                   m_nazwa->text().toStdString(),
                                   m_haslo->text().toStdString()};
    bool zamknij = false;
    kit::RunGuarded(m_dialogi, [&] { zamknij = m_tdm.FunkcjaStartowa(&dane); });
    if (zamknij) {
        accept();
        return;
    }
    m_haslo->setFocus();
    m_haslo->selectAll();
}

}  // namespace mirta::shell
