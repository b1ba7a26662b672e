#include "BirthDataWindow.h"

#include "NameField.h"
#include "gui/Banners.h"
#include "gui/ClickableLabel.h"
#include "gui/EnterKey.h"
#include "gui/Look.h"
#include "gui/Platform.h"
#include "gui/QtText.h"
#include "gui/Twips.h"
#include "gui/WebPages.h"
#include "readings/windows/ReadingState.h"
#include "zodiac/DateText.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel *fixedLabel(const QString &text, QWidget *parent, const QRect &geometry, bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Look::verdana(8.25, bold));
    label->setGeometry(geometry);
    return label;
}

QFrame *strip(QWidget *parent, const QString &name, const QRect &geometry)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Sunken);
    frame->setGeometry(geometry);
    return frame;
}

} // namespace

BirthDataWindow::BirthDataWindow(kesto::Reading reading, const WindowLook &look)
    : m_reading(reading)
{
    setWindowTitle(look.caption);
    setAccessibleName(look.caption);
    setClientSize(look.clientWidth, look.clientHeight);
    Look::setBackground(this, look.background);
    Look::setTextColor(this, look.text);

    if (kesto::describe(reading).threeNameFields)
        buildSunSignLayout(look);
    else if (kesto::describe(reading).twoPeople)
        buildTwoPeopleLayout(look);
    else
        buildTableLayout(look);
    cmdNext->setObjectName(QStringLiteral("cmdNext"));
    cmdNext->setAccessibleName(QString(cmdNext->text()).remove(QLatin1Char('&')));
    cmdNext->setFont(Look::verdana(8.25, true));
    connect(cmdNext, &QPushButton::clicked, this, &BirthDataWindow::cmdNext_Click);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setAccessibleName(QString(cmdExit->text()).remove(QLatin1Char('&')));
    cmdExit->setFont(Look::verdana(8.25, true));
    connect(cmdExit, &QPushButton::clicked, this, &BirthDataWindow::cmdExit_Click);
    chainLinksAfterExit();

    setMenuBarActions(WindowMenus::build(
        this,
        {{look.nextMenuName, look.nextCaption, [this] { cmdNext_Click(); }},
         {QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { cmdExit_Click(); }}},
        look.updateKey, look.makeMoneyName));
}

NameField *BirthDataWindow::nameField(const QString &name, const QString &accessibleName,
                                      QWidget *parent)
{
    auto *field = new NameField(m_reading, parent);
    field->setObjectName(name);
    field->setAccessibleName(accessibleName);
    field->setFont(Look::verdana(8.25));
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    field->setPalette(palette);
    return field;
}

QComboBox *BirthDataWindow::list(const QString &name, const QString &accessibleName,
                                 QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    // Some platforms name a list by its current entry; the description still says which part
    // of the date it holds, where the window shows no label of its own (the sun-sign windows).
    box->setAccessibleDescription(accessibleName);
    box->setEditable(false);
    box->setFont(Look::verdana(8.25));
    QPalette palette = box->palette();
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    box->setPalette(palette);
    return box;
}

void BirthDataWindow::buildBrandStrip(QWidget *parent, int widthTwips, int heightTwips)
{
    const int half = (widthTwips - 360) / 2;
    ClickableLabel *fullBrand = Banners::fullBrandLabel(parent);
    fullBrand->setGeometry(Twips::rect(120, 45, half, heightTwips - 90));
    ClickableLabel *coBrand = Banners::coBrandLabel(parent,
                                                    m_reading == kesto::Reading::ZodiacLoveSign
                                                        ? Banners::CoBrandSpacing::Joined
                                                        : Banners::CoBrandSpacing::Spaced);
    coBrand->setGeometry(Twips::rect(240 + half, 45, half, heightTwips - 90));
    if (kesto::describe(m_reading).threeNameFields) {
        // The sun-sign windows leave the offers a shallow strip.
        fullBrand->setFont(Look::verdana(6.75));
        coBrand->setFont(Look::verdana(6.75));
    }
}

void BirthDataWindow::buildSunSignLayout(const WindowLook &look)
{
    const int width = look.clientWidth;
    QFrame *top = strip(this, QStringLiteral("Frame1"), Twips::rect(0, 0, width, 615));
    ClickableLabel *banner = Banners::forumBanner(top);
    banner->setGeometry(Twips::rect(120, 75, width - 240, 465));

    auto *details = new QGroupBox(QStringLiteral("Please Fill In The Below Details:"), this);
    details->setObjectName(QStringLiteral("fraDetails"));
    details->setFont(Look::verdana(8.25, true));
    details->setGeometry(Twips::rect(120, 660, width - 240, 1995));

    auto *names = new QGroupBox(QStringLiteral("Name"), details);
    names->setObjectName(QStringLiteral("fraName"));
    // Without a name of its own a frame inside a frame would be read by the outer one's title.
    names->setAccessibleName(names->title());
    names->setGeometry(Twips::rect(120, 300, 2940, 1215));
    QLabel *firstNameLabel =
        fixedLabel(QStringLiteral(" First Name"), names, Twips::rect(90, 300, 1140, 240));
    QLabel *middleNameLabel =
        fixedLabel(QStringLiteral("Middle Name"), names, Twips::rect(90, 600, 1140, 240));
    QLabel *lastNameLabel =
        fixedLabel(QStringLiteral(" Last Name"), names, Twips::rect(90, 900, 1140, 240));
    txtFirstName = nameField(QStringLiteral("txtFirstName"), QStringLiteral("First Name"), names);
    txtFirstName->setGeometry(Twips::rect(1260, 270, 1590, 285));
    txtMiddleName =
        nameField(QStringLiteral("txtMiddleName"), QStringLiteral("Middle Name"), names);
    txtMiddleName->setGeometry(Twips::rect(1260, 570, 1590, 285));
    txtLastName = nameField(QStringLiteral("txtLastName"), QStringLiteral("Last Name"), names);
    txtLastName->setGeometry(Twips::rect(1260, 870, 1590, 285));
    // Assistive technology reads each field with its label.
    firstNameLabel->setBuddy(txtFirstName);
    middleNameLabel->setBuddy(txtMiddleName);
    lastNameLabel->setBuddy(txtLastName);

    auto *date = new QGroupBox(QStringLiteral("Date Of Birth"), details);
    date->setObjectName(QStringLiteral("fraDateOfBirth"));
    date->setAccessibleName(date->title());
    date->setGeometry(Twips::rect(3120, 300, 3975, 1215));
    cboMonth = list(QStringLiteral("cboMonth"), QStringLiteral("Month"), date);
    cboMonth->setGeometry(Twips::rect(120, 540, 1455, 315));
    cboDate = list(QStringLiteral("cboDate"), QStringLiteral("Day"), date);
    cboDate->setGeometry(Twips::rect(1800, 540, 855, 315));
    cboYear = list(QStringLiteral("cboYear"), QStringLiteral("Year"), date);
    cboYear->setGeometry(Twips::rect(2880, 540, 975, 315));

    cmdNext = new QPushButton(look.nextCaption, details);
    cmdNext->setGeometry(Twips::rect(120, 1530, width - 480, 375));

    auto *blurb = new ClickableLabel(look.blurb, this);
    blurb->setObjectName(QStringLiteral("Label2"));
    blurb->setAccessibleName(look.blurb);
    blurb->setWordWrap(true);
    blurb->setFont(Look::verdana(8.25, true));
    blurb->setGeometry(Twips::rect(120, 2715, 5760, 600));
    connect(blurb, &ClickableLabel::clicked, this, [] { OpenWebPage(WebPage::FullyBranded); });

    cmdExit = new QPushButton(look.exitCaption, this);
    cmdExit->setGeometry(Twips::rect(6000, 2790, 1335, 375));

    const int stripTop = 3330;
    QFrame *bottom = strip(this, QStringLiteral("Frame3"),
                           Twips::rect(0, stripTop, width, look.clientHeight - stripTop));
    buildBrandStrip(bottom, width, look.clientHeight - stripTop);

    setTabOrder(txtFirstName, txtMiddleName);
    setTabOrder(txtMiddleName, txtLastName);
    setTabOrder(txtLastName, cboMonth);
    setTabOrder(cboMonth, cboDate);
    setTabOrder(cboDate, cboYear);
    setTabOrder(cboYear, cmdNext);
    setTabOrder(cmdNext, cmdExit);
}

void BirthDataWindow::buildTableLayout(const WindowLook &look)
{
    const int width = look.clientWidth;
    // The Zodiac Love Sign window is taller by its longer description.
    const int extra = look.clientHeight - 5040;
    QFrame *top = strip(this, QStringLiteral("Frame1"), Twips::rect(0, 0, width, 615));
    ClickableLabel *banner = Banners::forumBanner(top);
    banner->setGeometry(Twips::rect(120, 75, width - 240, 465));

    QLabel *nameLabel =
        fixedLabel(QStringLiteral("Name"), this, Twips::rect(480, 855, 1080, 255), true);
    txtName = nameField(QStringLiteral("txtName"), QStringLiteral("Name"), this);
    nameLabel->setBuddy(txtName);
    txtName->setGeometry(Twips::rect(1680, 810, 3780, 315));

    fixedLabel(QStringLiteral("Date Of Birth"), this, Twips::rect(240, 1635, 1380, 255), true);
    QLabel *dayLabel = fixedLabel(QStringLiteral("Date"), this, Twips::rect(1680, 1320, 900, 240));
    QLabel *monthLabel =
        fixedLabel(QStringLiteral("Month"), this, Twips::rect(2760, 1320, 1500, 240));
    QLabel *yearLabel =
        fixedLabel(QStringLiteral("Year"), this, Twips::rect(4440, 1320, 1020, 240));
    cboDate = list(QStringLiteral("cboDate"), QStringLiteral("Date"), this);
    cboDate->setGeometry(Twips::rect(1680, 1590, 900, 315));
    cboMonth = list(QStringLiteral("cboMonth"), QStringLiteral("Month"), this);
    cboMonth->setGeometry(Twips::rect(2760, 1590, 1500, 315));
    cboYear = list(QStringLiteral("cboYear"), QStringLiteral("Year"), this);
    cboYear->setGeometry(Twips::rect(4440, 1590, 1020, 315));
    dayLabel->setBuddy(cboDate);
    monthLabel->setBuddy(cboMonth);
    yearLabel->setBuddy(cboYear);

    auto *description = new QLabel(look.blurb, this);
    description->setObjectName(QStringLiteral("Label3"));
    description->setAccessibleName(look.blurb);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    description->setFont(Look::verdana(8.25, true));
    description->setGeometry(Twips::rect(240, 2100, width - 480, 1095 + extra));

    cmdNext = new QPushButton(look.nextCaption, this);
    cmdNext->setGeometry(Twips::rect(240, 3300 + extra, 4800, 465));
    cmdExit = new QPushButton(look.exitCaption, this);
    cmdExit->setGeometry(Twips::rect(5160, 3300 + extra, width - 5400, 465));

    const int stripTop = 3900 + extra;
    QFrame *bottom = strip(this, QStringLiteral("Frame3"),
                           Twips::rect(0, stripTop, width, look.clientHeight - stripTop));
    buildBrandStrip(bottom, width, look.clientHeight - stripTop);

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, cmdNext);
    setTabOrder(cmdNext, cmdExit);
}

void BirthDataWindow::buildPersonRows(int top, const QString &nameCaption,
                                      const QString &dateCaption, int index, NameField **name,
                                      QComboBox **day, QComboBox **month, QComboBox **year)
{
    const QString suffix = QStringLiteral("_%1").arg(index);
    QLabel *nameLabel = fixedLabel(nameCaption, this, Twips::rect(240, top + 45, 2340, 255), true);
    *name = nameField(QStringLiteral("txtName") + suffix, nameCaption, this);
    nameLabel->setBuddy(*name);
    (*name)->setGeometry(Twips::rect(2640, top, 4380, 315));

    fixedLabel(dateCaption, this, Twips::rect(240, top + 735, 2340, 255), true);
    QLabel *dayLabel =
        fixedLabel(QStringLiteral("Date"), this, Twips::rect(2640, top + 420, 900, 240));
    QLabel *monthLabel =
        fixedLabel(QStringLiteral("Month"), this, Twips::rect(3660, top + 420, 1500, 240));
    QLabel *yearLabel =
        fixedLabel(QStringLiteral("Year"), this, Twips::rect(5280, top + 420, 1020, 240));
    // Each list is named for its person, as a screen reader reads it out of sight of the other.
    const QString whose = index == 0 ? QString() : QStringLiteral("Partner's ");
    *day = list(QStringLiteral("cboDate") + suffix, whose + QStringLiteral("Date"), this);
    (*day)->setGeometry(Twips::rect(2640, top + 690, 900, 315));
    *month = list(QStringLiteral("cboMonth") + suffix, whose + QStringLiteral("Month"), this);
    (*month)->setGeometry(Twips::rect(3660, top + 690, 1500, 315));
    *year = list(QStringLiteral("cboYear") + suffix, whose + QStringLiteral("Year"), this);
    (*year)->setGeometry(Twips::rect(5280, top + 690, 1020, 315));
    dayLabel->setBuddy(*day);
    monthLabel->setBuddy(*month);
    yearLabel->setBuddy(*year);
}

void BirthDataWindow::buildTwoPeopleLayout(const WindowLook &look)
{
    const int width = look.clientWidth;
    QFrame *top = strip(this, QStringLiteral("Frame1"), Twips::rect(0, 0, width, 615));
    ClickableLabel *banner = Banners::forumBanner(top);
    banner->setGeometry(Twips::rect(120, 75, width - 240, 465));

    buildPersonRows(780, QStringLiteral("Your Name"), QStringLiteral("Your Date Of Birth"), 0,
                    &txtName, &cboDate, &cboMonth, &cboYear);
    buildPersonRows(2040, QStringLiteral("Your Partner's Name"),
                    QStringLiteral("Partner's Date Of Birth"), 1, &txtPartnerName, &cboPartnerDate,
                    &cboPartnerMonth, &cboPartnerYear);

    auto *description = new QLabel(look.blurb, this);
    description->setObjectName(QStringLiteral("Label3"));
    description->setAccessibleName(look.blurb);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    description->setFont(Look::verdana(8.25, true));
    description->setGeometry(Twips::rect(240, 3240, width - 480, 735));

    cmdNext = new QPushButton(look.nextCaption, this);
    cmdNext->setGeometry(Twips::rect(240, 4080, 4800, 465));
    cmdExit = new QPushButton(look.exitCaption, this);
    cmdExit->setGeometry(Twips::rect(5160, 4080, width - 5400, 465));

    const int stripTop = 4680;
    QFrame *bottom = strip(this, QStringLiteral("Frame3"),
                           Twips::rect(0, stripTop, width, look.clientHeight - stripTop));
    buildBrandStrip(bottom, width, look.clientHeight - stripTop);

    setTabOrder(txtName, cboDate);
    setTabOrder(cboDate, cboMonth);
    setTabOrder(cboMonth, cboYear);
    setTabOrder(cboYear, txtPartnerName);
    setTabOrder(txtPartnerName, cboPartnerDate);
    setTabOrder(cboPartnerDate, cboPartnerMonth);
    setTabOrder(cboPartnerMonth, cboPartnerYear);
    setTabOrder(cboPartnerYear, cmdNext);
    setTabOrder(cmdNext, cmdExit);
}

void BirthDataWindow::chainLinksAfterExit()
{
    QWidget *previous = cmdExit;
    for (const char *name : {"Label61", "Label2", "lblFullBrand", "lblCobrand"}) {
        if (auto *link = findChild<ClickableLabel *>(QLatin1String(name))) {
            setTabOrder(previous, link);
            previous = link;
        }
    }
}

void BirthDataWindow::Form_Load()
{
    fillLists(cboDate, cboMonth, cboYear);
    if (cboPartnerDate)
        fillLists(cboPartnerDate, cboPartnerMonth, cboPartnerYear);
}

void BirthDataWindow::fillLists(QComboBox *day, QComboBox *month, QComboBox *year)
{
    for (int number = 1; number <= 31; ++number)
        day->addItem(QString::number(number));
    for (int number = 1; number <= 12; ++number)
        month->addItem(toQString(kesto::monthName(number)));
    const kesto::YearRange years = kesto::describe(m_reading).years;
    for (int number = years.first; number <= years.last; ++number)
        year->addItem(QString::number(number));
    day->setCurrentIndex(0);
    month->setCurrentIndex(0);
    year->setCurrentIndex(0);
}

void BirthDataWindow::refuse(QWidget *focus, std::string_view message)
{
    Platform::current().prompter->information(this, toQString(message));
    if (focus)
        focus->setFocus();
}

bool BirthDataWindow::ValidateBirthData()
{
    if (kesto::describe(m_reading).threeNameFields) {
        if (txtFirstName->text().isEmpty())
            return refuse(txtFirstName, "Please Enter Your First Name"), false;
        if (txtLastName->text().isEmpty())
            return refuse(txtLastName, "Please Enter Your Last Name"), false;
        if (cboDate->currentIndex() < 0)
            return refuse(cboDate, "Please Specify Your Birth Date"), false;
        if (cboMonth->currentIndex() < 0)
            return refuse(cboMonth, "Please Specify Your Birth Month"), false;
        if (cboYear->currentIndex() < 0)
            return refuse(cboYear, "Please Specify Your Birth Year"), false;
        return true;
    }
    if (txtName->text().isEmpty())
        return refuse(txtName, "Please Enter Your Name"), false;
    if (!txtPartnerName)
        return validateDate(cboDate, cboMonth, false);
    // Two people: each name, then each date, every message saying whose entry it is about.
    if (txtPartnerName->text().isEmpty())
        return refuse(txtPartnerName, kesto::partnersMessage("Please Enter Your Name")), false;
    return validateDate(cboDate, cboMonth, false)
        && validateDate(cboPartnerDate, cboPartnerMonth, true);
}

bool BirthDataWindow::validateDate(QComboBox *day, QComboBox *month, bool partner)
{
    // The date messages leave the focus where it is.
    const kesto::DateRefusal refusal =
        kesto::checkBirthDate(m_reading, day->currentIndex() + 1, month->currentIndex() + 1);
    if (refusal == kesto::DateRefusal::None)
        return true;
    const std::string_view message = kesto::dateRefusalMessage(m_reading, refusal);
    refuse(nullptr, partner ? kesto::partnersMessage(message) : std::string(message));
    return false;
}

BirthData BirthDataWindow::birthData() const
{
    BirthData data;
    data.reading = m_reading;
    if (txtName) {
        data.name = txtName->text();
    } else {
        data.firstName = txtFirstName->text();
        data.middleName = txtMiddleName->text();
        data.lastName = txtLastName->text();
    }
    data.day = cboDate->currentIndex() + 1;
    data.month = cboMonth->currentIndex() + 1;
    data.year = kesto::describe(m_reading).years.first + cboYear->currentIndex();
    data.dayText = cboDate->currentText();
    data.monthText = cboMonth->currentText();
    data.yearText = cboYear->currentText();
    if (txtPartnerName) {
        auto partner = std::make_shared<BirthData>();
        partner->reading = m_reading;
        partner->name = txtPartnerName->text();
        partner->day = cboPartnerDate->currentIndex() + 1;
        partner->month = cboPartnerMonth->currentIndex() + 1;
        partner->year = kesto::describe(m_reading).years.first + cboPartnerYear->currentIndex();
        partner->dayText = cboPartnerDate->currentText();
        partner->monthText = cboPartnerMonth->currentText();
        partner->yearText = cboPartnerYear->currentText();
        data.partner = partner;
    }
    return data;
}

void BirthDataWindow::cmdNext_Click()
{
    if (!ValidateBirthData())
        return;
    runReading();
}

void BirthDataWindow::runReading()
{
    const BirthData data = birthData();
    // A reading for two people finds its signs as it fills its result window; the texts the
    // single readings hand their sign over in are left as they are.
    if (data.partner) {
        emit accepted(data, QPixmap());
        return;
    }
    // The sun-sign readings take the lists' positions, the table readings the lists' texts.
    const std::optional<kesto::ZodiacSign> sign = kesto::isSunSignReading(m_reading)
        ? kesto::findReadingSign(m_reading, data.date())
        : kesto::findReadingSign(m_reading, data.yearText.toStdString(),
                                 data.monthText.toStdString(), data.dayText.toStdString());
    if (sign)
        ReadingState::signOf(m_reading) = toQString(kesto::displayName(*sign));
    emit accepted(data, sign ? signPicture(*sign) : QPixmap());
}

QPixmap BirthDataWindow::signPicture(kesto::ZodiacSign) const
{
    return {};
}

void BirthDataWindow::cmdExit_Click()
{
    unload();
}

void BirthDataWindow::shownAgain()
{
    cmdNext->setFocus(Qt::OtherFocusReason);
}

void BirthDataWindow::keyPressEvent(QKeyEvent *event)
{
    QWidget *focus = QApplication::focusWidget();
    const bool entry = qobject_cast<NameField *>(focus) || qobject_cast<QComboBox *>(focus);
    if (EnterKey::pressed(event) && entry && isAncestorOf(focus)) {
        event->accept();
        cmdNext_Click();
        return;
    }
    ReadingWindow::keyPressEvent(event); // the main window presses a focused button
}
