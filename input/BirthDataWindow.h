#pragma once

#include "app/ReadingWindow.h"
#include "app/ReadingWindowId.h"
#include "app/WindowMenus.h"
#include "input/BirthDataRules.h"

#include <QColor>

class ClickableLabel;
class NameField;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

// What a reading takes from its input window once the entries have passed the check.
struct BirthData
{
    QString firstName;
    QString middleName;
    QString lastName;
    QString name;
    int day = 0;   // 1..31
    int month = 0; // 1..12
    int year = 0;
    QString dayText;
    QString monthText;
    QString yearText;
};

// The input window every reading starts from: a name, and a birth date picked from day, month
// and year lists. The four readings share it; each subclass runs its own reading on Next.
class BirthDataWindow : public ReadingWindow
{
    Q_OBJECT

public:
    kesto::Reading reading() const { return m_reading; }

    void Form_Load() override;

    // Checks the entries in order; on the first refusal shows its message, moves the focus
    // as the message asks and returns false.
    bool ValidateBirthData();
    // Read from the controls; meaningful after ValidateBirthData has passed.
    BirthData birthData() const;

    void cmdNext_Click();
    void cmdExit_Click();

protected:
    struct WindowLook
    {
        QString caption;
        int clientWidth;
        int clientHeight;
        QColor background;
        QColor text;
        QString nextCaption;
        QString nextMenuName;
        QString exitCaption;
        WindowMenus::UpdateAccessKey updateKey;
        QString makeMoneyName;
        QString blurb; // Label2 of the sun-sign windows, Label3 of the others
    };

    BirthDataWindow(frmMDI *mdi, kesto::Reading reading, const WindowLook &look);

    // The reading proper, run by Next once the entries have passed.
    virtual void runReading() = 0;

    // The sun-sign windows' three name fields, or the table windows' one.
    NameField *txtFirstName = nullptr;
    NameField *txtMiddleName = nullptr;
    NameField *txtLastName = nullptr;
    NameField *txtName = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdExit = nullptr;

private:
    void buildSunSignLayout(const WindowLook &look);
    void buildTableLayout(const WindowLook &look);
    void buildBrandStrip(QWidget *strip, int widthTwips, int heightTwips);
    NameField *nameField(const QString &name, const QString &accessibleName, QWidget *parent);
    QComboBox *list(const QString &name, const QString &accessibleName, QWidget *parent);
    void refuse(QWidget *focus, std::string_view message);

    kesto::Reading m_reading;
};
