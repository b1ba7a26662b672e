#include "WindowMenus.h"

#include "WebPages.h"
#include "frmAbout.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace {

QAction *addEntry(QMenu *menu, const QString &name, const QString &caption,
                  std::function<void()> run)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, menu, std::move(run));
    return action;
}

QAction *pageCommand(QWidget *owner, const QString &name, const QString &caption, WebPage page)
{
    auto *action = new QAction(caption, owner);
    action->setObjectName(name);
    QObject::connect(action, &QAction::triggered, owner, [page] { OpenWebPage(page); });
    return action;
}

} // namespace

QList<QAction *> WindowMenus::build(QWidget *owner, const QList<FileEntry> &fileEntries,
                                    UpdateAccessKey updateKey, const QString &makeMoneyName)
{
    auto *file = new QMenu(QStringLiteral("&File"), owner);
    file->setObjectName(QStringLiteral("mnuFile"));
    for (const FileEntry &entry : fileEntries)
        addEntry(file, entry.objectName, entry.caption, entry.run);

    auto *help = new QMenu(QStringLiteral("&Help"), owner);
    help->setObjectName(QStringLiteral("mnuHelp"));
    addEntry(help, QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"),
             [] { OpenWebPage(WebPage::HelpWebPage); });
    addEntry(help, QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"),
             [] { OpenWebPage(WebPage::HomePage); });
    help->addSeparator();
    addEntry(help, QStringLiteral("mnuUpdate"),
             updateKey == UpdateAccessKey::U ? QStringLiteral("Check for Software &Update")
                                             : QStringLiteral("&Check for Software Update"),
             [] { OpenWebPage(WebPage::DownloadWebPage); });
    help->addSeparator();
    addEntry(help, QStringLiteral("mnuAbout"), QStringLiteral("&About Software"),
             [owner] { frmAbout::showModal(owner); });

    return {
        file->menuAction(), help->menuAction(),
        pageCommand(owner, QStringLiteral("mnuDonate"), QStringLiteral("&Donate"), WebPage::Donate),
        pageCommand(owner, makeMoneyName, QStringLiteral("Make Money &Online"),
                    WebPage::FullyBranded)};
}
