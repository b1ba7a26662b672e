#pragma once

#include "LockFileInstanceGuard.h"
#include "gui/Platform.h"

#include <QList>

class QProcess;

// The desktop services as Qt provides them.

class QtMessagePrompter : public MessagePrompter
{
public:
    void information(QWidget *parent, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &text) override;
};

// Where the desktop has xdg-open, the page goes through it, whose exit status tells whether a
// browser took the page; Qt's own opener only tells whether it could start a program.
class QtWebOpener : public WebOpener
{
public:
    ~QtWebOpener() override;
    void open(const QUrl &address, std::function<void()> failed) override;

private:
    // The xdg-open runs still going; one may wait for a browser it started to end.
    QList<QProcess *> m_running;
};

class QtSettingsStore : public SettingsStore
{
public:
    QString value(SettingKey key) override;
    bool setValue(SettingKey key, const QString &value, QString *error) override;
};

class QtClock : public Clock
{
public:
    QDate today() override;
};

class QtScreenMetrics : public ScreenMetrics
{
public:
    QSize screenSize() override;
    qreal logicalDpiX() override;
    qreal logicalDpiY() override;
};

class QtDocumentDialogs : public DocumentDialogs
{
public:
    QString saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                         const QStringList &filters, QString *filter) override;
    bool choosePrinter(QWidget *parent, QPrinter *printer) override;
};

// The Qt services for the lifetime of the program.
class QtPlatform
{
public:
    QtPlatform();
    ~QtPlatform();

private:
    QtMessagePrompter m_prompter;
    QtWebOpener m_web;
    QtSettingsStore m_settings;
    QtClock m_clock;
    QtScreenMetrics m_screen;
    QtDocumentDialogs m_dialogs;
    Platform m_previous;
};
