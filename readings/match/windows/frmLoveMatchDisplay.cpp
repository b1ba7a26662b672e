#include "frmLoveMatchDisplay.h"

#include "gui/Banners.h"
#include "gui/ClickableLabel.h"
#include "gui/Look.h"
#include "gui/QtText.h"
#include "gui/Twips.h"
#include "gui/ValueLabel.h"
#include "gui/WindowMenus.h"
#include "readings/match/core/LoveMatch.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>

namespace {

// Positions and sizes in twips, relative to the container.
constexpr int ClientWidth = 8415;
constexpr int ClientHeight = 7275;
constexpr QColor Rose(96, 16, 48);
constexpr QColor Blush(255, 200, 215);
constexpr QColor StripColor(64, 64, 64);

// The grid of signs: a column a person, then the aspect; a row a layer.
constexpr int RowHeadingLeft = 240;
constexpr std::array<int, 3> ColumnLefts = {1920, 4080, 6240};
constexpr int ColumnWidth = 2040;
constexpr int HeaderTop = 300;
constexpr std::array<int, 3> RowTops = {660, 960, 1260};
constexpr std::array<const char *, 3> LayerNames = {"Sun", "Venus", "Eros"};

QLabel *text(QWidget *parent, const QString &name, const QString &caption, const QRect &twips,
             qreal pointSize, bool bold, const QColor &color)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    label->setFont(Look::verdana(pointSize, bold));
    Look::setTextColor(label, color);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

// A value, read by a screen reader as its own text and its meaning as the description.
QLabel *value(QWidget *parent, const QString &name, const QRect &twips, const QColor &color)
{
    auto *label = new ValueLabel({}, parent);
    label->setObjectName(name);
    label->setFont(Look::verdana(8.25, true));
    Look::setTextColor(label, color);
    label->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

QFrame *strip(QWidget *parent, const QString &name, const QRect &twips)
{
    QFrame *frame = Look::sunkenStrip(
        parent, Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()), StripColor);
    frame->setObjectName(name);
    return frame;
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                    const QRect &twips)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setFont(Look::verdana(8.25, true));
    button->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return button;
}

QString heading(std::string_view key)
{
    return toQString(kesto::describe(kesto::Reading::LoveMatch).heading(key));
}

} // namespace

frmLoveMatchDisplay::frmLoveMatchDisplay()
    : ResultWindow(kesto::Reading::LoveMatch)
{
    setObjectName(toQString(kesto::describe(kesto::Reading::LoveMatch).resultWindow));
    setWindowTitle(QStringLiteral("Kesto Love Match"));
    setAccessibleName(windowTitle());
    setClientSize(ClientWidth, ClientHeight);
    Look::setBackground(this, Rose);

    QFrame *top = strip(this, QStringLiteral("Frame2"), {0, 0, ClientWidth, 615});
    ClickableLabel *banner = Banners::forumBanner(top);
    Look::setTextColor(banner, Qt::white);
    banner->setGeometry(Twips::rect(120, 75, ClientWidth - 240, 465));

    auto *frame = new QGroupBox(QStringLiteral("Love Match"), this);
    frame->setObjectName(QStringLiteral("fraLoveMatch"));
    frame->setAccessibleName(frame->title());
    frame->setFont(Look::verdana(9, true));
    Look::setBackground(frame, Rose);
    Look::setTextColor(frame, Blush);
    frame->setGeometry(Twips::rect(0, 600, ClientWidth, 2760));
    buildSigns(frame);
    buildLayers();

    QPushButton *cmdBack =
        button(this, QStringLiteral("cmdBack"), QStringLiteral("&Back"), {0, 5820, 7095, 465});
    connect(cmdBack, &QPushButton::clicked, this, &frmLoveMatchDisplay::cmdBack_Click);
    QPushButton *cmdExit =
        button(this, QStringLiteral("cmdExit"), QStringLiteral("&Exit"), {7200, 5820, 1215, 465});
    connect(cmdExit, &QPushButton::clicked, this, &frmLoveMatchDisplay::cmdExit_Click);

    // The two offers share one place; the co-branding one, made later, covers the other.
    QFrame *bottom = strip(this, QStringLiteral("Frame5"), {0, 6300, ClientWidth, 975});
    ClickableLabel *fullBrand = Banners::fullBrandLabel(bottom);
    fullBrand->setGeometry(Twips::rect(120, 140, 6105, 615));
    ClickableLabel *coBrand = Banners::coBrandLabel(bottom);
    coBrand->setGeometry(Twips::rect(120, 135, 6105, 615));
    Look::setBackground(coBrand, StripColor);
    for (QLabel *offer : {fullBrand, coBrand})
        Look::setTextColor(offer, Qt::white);

    setMenuBarActions(WindowMenus::build(
        this,
        {{QStringLiteral("mnuFileBack"), QStringLiteral("&Back"), [this] { cmdBack_Click(); }},
         {QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { cmdExit_Click(); }}},
        WindowMenus::UpdateAccessKey::C, QStringLiteral("mnuMakeMoneyOnline")));
}

void frmLoveMatchDisplay::buildSigns(QWidget *frame)
{
    for (int person = 0; person < 2; ++person) {
        lblPersonName[static_cast<std::size_t>(person)] =
            text(frame, QStringLiteral("lblPersonName_%1").arg(person), {},
                 {ColumnLefts[static_cast<std::size_t>(person)], HeaderTop, ColumnWidth, 240}, 9,
                 true, Qt::white);
    }
    text(frame, QStringLiteral("lblAspectHeading"), QStringLiteral("Aspect"),
         {ColumnLefts[2], HeaderTop, ColumnWidth, 240}, 9, true, Qt::white);
    // The value keys of the document, layer by layer: each person's sign, then the aspect.
    constexpr std::array<std::array<std::string_view, 3>, 3> Keys = {{
        {"firstSun", "secondSun", "sunAspect"},
        {"firstVenus", "secondVenus", "venusAspect"},
        {"firstEros", "secondEros", "erosAspect"},
    }};
    for (std::size_t layer = 0; layer < 3; ++layer) {
        const QString name = QLatin1String(LayerNames[layer]);
        QLabel *rowHeading = text(frame, QStringLiteral("lblLayer_%1").arg(layer), name,
                                  {RowHeadingLeft, RowTops[layer], 1560, 240}, 9, true, Blush);
        for (std::size_t column = 0; column < 3; ++column) {
            const QString key = toQString(Keys[layer][column]);
            QLabel *shown = value(frame, QStringLiteral("lbl") + key.front().toUpper() + key.mid(1),
                                  {ColumnLefts[column], RowTops[layer], ColumnWidth, 240},
                                  column == 2 ? Blush : Qt::white);
            shown->setAccessibleDescription(heading(Keys[layer][column]));
            m_signs[layer][column] = shown;
        }
        rowHeading->setBuddy(m_signs[layer][0]);
    }

    const auto pairRow = [&](const char *key, const char *name, int top) {
        QLabel *title = text(frame, QStringLiteral("lbl%1Heading").arg(QLatin1String(name)),
                             heading(key), {RowHeadingLeft, top, 4740, 240}, 8.25, true, Blush);
        QLabel *shown = value(frame, QStringLiteral("lbl%1").arg(QLatin1String(name)),
                              {5040, top, 3200, 240}, Qt::white);
        title->setBuddy(shown);
        return shown;
    };
    lblFirstInPair = pairRow("firstInPair", "FirstInPair", 1620);
    lblSecondInPair = pairRow("secondInPair", "SecondInPair", 1900);

    QLabel *overallHeading = text(frame, QStringLiteral("lblOverallHeading"), heading("overall"),
                                  {RowHeadingLeft, 2200, 1680, 240}, 8.25, true, Blush);
    lblOverall = value(frame, QStringLiteral("lblOverall"), {1920, 2200, 6300, 420}, Qt::white);
    lblOverall->setWordWrap(true);
    lblOverall->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    overallHeading->setBuddy(lblOverall);
}

void frmLoveMatchDisplay::buildLayers()
{
    lblSignNote = noteLabel(this, Twips::rect(240, 3375, ClientWidth - 480, 525), Blush);
    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setAccessibleName(QStringLiteral("Layers"));
    SSTab1->setGeometry(Twips::rect(0, 3900, ClientWidth, 1860));
    constexpr std::array<std::string_view, 3> Keys = {"sunLayer", "venusLayer", "erosLayer"};
    for (std::size_t layer = 0; layer < 3; ++layer) {
        auto *edit = new QPlainTextEdit;
        edit->setObjectName(QStringLiteral("txtLayer_%1").arg(layer));
        edit->setAccessibleName(heading(Keys[layer]));
        edit->setReadOnly(true);
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        edit->setFont(Look::verdana(8.25));
        Look::setBackground(edit, Rose);
        Look::setTextColor(edit, Qt::white);
        edit->verticalScrollBar()->setPalette(edit->style()->standardPalette());
        SSTab1->addTab(edit, heading(Keys[layer]));
        m_layerTexts[layer] = edit;
    }
    SSTab1->setCurrentIndex(0);
}

std::optional<kesto::ReadingDocument> frmLoveMatchDisplay::makeDocument(const BirthData &data) const
{
    if (!data.partner)
        return std::nullopt;
    const std::optional<kesto::LoveMatch> match =
        kesto::loveMatch(data.name.trimmed().toStdString(), data.date(),
                         data.partner->name.trimmed().toStdString(), data.partner->date());
    if (!match)
        return std::nullopt;
    return kesto::loveMatchDocument(*match);
}

void frmLoveMatchDisplay::showDocument(const kesto::ReadingDocument &document, const QPixmap &)
{
    const auto valueOf = [&document](std::string_view key) {
        const kesto::ReadingValue *found = document.value(key);
        return found ? toQString(found->value) : QString();
    };
    const auto textOf = [&document](std::string_view key) {
        const kesto::ReadingText *found = document.text(key);
        return found ? toQString(found->joined()) : QString();
    };
    lblPersonName[0]->setText(toQString(document.name));
    lblPersonName[1]->setText(document.partner ? toQString(document.partner->name) : QString());
    for (const auto &row : m_signs) {
        for (QLabel *label : row) {
            const QString name = label->objectName().mid(3);
            label->setText(valueOf((name.front().toLower() + name.mid(1)).toStdString()));
        }
    }
    lblFirstInPair->setText(valueOf("firstInPair"));
    lblSecondInPair->setText(valueOf("secondInPair"));
    lblOverall->setText(textOf("overall"));
    m_layerTexts[0]->setPlainText(textOf("sunLayer"));
    m_layerTexts[1]->setPlainText(textOf("venusLayer"));
    m_layerTexts[2]->setPlainText(textOf("erosLayer"));

    QStringList notes;
    for (const std::string &note : document.notes)
        notes << toQString(note);
    lblSignNote->setText(notes.join(QLatin1Char(' ')));
    lblSignNote->setAccessibleName(lblSignNote->text());
    lblSignNote->setVisible(!notes.isEmpty());
}

void frmLoveMatchDisplay::cmdBack_Click()
{
    emit backRequested();
}

void frmLoveMatchDisplay::cmdExit_Click()
{
    unload();
}
