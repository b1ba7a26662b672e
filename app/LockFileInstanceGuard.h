#pragma once

#include "gui/Platform.h"

#include <QString>

#include <memory>

class QLockFile;
class QSocketNotifier;

// The claim of the single running copy: a lock file in the user's runtime folder, held by an
// operating-system lock on the open file. The system drops that lock when its process ends, in a
// crash or a power cut as well, so a file left behind holds nothing and is simply locked again,
// whatever it contains. Something else in the file's place (a folder, a link, a file with a
// second name, another user's file) is passed by for the next of a few fixed alternative names,
// which every copy tries in the same order, so copies started at the same instant still meet at
// one file. When none of them can be made (a read-only folder, no inodes left), the same is tried
// with a name of the user's own in the temporary folder before the claim is given up.
//
// On Unix the copy holding the claim listens on a socket beside its lock file, where a copy that
// finds the claim held can call it (to bring its window forward).
class LockFileInstanceGuard : public InstanceGuard
{
public:
    explicit LockFileInstanceGuard(const QString &lockFilePath = defaultLockFilePath(),
                                   const QString &fallbackPath = lockFilePathIn(QString()));
    ~LockFileInstanceGuard() override;
    LockFileInstanceGuard(const LockFileInstanceGuard &) = delete;
    LockFileInstanceGuard &operator=(const LockFileInstanceGuard &) = delete;

    InstanceClaim tryAcquire() override;
    void answerCalls(std::function<void()> call) override;
    bool callRunningCopy() override;

    // The file tried after lockFilePath when something else stands in its place (index 1, 2...).
    static QString alternativePath(const QString &lockFilePath, int index);
    static constexpr int AlternativeCount = 3;

    static QString defaultLockFilePath();
    // The lock file in runtimeFolder; without one, a file of this user's own in the temporary
    // folder, so that another user's file there cannot keep the program from starting.
    static QString lockFilePathIn(const QString &runtimeFolder);

private:
    QString m_path;
    QString m_fallbackPath;
    QString m_lockInUse; // the file locked, or the file found locked by another copy
#ifdef Q_OS_UNIX
    int m_fd = -1;
    int m_callSocket = -1;
    std::unique_ptr<QSocketNotifier> m_callNotifier;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};
