#include "TableSignResultWindow.h"

#include "ReadingState.h"
#include "gui/ClickableLabel.h"
#include "gui/Look.h"
#include "gui/QtText.h"
#include "gui/Twips.h"
#include "gui/ValueLabel.h"
#include "gui/WindowMenus.h"
#include "readings/core/Readings.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// Both strips are dark grey, whatever the window's own colour.
constexpr QColor StripColor(64, 64, 64);

QRect inPixels(const QRect &twips)
{
    return Twips::rect(twips.x(), twips.y(), twips.width(), twips.height());
}

void name(QWidget *widget, const char *objectName, const QString &accessibleName)
{
    widget->setObjectName(QLatin1String(objectName));
    widget->setAccessibleName(accessibleName);
}

// A strip runs to the window's right edge, where the design left a few pixels of the window's
// own colour; its sunken edge is drawn in shades of its grey, not in white.
QFrame *strip(QWidget *parent, const char *objectName, const QString &accessibleName,
              const QRect &place, int windowWidth)
{
    QFrame *frame = Look::sunkenStrip(
        parent, inPixels(QRect(place.x(), place.y(), windowWidth - place.x(), place.height())),
        StripColor);
    name(frame, objectName, accessibleName);
    return frame;
}

// A heading reads as its caption; a value, made without one, as the text it shows.
QLabel *label(QWidget *parent, const TableSignResultWindow::LabelLook &look, qreal pointSize,
              const QString &caption = {}, bool value = false)
{
    auto *label = value ? new ValueLabel(caption, parent) : new QLabel(caption, parent);
    name(label, look.name, caption);
    label->setFont(Look::verdana(pointSize, true));
    Look::setTextColor(label, look.color);
    label->setGeometry(inPixels(look.place));
    Look::growToFit(label, true);
    return label;
}

QPushButton *button(QWidget *parent, const char *objectName, const QString &caption,
                    const QRect &place, bool bold)
{
    auto *button = new QPushButton(caption, parent);
    name(button, objectName, QString(caption).remove(QLatin1Char('&')));
    button->setFont(Look::verdana(8.25, bold));
    button->setGeometry(inPixels(place));
    return button;
}

} // namespace

TableSignResultWindow::TableSignResultWindow(const Layout &layout)
    : ResultWindow(layout.reading)
{
    const kesto::ReadingDescription &description = kesto::describe(layout.reading);
    const QString caption = QLatin1String(layout.caption);
    setObjectName(toQString(description.resultWindow));
    setAccessibleName(caption);
    setWindowTitle(caption);
    setClientSize(layout.clientWidth, layout.clientHeight);
    Look::setBackground(this, layout.background);

    QFrame *top = strip(this, "Frame2", QStringLiteral("Forum banner"), layout.bannerStrip,
                        layout.clientWidth);
    ClickableLabel *banner = Banners::forumBanner(top);
    Look::setTextColor(banner, Qt::white);
    banner->setGeometry(Twips::rect(120, 75, layout.bannerStrip.width() - 240, 465));

    auto *frame = new QGroupBox(QLatin1String(layout.frameCaption), this);
    name(frame, layout.frameName, frame->title());
    frame->setFont(Look::verdana(layout.frameFontSize, layout.frameFontBold));
    Look::setBackground(frame, layout.frameBackground);
    Look::setTextColor(frame, layout.frameText);
    frame->setGeometry(inPixels(layout.frame));
    label(frame, layout.intro, 9, toQString(description.intro));
    QLabel *placedIn = label(frame, layout.placedIn, 9, toQString(description.heading("sign")));
    // The keyboard reaches the sign and its description; assistive technology reads the sign
    // with its heading and the description with the frame's caption.
    m_signName = label(frame, layout.signName, 9, {}, true);
    m_signName->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_description = label(frame, layout.description, 8.25, {}, true);
    m_note = noteLabel(frame, inPixels(layout.note.place), layout.note.color);
    m_note->setObjectName(QLatin1String(layout.note.name));
    m_note->setAlignment(layout.noteAlignment);
    m_description->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_description->setWordWrap(true);
    placedIn->setBuddy(m_signName);

    QPushButton *cmdBack =
        button(this, "cmdBack", QStringLiteral("&Back"), layout.back, layout.boldButtons);
    connect(cmdBack, &QPushButton::clicked, this, &TableSignResultWindow::cmdBack_Click);
    QPushButton *cmdExit =
        button(this, "cmdExit", QStringLiteral("&Exit"), layout.exit, layout.boldButtons);
    connect(cmdExit, &QPushButton::clicked, this, &TableSignResultWindow::cmdExit_Click);

    // The two offers share one place; the co-branding one, made later, covers the other.
    QFrame *bottom =
        strip(this, "Frame5", QStringLiteral("Offers"), layout.offerStrip, layout.clientWidth);
    ClickableLabel *fullBrand = Banners::fullBrandLabel(bottom);
    fullBrand->setGeometry(Twips::rect(120, 140, 6105, 615));
    ClickableLabel *coBrand = Banners::coBrandLabel(bottom, layout.coBrandSpacing);
    coBrand->setGeometry(Twips::rect(120, 135, 6105, 615));
    Look::setBackground(coBrand, StripColor);
    for (QLabel *offer : {fullBrand, coBrand})
        Look::setTextColor(offer, Qt::white);
    // Tab passes over the covered offer, then reaches the links after the buttons.
    fullBrand->setFocusPolicy(Qt::NoFocus);
    setTabOrder(cmdExit, banner);
    setTabOrder(banner, coBrand);

    setMenuBarActions(WindowMenus::build(
        this,
        {{QStringLiteral("mnuFileBack"), QStringLiteral("&Back"), [this] { cmdBack_Click(); }},
         {QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { cmdExit_Click(); }}},
        WindowMenus::UpdateAccessKey::C, QStringLiteral("mnuMakeMoneyOnline")));
}

void TableSignResultWindow::showDescription(kesto::ZodiacSign sign)
{
    showDescriptionOf(kesto::readingDocument(reading(), sign, {}, {}));
}

void TableSignResultWindow::showDescriptionOf(const kesto::ReadingDocument &document)
{
    if (const kesto::ReadingText *text = document.text("description"))
        m_description->setText(toQString(text->joined()));
}

void TableSignResultWindow::showDocument(const kesto::ReadingDocument &document, const QPixmap &)
{
    showDescriptionOf(document);
    if (const kesto::ReadingValue *sign = document.value("sign"))
        m_signName->setText(toQString(sign->value));
    showNote(m_note, m_signName, document);
}

void TableSignResultWindow::showUnknownSign(const QString &signText)
{
    m_signName->setText(signText);
}

void TableSignResultWindow::cmdBack_Click()
{
    emit backRequested();
}

void TableSignResultWindow::cmdExit_Click()
{
    unload();
}
