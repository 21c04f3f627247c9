#include "shell/jedna_kopia.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace mirta::shell {

QString JednaKopia::DomyslnyPlikBlokady() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return QDir(runtime).filePath("mirta.lock");
    return QDir(QDir::tempPath()).filePath(QStringLiteral("mirta-%1.lock").arg(getuid()));
}

JednaKopia::JednaKopia(const QString& plikBlokady) {
    const QByteArray sciezka = QFile::encodeName(plikBlokady);
    const int fd = ::open(sciezka.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    // flock belongs to the open file, so a second object of this process is refused too.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    m_fd = fd;
}

JednaKopia::~JednaKopia() {
    if (m_fd >= 0)
        ::close(m_fd);
}

}  // namespace mirta::shell
