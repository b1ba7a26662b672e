#include "SunSignResultWindow.h"

#include "ReadingState.h"
#include "gui/Banners.h"
#include "gui/ClickableLabel.h"
#include "gui/Look.h"
#include "gui/QtText.h"
#include "gui/Twips.h"
#include "gui/ValueLabel.h"
#include "gui/WindowMenus.h"
#include "readings/core/Readings.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTabWidget>

namespace {

constexpr int ClientWidth = 7920;
constexpr int ValueLeft = 1920;
constexpr int HeadingLeft = 240;

QRect twips(const SunSignResultWindow::Box &box)
{
    return Twips::rect(box.left, box.top, box.width, box.height);
}

// The heading the reading's description gives a value or a text.
QString headingOf(kesto::Reading reading, std::string_view key)
{
    return toQString(kesto::describe(reading).heading(key));
}

QFrame *band(QWidget *parent, const QString &name, int top, int height, const QColor &color)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setGeometry(Twips::rect(0, top, ClientWidth, height));
    Look::setBackground(frame, color);
    return frame;
}

} // namespace

// The card's rows in the reading's order: heading, value label and the document's key.
// clang-format off
const std::array<SunSignResultWindow::CardRow, 6> SunSignResultWindow::CardRows = {{
    {"Label15", "lblSunSign",              "sign",          &SunSignResultWindow::lblSunSign},
    {"Label11", "lblSunSignElement",       "element",       &SunSignResultWindow::lblSunSignElement},
    {"Label27", "lblSunSignBirthStone",    "birthstone",    &SunSignResultWindow::lblSunSignBirthStone},
    {"Label23", "lblSunSignNumber",        "luckyNumber",   &SunSignResultWindow::lblSunSignNumber},
    {"Label21", "lblSunSignDay",           "luckyDay",      &SunSignResultWindow::lblSunSignDay},
    {"Label17", "lblSunSignCompatibility", "compatibility", &SunSignResultWindow::lblSunSignCompatibility},
}};
// clang-format on

SunSignResultWindow::SunSignResultWindow(const Layout &layout)
    : ResultWindow(layout.reading)
    , m_layout(layout)
{
    setObjectName(toQString(kesto::describe(layout.reading).resultWindow));
    setWindowTitle(QLatin1String(layout.caption));
    setAccessibleName(windowTitle());
    setClientSize(ClientWidth, layout.clientHeight);
    Look::setBackground(this, layout.band);

    buildHeader();

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(QStringLiteral("Reading"));
    SSTab1->setGeometry(Twips::rect(0, 600, 7935, layout.tabHeight));
    auto page = [this](const QString &name, const QString &caption) {
        auto *frame = new QFrame;
        frame->setObjectName(name);
        Look::setBackground(frame, Qt::white);
        SSTab1->addTab(frame, caption);
        return frame;
    };
    buildCard(page(QStringLiteral("fraSunSignProfile"), QStringLiteral("Sun Sign Profile")));
    buildProfile(page(QStringLiteral("fraProfile"), QLatin1String(layout.profileTab)));
    SSTab1->setCurrentIndex(0);
    buildTabKeys();

    buildFooter();

    setMenuBarActions(WindowMenus::build(
        this,
        {{QStringLiteral("mnuBack"), QStringLiteral("Back"), [this] { mnuBack_Click(); }},
         {QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); }}},
        WindowMenus::UpdateAccessKey::U, QStringLiteral("mnumakemoney")));
}

void SunSignResultWindow::buildTabKeys()
{
    // The tabs' own keys, which the main window's area would otherwise take to switch windows.
    const auto step = [this](int by) {
        const int count = SSTab1->count();
        SSTab1->setCurrentIndex((SSTab1->currentIndex() + by + count) % count);
    };
    const std::pair<QKeyCombination, int> keys[] = {
        {Qt::CTRL | Qt::Key_Tab, 1},
        {Qt::CTRL | Qt::Key_PageDown, 1},
        {Qt::CTRL | Qt::SHIFT | Qt::Key_Tab, -1},
        {Qt::CTRL | Qt::Key_PageUp, -1},
    };
    for (const auto &[key, by] : keys) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, this, [step, by] { step(by); });
    }
}

void SunSignResultWindow::buildHeader()
{
    QFrame *header = band(this, QStringLiteral("fraHeader"), 0, 615, m_layout.band);
    Label61 = Banners::forumBanner(header);
    Label61->setGeometry(Twips::rect(120, 120, 7800, 465));
    Look::setTextColor(Label61, Qt::white);
}

QLabel *SunSignResultWindow::heading(QWidget *page, const QString &name, const QString &caption,
                                     int left, int top, const QColor &color, qreal pointSize)
{
    auto *label = new QLabel(caption, page);
    label->setObjectName(name);
    label->setAccessibleName(caption);
    label->setFont(Look::verdana(pointSize, true, true));
    Look::setTextColor(label, color);
    label->move(Twips::toPixelsX(left), Twips::toPixelsY(top));
    label->adjustSize();
    return label;
}

QLabel *SunSignResultWindow::valueLabel(QWidget *page, const QString &name, int top, int width,
                                        int height)
{
    // Assistive technology reads the value itself, tied to its heading (the heading's buddy);
    // the keyboard reaches it too.
    auto *label = new ValueLabel(QString(), page);
    label->setObjectName(name);
    label->setFont(Look::verdana(8.25, true));
    Look::setBackground(label, Qt::white);
    Look::setTextColor(label, m_layout.valueText);
    label->setGeometry(Twips::rect(ValueLeft, top, width, height));
    return label;
}

QPlainTextEdit *SunSignResultWindow::textBox(QWidget *page, const QString &name,
                                             const QString &meaning, const Box &box)
{
    auto *edit = new QPlainTextEdit(page);
    edit->setObjectName(name);
    edit->setAccessibleName(meaning);
    edit->setReadOnly(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Look::setBackground(edit, m_layout.band);
    Look::setTextColor(edit, Qt::white);
    // The scroll bar keeps the desktop's colours: white arrows on its grey would not show.
    edit->verticalScrollBar()->setPalette(edit->style()->standardPalette());
    edit->setGeometry(twips(box));
    return edit;
}

void SunSignResultWindow::buildCard(QWidget *page)
{
    for (std::size_t i = 0; i < CardRows.size(); ++i) {
        const CardRow &row = CardRows[i];
        QLabel *title =
            heading(page, QLatin1String(row.heading), headingOf(m_layout.reading, row.key),
                    HeadingLeft, m_layout.headingTops[i], m_layout.headingText);
        const bool sign = i == 0;
        this->*row.label = valueLabel(page, QLatin1String(row.value), m_layout.valueTops[i],
                                      sign ? 1125 : 1020, sign ? 240 : 195);
        title->setBuddy(this->*row.label);
    }
    lblSunSign->setFont(Look::verdana(9.75, true));
    Look::setTextColor(lblSunSign, m_layout.signText);
    lblSignNote = ResultWindow::noteLabel(page, twips(m_layout.noteBox), m_layout.valueText);

    // A traits box with its heading just above it, which names it for assistive technology.
    const auto traitsBox = [&](const QString &headingName, const QString &boxName,
                               const QString &title, const Box &box) {
        QLabel *label =
            heading(page, headingName, title, box.left, box.top - 240, m_layout.headingText);
        QPlainTextEdit *edit = textBox(page, boxName, title, box);
        label->setBuddy(edit);
        return edit;
    };
    txtSunSignPositiveTraits =
        traitsBox(QStringLiteral("Label13"), QStringLiteral("txtSunSignPositiveTraits"),
                  headingOf(m_layout.reading, "positiveTraits"), m_layout.positiveBox);
    txtSunSignNegativeTraits =
        traitsBox(QStringLiteral("Label10"), QStringLiteral("txtSunSignNegativeTraits"),
                  headingOf(m_layout.reading, "negativeTraits"), m_layout.negativeBox);

    picSunSign = new QLabel(page);
    picSunSign->setObjectName(QStringLiteral("picSunSign"));
    picSunSign->setAccessibleName(QStringLiteral("Picture of your sun sign"));
    picSunSign->setAlignment(Qt::AlignCenter);
    picSunSign->setGeometry(Twips::rect(4680, 160, 3000, 3000));
}

void SunSignResultWindow::buildProfile(QWidget *page)
{
    const Box &box = m_layout.profileHeadingBox;
    QLabel *label = heading(page, QStringLiteral("Label1"), headingOf(m_layout.reading, "profile"),
                            box.left, box.top, m_layout.profileHeadingText, 11.25);
    label->resize(Twips::size(box.width, box.height));
    Look::growToFit(label);
    txtLoveProfile = textBox(page, QStringLiteral("txtLoveProfile"),
                             QLatin1String(m_layout.profileTab).trimmed(), m_layout.profileBox);
    label->setBuddy(txtLoveProfile);
}

void SunSignResultWindow::buildFooter()
{
    QFrame *footer = band(this, QStringLiteral("fraFooter"), m_layout.footerTop,
                          m_layout.footerHeight, m_layout.band);
    // Both offers share one place; the co-branding one, made later, covers the other.
    lblFullBrand = Banners::fullBrandLabel(footer);
    lblFullBrand->setGeometry(Twips::rect(120, m_layout.fullBrandTop, 6105, 615));
    lblCobrand = Banners::coBrandLabel(footer);
    lblCobrand->setGeometry(Twips::rect(120, m_layout.coBrandTop, 6105, 615));
    for (QLabel *offer : {static_cast<QLabel *>(lblFullBrand), static_cast<QLabel *>(lblCobrand)}) {
        Look::setBackground(offer, m_layout.band);
        Look::setTextColor(offer, Qt::white);
    }

    cmdBack = new QPushButton(QStringLiteral("&Back"), footer);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setAccessibleName(QStringLiteral("Back"));
    cmdBack->setGeometry(Twips::rect(6600, m_layout.backTop, 1215, 375));
    connect(cmdBack, &QPushButton::clicked, this, &SunSignResultWindow::cmdBack_Click);

    // Tab passes over the covered offer and reaches the links after Back. The banner, made
    // first, leaves the head of the chain first: the window opens with the focus on its tabs.
    lblFullBrand->setFocusPolicy(Qt::NoFocus);
    setTabOrder(SSTab1, Label61);
    setTabOrder(cmdBack, Label61);
    setTabOrder(Label61, lblCobrand);
}

void SunSignResultWindow::showDocument(const kesto::ReadingDocument &document,
                                       const QPixmap &signPicture)
{
    FillSunSignResult(document, signPicture);
}

void SunSignResultWindow::FillSunSignResult(const kesto::ReadingDocument &document,
                                            const QPixmap &signPicture)
{
    for (const CardRow &row : CardRows) {
        QLabel *label = this->*row.label;
        if (const kesto::ReadingValue *value = document.value(row.key))
            label->setText(toQString(value->value));
        Look::growToFit(label);
    }
    const auto text = [&document](std::string_view key) {
        const kesto::ReadingText *text = document.text(key);
        return text ? toQString(text->joined()) : QString();
    };
    txtSunSignPositiveTraits->setPlainText(text("positiveTraits"));
    txtSunSignNegativeTraits->setPlainText(text("negativeTraits"));
    picSunSign->setPixmap(signPicture);
    showNote(lblSignNote, lblSunSign, document);
    // The paragraphs of a profile are parted by CR LF pairs, which the box takes as one break.
    txtLoveProfile->setPlainText(text("profile"));
}

void SunSignResultWindow::cmdBack_Click()
{
    emit backRequested();
}

void SunSignResultWindow::mnuBack_Click()
{
    cmdBack_Click();
}

void SunSignResultWindow::mnuExit_Click()
{
    unload();
}
