#pragma once

#include "SettingKey.h"

#include <QDate>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;
class QUrl;
class QWidget;

// The few services the program takes from the desktop, each behind a small interface so that
// tests can stand in for the desktop. The program installs the Qt implementations at start-up.

class MessagePrompter
{
public:
    virtual ~MessagePrompter() = default;
    // A modal box with the information icon, the program's title and an OK button.
    virtual void information(QWidget *parent, const QString &text) = 0;
    // The same with Yes and No buttons; true for Yes.
    virtual bool askYesNo(QWidget *parent, const QString &text) = 0;
};

class WebOpener
{
public:
    virtual ~WebOpener() = default;
    // Hands the address to the desktop and returns without waiting for the browser. `failed`
    // runs, at once or later, when the desktop could not show the page (no browser, no opener).
    virtual void open(const QUrl &address, std::function<void()> failed) = 0;
};

// The per-user store, under the program's name, section "Settings". Typed access: gui/Settings.h.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    // Empty when the key holds nothing.
    virtual QString value(SettingKey key) = 0;
    // Keeps the value; false, with the reason in `error` (when given), when it could not be kept
    // (a read-only file, a full disk). The store then still holds every value it held before.
    virtual bool setValue(SettingKey key, const QString &value, QString *error) = 0;
};

class Clock
{
public:
    virtual ~Clock() = default;
    virtual QDate today() = 0;
};

class ScreenMetrics
{
public:
    virtual ~ScreenMetrics() = default;
    // The whole primary screen, in device-independent pixels.
    virtual QSize screenSize() = 0;
    // Logical dots per inch, which fix how many pixels a twip is (1440 twips to the inch).
    virtual qreal logicalDpiX() = 0;
    virtual qreal logicalDpiY() = 0;
};

// What a try for the claim of the single running copy found.
struct InstanceClaim
{
    enum class Outcome {
        Acquired,       // no other copy runs; the claim lasts as long as the guard
        HeldByLiveCopy, // a running copy holds the claim
        Unavailable,    // the claim cannot be made at all, so nothing can tell
    };
    Outcome outcome = Outcome::Unavailable;
    // Why the claim is Unavailable, or what stood in its way before it was Acquired; one line.
    QString note;
};

class InstanceGuard
{
public:
    virtual ~InstanceGuard() = default;
    virtual InstanceClaim tryAcquire() = 0;
    // Once the claim is Acquired: `call` runs, on the user-interface thread, whenever a copy that
    // found the claim held calls this one.
    virtual void answerCalls(std::function<void()> call) { Q_UNUSED(call); }
    // After HeldByLiveCopy: calls the copy that holds the claim, without waiting for it to act;
    // false when it cannot be reached.
    virtual bool callRunningCopy() { return false; }
};

// The dialogs of keeping a reading: where to save it, and which printer prints it.
class DocumentDialogs
{
public:
    virtual ~DocumentDialogs() = default;
    // The file the user picked, or empty when cancelled. `filter` holds the proposed entry of
    // `filters` and receives the chosen one.
    virtual QString saveFileName(QWidget *parent, const QString &caption, const QString &proposed,
                                 const QStringList &filters, QString *filter) = 0;
    // Lets the user pick and set up `printer`; false when cancelled.
    virtual bool choosePrinter(QWidget *parent, QPrinter *printer) = 0;
};

// Every service is always installed: the program installs the desktop's at start-up, tests and
// tools their stand-ins, before any window is made. Callers use them without checking.
struct Platform
{
    MessagePrompter *prompter = nullptr;
    WebOpener *web = nullptr;
    SettingsStore *settings = nullptr;
    Clock *clock = nullptr;
    ScreenMetrics *screen = nullptr;
    DocumentDialogs *dialogs = nullptr;

    // The services in use; asserts that every one is installed.
    static Platform &current();
    // Replaces the services in use; returns the ones it replaced.
    static Platform install(const Platform &platform);
};
