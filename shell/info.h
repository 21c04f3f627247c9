#pragma once

#include <QDialog>
#include <QUrl>

namespace mirta::store {
class Dialogi;
class TDM;
}  // namespace mirta::store

namespace mirta::shell {

// The address the about box's picture opens.
QUrl AdresInformacji();

// The about box: the user, today's and the processing date, the program's name and version.
class TFInfo : public QDialog {
    Q_OBJECT
public:
    TFInfo(store::TDM& tdm, store::Dialogi& dialogi, QWidget* parent = nullptr);
};

}  // namespace mirta::shell
