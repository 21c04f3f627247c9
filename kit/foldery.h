#pragma once

#include <QString>

namespace mirta::kit {

// Where a file dialog of one kind ("wydruki", "dokumenty") starts: the folder the user last
// took a file of that kind from or saved it to in this run, else the data directory's folder
// "Dokumenty" when there is one, else the data directory (the working directory). Never the
// program's own folder.
QString FolderDialogu(const QString& rodzaj);
// Remembers the folder of `plik` for the next dialog of the kind.
void ZapamietajFolder(const QString& rodzaj, const QString& plik);
// The extension of a dialog filter ("Dokument PDF (*.PDF)" gives "pdf"); empty when it has
// none.
QString RozszerzenieFiltru(const QString& filtr);

}  // namespace mirta::kit
