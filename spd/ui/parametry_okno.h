#pragma once

#include <QDialog>
#include <map>
#include <string>

class QLineEdit;
class QPushButton;

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::spd::ui {

// "Parametry do systemu SPD": the unit's codes (area and SD codes shown only), the SPD working
// directory with "..." to choose it, the default cell name and the upload account with its
// password masked. "&Zapisz" stores the record after its rules, "&Porzuć" drops the changes;
// both are enabled only while something was changed. Closing with changes asks first.
class TFParametrySPD : public QDialog {
    Q_OBJECT
public:
    TFParametrySPD(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);

    bool Zapisz();
    void Porzuc();
    void WybierzFolder();
    QLineEdit* Pole(const std::string& nazwa) const { return m_pola.at(nazwa); }
    void done(int wynik) override;

private:
    void Wczytaj();
    void PoZmianie();
    bool Zmieniony() const;

    store::TDM& m_tdm;
    store::Dialogi& m_dialogi;
    std::map<std::string, QLineEdit*> m_pola;
    std::map<std::string, std::string> m_zapisane;
    QPushButton* m_zapisz = nullptr;
    QPushButton* m_porzuc = nullptr;
};

inline constexpr const char* kTytulParametrowSPD = "Kontrola danych o parametrachSPD.";

}  // namespace mirta::spd::ui
