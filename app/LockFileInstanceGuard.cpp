#include "LockFileInstanceGuard.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QStringList>

#ifdef Q_OS_UNIX
#    include <QSocketNotifier>
#    include <cerrno>
#    include <cstring>
#    include <fcntl.h>
#    include <sys/file.h>
#    include <sys/socket.h>
#    include <sys/stat.h>
#    include <sys/un.h>
#    include <unistd.h>
#else
#    include <QRegularExpression>
#endif

namespace {

const QString FileName = QStringLiteral("kesto-astrology");

QString userKey()
{
#ifdef Q_OS_UNIX
    return QString::number(::geteuid());
#else
    QString name = qEnvironmentVariable("USERNAME");
    name.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return name;
#endif
}

InstanceClaim claim(InstanceClaim::Outcome outcome, const QString &note = {})
{
    return {outcome, note};
}

} // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString &lockFilePath,
                                             const QString &fallbackPath)
    : m_path(lockFilePath)
    , m_fallbackPath(fallbackPath)
{ }

QString LockFileInstanceGuard::alternativePath(const QString &lockFilePath, int index)
{
    return lockFilePath + QLatin1Char('.') + QString::number(index);
}

QString LockFileInstanceGuard::defaultLockFilePath()
{
    return lockFilePathIn(QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
}

QString LockFileInstanceGuard::lockFilePathIn(const QString &runtimeFolder)
{
    if (!runtimeFolder.isEmpty())
        return runtimeFolder + QLatin1Char('/') + FileName + QStringLiteral(".lock");
    return QDir::tempPath() + QLatin1Char('/') + FileName + QLatin1Char('-') + userKey()
        + QStringLiteral(".lock");
}

#ifdef Q_OS_UNIX

namespace {

QString errorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// What one candidate file gave.
struct Attempt
{
    enum class Kind { Locked, Held, InTheWay, Failed };
    Kind kind;
    int fd = -1;
    QString why;
};

Attempt attemptLock(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    // Links are not followed: in a shared folder one could point at any file of the user's.
    // Non-blocking, so that a pipe in the file's place cannot hold up the start.
    const int common = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY;
    int fd = ::open(name.constData(), O_RDWR | O_CREAT | common, 0600);
    const int openError = errno;
    // A folder that cannot be written may still hold the file, and the lock needs only reading.
    if (fd < 0 && (openError == EACCES || openError == EPERM || openError == EROFS))
        fd = ::open(name.constData(), O_RDONLY | common);
    if (fd < 0) {
        struct stat info;
        if (::lstat(name.constData(), &info) != 0)
            return {Attempt::Kind::Failed, -1, errorText(openError)};
        if (S_ISLNK(info.st_mode))
            return {Attempt::Kind::InTheWay, -1, QStringLiteral("is a link")};
        if (S_ISDIR(info.st_mode))
            return {Attempt::Kind::InTheWay, -1, QStringLiteral("is a folder")};
        return {Attempt::Kind::InTheWay, -1,
                QStringLiteral("cannot be opened (%1)").arg(errorText(openError))};
    }
    struct stat info;
    QString why;
    if (::fstat(fd, &info) != 0)
        why = QStringLiteral("cannot be examined (%1)").arg(errorText(errno));
    else if (!S_ISREG(info.st_mode))
        why = QStringLiteral("is not a plain file");
    else if (info.st_uid != ::geteuid())
        why = QStringLiteral("belongs to another user");
    // A second name would be another file of the user's, which the holder's record would empty.
    else if (info.st_nlink > 1)
        why = QStringLiteral("has more than one name");
    if (!why.isEmpty()) {
        ::close(fd);
        return {Attempt::Kind::InTheWay, -1, why};
    }
    // The lock belongs to the open file: the system drops it with the last copy of the
    // descriptor, and close-on-exec keeps a browser started from here from inheriting it.
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int lockError = errno;
        if (lockError == EINTR)
            continue;
        ::close(fd);
        if (lockError == EWOULDBLOCK)
            return {Attempt::Kind::Held, -1, {}};
        return {Attempt::Kind::Failed, -1,
                QStringLiteral("cannot be locked (%1)").arg(errorText(lockError))};
    }
    return {Attempt::Kind::Locked, fd, {}};
}

// Names the holder for whoever looks; nothing reads it back, so a full disk may leave it empty.
void recordHolder(int fd)
{
    const QByteArray pid = QByteArray::number(::getpid()) + '\n';
    if (::ftruncate(fd, 0) == 0) {
        [[maybe_unused]] const ssize_t written = ::pwrite(fd, pid.constData(), pid.size(), 0);
    }
}

// The address of the socket beside `lockFile`; false when its path is too long for one.
bool callAddress(const QString &lockFile, sockaddr_un *address)
{
    const QByteArray path = QFile::encodeName(lockFile + QStringLiteral(".call"));
    std::memset(address, 0, sizeof *address);
    if (lockFile.isEmpty() || size_t(path.size()) >= sizeof address->sun_path)
        return false;
    address->sun_family = AF_UNIX;
    std::memcpy(address->sun_path, path.constData(), size_t(path.size()));
    return true;
}

} // namespace

LockFileInstanceGuard::~LockFileInstanceGuard()
{
    if (m_callSocket >= 0) {
        m_callNotifier.reset();
        ::close(m_callSocket);
        sockaddr_un address;
        if (callAddress(m_lockInUse, &address))
            ::unlink(address.sun_path);
    }
    // The file stays: removing it could let a copy that has just opened it lock a file that no
    // longer has a name, while the next copy locks a new one.
    if (m_fd >= 0)
        ::close(m_fd);
}

InstanceClaim LockFileInstanceGuard::tryAcquire()
{
    if (m_fd >= 0)
        return claim(InstanceClaim::Outcome::Acquired);
    QStringList passed;
    QStringList firstNames {m_path};
    if (!m_fallbackPath.isEmpty() && m_fallbackPath != m_path)
        firstNames << m_fallbackPath;
    for (const QString &first : std::as_const(firstNames)) {
        for (int index = 0; index <= AlternativeCount; ++index) {
            const QString path = index == 0 ? first : alternativePath(first, index);
            const Attempt attempt = attemptLock(path);
            switch (attempt.kind) {
            case Attempt::Kind::Locked:
                m_fd = attempt.fd;
                m_lockInUse = path;
                recordHolder(m_fd);
                if (passed.isEmpty())
                    return claim(InstanceClaim::Outcome::Acquired);
                return claim(InstanceClaim::Outcome::Acquired,
                             passed.join(QStringLiteral(", ")) + QStringLiteral(", so the lock is ")
                                 + path);
            case Attempt::Kind::Held:
                m_lockInUse = path;
                return claim(InstanceClaim::Outcome::HeldByLiveCopy);
            case Attempt::Kind::InTheWay:
                passed.append(path + QLatin1Char(' ') + attempt.why);
                continue;
            case Attempt::Kind::Failed:
                // No name in this folder can be made; the next folder may serve.
                passed.append(
                    QStringLiteral("cannot make the lock file %1: %2").arg(path, attempt.why));
                break;
            }
            break;
        }
    }
    return claim(InstanceClaim::Outcome::Unavailable, passed.join(QStringLiteral(", ")));
}

void LockFileInstanceGuard::answerCalls(std::function<void()> call)
{
    sockaddr_un address;
    if (m_fd < 0 || m_callSocket >= 0 || !callAddress(m_lockInUse, &address))
        return;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return;
    // Only the holder of the lock listens here: whatever is left at the name belongs to a copy
    // that has ended. Only the user's own copies may call.
    ::unlink(address.sun_path);
    if (::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0
        || ::chmod(address.sun_path, 0600) != 0 || ::listen(fd, 8) != 0) {
        ::close(fd);
        return;
    }
    m_callSocket = fd;
    m_callNotifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
    QObject::connect(
        m_callNotifier.get(), &QSocketNotifier::activated, m_callNotifier.get(), [fd, call] {
            // A connection is the call; nothing is read from it.
            bool called = false;
            for (int caller; (caller = ::accept4(fd, nullptr, nullptr, SOCK_CLOEXEC)) >= 0;) {
                ::close(caller);
                called = true;
            }
            if (called)
                call();
        });
}

bool LockFileInstanceGuard::callRunningCopy()
{
    sockaddr_un address;
    if (!callAddress(m_lockInUse, &address))
        return false;
    // Non-blocking: a copy too busy to take the call is not waited for.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0)
        return false;
    const bool reached = ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(fd);
    return reached;
}

#else

LockFileInstanceGuard::~LockFileInstanceGuard() = default;

InstanceClaim LockFileInstanceGuard::tryAcquire()
{
    if (m_lock && m_lock->isLocked())
        return claim(InstanceClaim::Outcome::Acquired);
    m_lockInUse = m_path;
    m_lock = std::make_unique<QLockFile>(m_path);
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return claim(InstanceClaim::Outcome::Acquired);
    if (m_lock->error() == QLockFile::LockFailedError) {
        // The holder keeps its file open and the system removes no open file, so a file that
        // can be removed is held by no one, whatever it contains.
        if (m_lock->removeStaleLockFile() && m_lock->tryLock(0))
            return claim(InstanceClaim::Outcome::Acquired);
        return claim(InstanceClaim::Outcome::HeldByLiveCopy);
    }
    return claim(InstanceClaim::Outcome::Unavailable,
                 QStringLiteral("cannot make the lock file %1: %2")
                     .arg(m_path,
                          m_lock->error() == QLockFile::PermissionError
                              ? QStringLiteral("permission denied")
                              : QStringLiteral("unknown error")));
}

void LockFileInstanceGuard::answerCalls(std::function<void()> call)
{
    // Not on this system: a second copy only says that one runs.
    Q_UNUSED(call);
}

bool LockFileInstanceGuard::callRunningCopy()
{
    return false;
}

#endif
