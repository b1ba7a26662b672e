#pragma once

#include "gui/Platform.h"

#include <QList>
#include <QMap>
#include <QUrl>

#include <functional>

// Stands in for the desktop in tests: records every message, opened address and document dialog,
// answers questions and dialogs as told, keeps settings in memory, fixes today's date and the
// screen.
class FakePlatform : public MessagePrompter,
                     public WebOpener,
                     public SettingsStore,
                     public Clock,
                     public ScreenMetrics,
                     public DocumentDialogs
{
public:
    FakePlatform() { m_previous = Platform::install({this, this, this, this, this, this}); }
    ~FakePlatform() override { Platform::install(m_previous); }

    void information(QWidget *, const QString &text) override { messages.append(text); }
    bool askYesNo(QWidget *, const QString &text) override
    {
        questions.append(text);
        return answerYes;
    }

    void open(const QUrl &address, std::function<void()> failed) override
    {
        opened.append(address);
        if (!browserWorks)
            failed();
    }

    QString value(SettingKey key) override { return settings.value(settingName(key)); }
    bool setValue(SettingKey key, const QString &value, QString *error) override
    {
        if (!unwritableBecause.isEmpty()) {
            if (error)
                *error = unwritableBecause;
            return false;
        }
        settings[settingName(key)] = value;
        return true;
    }

    QDate today() override { return todayDate; }

    QSize screenSize() override { return screen; }
    qreal logicalDpiX() override { return dpi; }
    qreal logicalDpiY() override { return dpi; }

    // DocumentDialogs: each save dialog takes the next of saveAnswers (none left: cancel); the
    // print dialog answers printAnswer.
    QString saveFileName(QWidget *, const QString &caption, const QString &proposed,
                         const QStringList &filters, QString *filter) override
    {
        saveDialogs.append({caption, proposed, filters, filter ? *filter : QString()});
        if (filter && !saveFilterAnswer.isEmpty())
            *filter = saveFilterAnswer;
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }
    bool choosePrinter(QWidget *, QPrinter *printer) override
    {
        ++printDialogs;
        if (onPrinter)
            onPrinter(printer);
        return printAnswer;
    }

    void clear()
    {
        messages.clear();
        questions.clear();
        opened.clear();
    }

    QStringList messages, questions;
    QList<QUrl> opened;
    QMap<QString, QString> settings; // by the key's name in the store
    // When set, the store keeps nothing and gives this as the reason.
    QString unwritableBecause;
    bool answerYes = false;
    bool browserWorks = true; // false: every page fails to open, as on a desktop without one
    QDate todayDate {2026, 12, 8};
    QSize screen {1280, 1024};
    qreal dpi = 96;
    struct SaveDialog
    {
        QString caption, proposed;
        QStringList filters;
        QString filter;
    };
    QList<SaveDialog> saveDialogs;
    QStringList saveAnswers;
    QString saveFilterAnswer;
    int printDialogs = 0;
    bool printAnswer = false;
    std::function<void(QPrinter *)> onPrinter; // sets the printer up as a user would

private:
    Platform m_previous;
};
