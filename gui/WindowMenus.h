#pragma once

#include <QList>
#include <QString>

#include <functional>

class QAction;
class QWidget;

// The menu bar every window carries: its own File entries, then Help, Donate and Make Money
// Online. A reading window's bar shows in the main window's menu line while it is active.
class WindowMenus
{
public:
    struct FileEntry
    {
        QString objectName;
        QString caption;
        std::function<void()> run;
    };

    // Windows differ in which letter of the update entry is the access key.
    enum class UpdateAccessKey { U, C };

    // Builds the bar's top-level actions, owned by `owner`. `makeMoneyName` is the object name
    // of the Make Money Online command, which differs between windows.
    static QList<QAction *> build(QWidget *owner, const QList<FileEntry> &fileEntries,
                                  UpdateAccessKey updateKey, const QString &makeMoneyName);
};
