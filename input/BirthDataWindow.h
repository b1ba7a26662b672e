#pragma once

#include "gui/ReadingWindow.h"
#include "gui/WindowMenus.h"
#include "readings/core/BirthDataRules.h"
#include "readings/windows/BirthData.h"

#include <QColor>
#include <QPixmap>

class ClickableLabel;
class NameField;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

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

    // Back from the result leaves the focus on Next, ready to run the reading again.
    void shownAgain() override;

signals:
    // Next found the entries complete and the reading has stored the sign it found.
    void accepted(const BirthData &data, const QPixmap &signPicture);

public:
    // How one input window looks: its caption, size, colours and texts.
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

protected:
    BirthDataWindow(kesto::Reading reading, const WindowLook &look);

    // The picture of the sign from the window's own list; the table readings show none.
    virtual QPixmap signPicture(kesto::ZodiacSign sign) const;

    // Enter in a name field or a list does what Next does.
    void keyPressEvent(QKeyEvent *event) override;

    // The sun-sign windows' three name fields, or the table windows' one; a window for two
    // people has one for each, the partner's list of the date too.
    NameField *txtFirstName = nullptr;
    NameField *txtMiddleName = nullptr;
    NameField *txtLastName = nullptr;
    NameField *txtName = nullptr;
    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdExit = nullptr;
    NameField *txtPartnerName = nullptr;
    QComboBox *cboPartnerDate = nullptr;
    QComboBox *cboPartnerMonth = nullptr;
    QComboBox *cboPartnerYear = nullptr;

private:
    void buildSunSignLayout(const WindowLook &look);
    void buildTableLayout(const WindowLook &look);
    void buildTwoPeopleLayout(const WindowLook &look);
    // A name, then the date lists, headed Date, Month and Year, from `top` down (in twips).
    void buildPersonRows(int top, const QString &nameCaption, const QString &dateCaption, int index,
                         NameField **name, QComboBox **day, QComboBox **month, QComboBox **year);
    void fillLists(QComboBox *day, QComboBox *month, QComboBox *year);
    bool validateDate(QComboBox *day, QComboBox *month, bool partner);
    void buildBrandStrip(QWidget *strip, int widthTwips, int heightTwips);
    // After the window's own controls, Tab reaches the links, from the top down.
    void chainLinksAfterExit();
    NameField *nameField(const QString &name, const QString &accessibleName, QWidget *parent);
    QComboBox *list(const QString &name, const QString &accessibleName, QWidget *parent);
    void refuse(QWidget *focus, std::string_view message);
    // Finds the sign of the reading and stores it for the result window.
    void runReading();

    kesto::Reading m_reading;
};
