#include "SafeFileWriter.h"

#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#    include <QRandomGenerator>

#    include <cerrno>
#    include <cstring>
#    include <fcntl.h>
#    include <sys/stat.h>
#    include <unistd.h>
#else
#    include <QSaveFile>
#endif

#ifdef Q_OS_UNIX

namespace {

QString sentence(int error)
{
    return QString::fromLocal8Bit(std::strerror(error)) + QLatin1Char('.');
}

// The new file: hidden beside the old one, so that the rename stays on one file system; the
// mode asked for is 0666, which the user's umask trims as for any new file.
int openBeside(const QString &target, QByteArray *tempName)
{
    const QFileInfo info(target);
    const QString stem = info.fileName().left(32);
    for (int tries = 0; tries < 64; ++tries) {
        *tempName = QFile::encodeName(
            info.path()
            + QStringLiteral("/.%1.%2.tmp")
                  .arg(stem)
                  .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        const int fd = ::open(tempName->constData(),
                              O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

bool writeAll(int fd, const QByteArray &bytes)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = EIO;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QString SafeFileWriter::refusal(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info;
    // Whatever cannot be examined is left to the write, which says why it fails.
    if (::lstat(name.constData(), &info) != 0 || S_ISREG(info.st_mode))
        return {};
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("A folder of that name is there.");
    if (!S_ISLNK(info.st_mode))
        return QStringLiteral("It is no file but a pipe, a device or a socket.");
    if (::stat(name.constData(), &info) != 0) {
        return errno == ENOENT ? QStringLiteral("It is a link to something that does not exist.")
                               : QStringLiteral("It is a link that cannot be followed (%1)")
                                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (S_ISREG(info.st_mode))
        return {};
    if (S_ISDIR(info.st_mode))
        return QStringLiteral("It is a link to a folder.");
    return QStringLiteral("It is a link to a pipe, a device or a socket.");
}

bool SafeFileWriter::write(const QString &path, const QByteArray &bytes, QString *error)
{
    if (const QString why = refusal(path); !why.isEmpty()) {
        *error = why;
        return false;
    }
    const QFileInfo info(path);
    const QString target = info.isSymLink() ? info.canonicalFilePath() : path;
    const QByteArray targetName = QFile::encodeName(target);

    QByteArray tempName;
    int fd = openBeside(target, &tempName);
    if (fd < 0) {
        *error = sentence(errno);
        return false;
    }
    const auto fail = [&](int why) {
        if (fd >= 0)
            ::close(fd);
        ::unlink(tempName.constData());
        *error = sentence(why);
        return false;
    };
    // A file replaced keeps its permissions, and its owner where the superuser replaces it.
    struct stat old;
    if (::stat(targetName.constData(), &old) == 0) {
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return fail(errno);
        if (::geteuid() == 0) {
            [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
        }
    }
    if (!writeAll(fd, bytes))
        return fail(errno);
    // Only bytes on the disk may take the name; a file system that cannot sync has nothing to do.
    if (::fsync(fd) != 0 && errno != EINVAL && errno != ENOTSUP)
        return fail(errno);
    const int closed = ::close(fd);
    fd = -1;
    if (closed != 0)
        return fail(errno);
    if (::rename(tempName.constData(), targetName.constData()) != 0)
        return fail(errno);
    // The new name itself reaches the disk with its folder.
    const int folder = ::open(QFile::encodeName(QFileInfo(target).path()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

#else

QString SafeFileWriter::refusal(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() && !info.exists())
        return QStringLiteral("It is a link to something that does not exist.");
    if (info.isDir())
        return QStringLiteral("A folder of that name is there.");
    if (info.exists() && !info.isFile())
        return QStringLiteral("It is no file but a device.");
    return {};
}

bool SafeFileWriter::write(const QString &path, const QByteArray &bytes, QString *error)
{
    if (const QString why = refusal(path); !why.isEmpty()) {
        *error = why;
        return false;
    }
    QSaveFile file(path);
    // QSaveFile::commit() renames even after a failed buffered write: every byte is flushed and
    // checked first.
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

#endif
