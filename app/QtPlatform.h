#pragma once

#include "LockFileInstanceGuard.h"
#include "gui/Platform.h"

// The desktop services as Qt provides them.

class QtMessagePrompter : public MessagePrompter
{
public:
    void information(QWidget *parent, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &text) override;
};

class QtWebOpener : public WebOpener
{
public:
    void open(const QUrl &address) override;
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
