#include "shell/kontrola_katalogu.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <filesystem>

namespace mirta::shell {

namespace fs = std::filesystem;

KontrolaKatalogu::KontrolaKatalogu(store::Dialogi& dialogi) : m_dialogi(dialogi) {
    std::error_code ec;
    m_katalog = fs::current_path(ec).string();
}

KontrolaKatalogu::~KontrolaKatalogu() {
    if (m_katalog.empty())
        return;
    std::error_code ec;
    fs::current_path(m_katalog, ec);
    std::error_code ecTeraz;
    const std::string teraz = fs::current_path(ecTeraz).string();
    if (!ec && !ecTeraz && teraz == m_katalog)
        return;
    try {
        m_dialogi.Blad(kUszkodzenieKatalogu, m_katalog + " != " + teraz);
    } catch (const std::exception& e) {
        qWarning("%s (%s)", kUszkodzenieKatalogu, e.what());
    }
    QCoreApplication::quit();
}

}  // namespace mirta::shell
