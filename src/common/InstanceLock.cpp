#include "common/InstanceLock.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace kzp {

InstanceLock::~InstanceLock()
{
    release();
}

bool InstanceLock::acquire(const QString& workDir)
{
    release();
    if (!QFileInfo(workDir).isDir()) {
        m_error = QString("Brak folderu danych: %1").arg(QDir::toNativeSeparators(workDir));
        return false;
    }
    const QByteArray path = QDir(workDir).filePath(FileName).toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) {
        m_error = QString("Nie można użyć folderu danych %1: %2")
                      .arg(QDir::toNativeSeparators(workDir), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        m_error = QString("Program jest już uruchomiony na danych w folderze %1.\n"
                          "Zakończ tamten program i spróbuj ponownie.")
                      .arg(QDir::toNativeSeparators(workDir));
        return false;
    }
    m_fd = fd;
    m_error.clear();
    return true;
}

void InstanceLock::release()
{
    if (m_fd >= 0) {
        ::flock(m_fd, LOCK_UN);
        ::close(m_fd);
        m_fd = -1;
    }
}

} // namespace kzp
