#include "frmMDI.h"

#include "frmDonate.h"
#include "gui/AppInfo.h"
#include "gui/ClickableLabel.h"
#include "gui/EnterKey.h"
#include "gui/Look.h"
#include "gui/ReadingWindow.h"
#include "gui/Twips.h"
#include "gui/WebPages.h"
#include "gui/WindowMenus.h"
#include "input/frmLoveAstrologyMain.h"
#include "input/frmLoveMatchMain.h"
#include "input/frmRomanceAstrologyMain.h"
#include "input/frmSexualAstrologyMain.h"
#include "input/frmZodiacLoveSignMain.h"
#include "readings/eros/windows/frmSexualAstrologyDisplay.h"
#include "readings/love/windows/frmLoveAstrologyDisplay.h"
#include "readings/lovesign/windows/frmZodiacLoveSignDisplay.h"
#include "readings/match/windows/frmLoveMatchDisplay.h"
#include "readings/romance/windows/frmRomanceAstrologyDisplay.h"
#include "readings/windows/ResultWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

// Design sizes, in twips.
constexpr int BannerStripHeight = 560;
constexpr int ButtonStripHeight = 900;
constexpr int WelcomePanelHeight = 8640;
constexpr int OfferStripHeight = 735;

const QColor Lavender(192, 192, 255);

struct ReadingButton
{
    const char *caption;
    int left;
    ReadingWindowId input;
};

// By index; from left to right the strip reads Love, Sexual, Romance, Zodiac.
constexpr std::array<ReadingButton, 4> ReadingButtons = {{
    {"Love Astrology", 840, ReadingWindowId::LoveAstrologyMain},
    {"Romance Astrology", 6120, ReadingWindowId::RomanceAstrologyMain},
    {"Sexual Astrology", 3480, ReadingWindowId::SexualAstrologyMain},
    {"Zodiac Love Sign", 8760, ReadingWindowId::ZodiacLoveSignMain},
}};

struct WelcomeCaption
{
    const char *text;
    QColor color;
    qreal pointSize;
    int top;
    int width;
    int height;
};

// clang-format off
const std::array<WelcomeCaption, 8> WelcomeCaptions = {{
    {"Welcome to Kesto Astrology Suite", QColor(0, 255, 255), 12, 240, 4815, 270},
    {"Welcome to Kesto Astrology Suite! This wonderful suite of softwares aims to make your love "
     "life as fresh as ever. Take a look at each of them and have great fun!",
     QColor(255, 0, 0), 8.25, 840, 8535, 465},
    {"Kesto Astrology Suite includes the following programs", QColor(0, 255, 255), 12, 1920, 7440, 270},
    {"Love Astrology", QColor(255, 255, 0), 12, 2760, 1950, 270},
    {"Romance Astrology", QColor(255, 0, 255), 12, 4080, 2550, 270},
    {"Sexual Astrology", QColor(0, 255, 0), 12, 3480, 2205, 270},
    {"Zodiac Love Sign", QColor(255, 0, 0), 12, 4800, 2190, 270},
    // Beyond the four readings of the strip, under them: the reading for two people.
    {"Love Match", QColor(255, 165, 0), 12, 5520, 1650, 270},
}};
// clang-format on

// The two windows of each reading, in the readings' order.
struct ReadingWindows
{
    kesto::Reading reading;
    BirthDataWindow *(*makeInput)();
    ResultWindow *(*makeResult)();
};

template<class Window>
BirthDataWindow *input()
{
    return new Window;
}

template<class Window>
ResultWindow *result()
{
    return new Window;
}

using enum kesto::Reading;
// clang-format off
constexpr std::array<ReadingWindows, 5> ReadingWindowsOf = {{
    {LoveAstrology,    input<frmLoveAstrologyMain>,    result<frmLoveAstrologyDisplay>},
    {RomanceAstrology, input<frmRomanceAstrologyMain>, result<frmRomanceAstrologyDisplay>},
    {SexualAstrology,  input<frmSexualAstrologyMain>,  result<frmSexualAstrologyDisplay>},
    {ZodiacLoveSign,   input<frmZodiacLoveSignMain>,   result<frmZodiacLoveSignDisplay>},
    {LoveMatch,        input<frmLoveMatchMain>,        result<frmLoveMatchDisplay>},
}};
// clang-format on

constexpr bool windowsInReadingOrder()
{
    for (std::size_t i = 0; i < ReadingWindowsOf.size(); ++i) {
        if (static_cast<std::size_t>(ReadingWindowsOf[i].reading) != i)
            return false;
    }
    return true;
}
static_assert(windowsInReadingOrder());

// Labels 3 to 6 open a reading, like buttons 0, 1, 2 and 3 in that order; label 7 opens Love
// Match.
std::optional<ReadingWindowId> readingOfCaption(int index)
{
    switch (index) {
    case 3:
        return ReadingWindowId::LoveAstrologyMain;
    case 4:
        return ReadingWindowId::RomanceAstrologyMain;
    case 5:
        return ReadingWindowId::SexualAstrologyMain;
    case 6:
        return ReadingWindowId::ZodiacLoveSignMain;
    case 7:
        return ReadingWindowId::LoveMatchMain;
    default:
        return std::nullopt;
    }
}

// The reading button of the reading a window belongs to.
// The strip's button of the reading a window belongs to; none for Love Match, which the welcome
// panel's eighth caption opens.
std::optional<int> readingButtonOf(ReadingWindowId id)
{
    switch (id) {
    case ReadingWindowId::LoveAstrologyDisplay:
    case ReadingWindowId::LoveAstrologyMain:
        return 0;
    case ReadingWindowId::RomanceAstrologyDisplay:
    case ReadingWindowId::RomanceAstrologyMain:
        return 1;
    case ReadingWindowId::SexualAstrologyDisplay:
    case ReadingWindowId::SexualAstrologyMain:
        return 2;
    case ReadingWindowId::ZodiacLoveSignDisplay:
    case ReadingWindowId::ZodiacLoveSignMain:
        return 3;
    case ReadingWindowId::LoveMatchDisplay:
    case ReadingWindowId::LoveMatchMain:
        break;
    }
    return std::nullopt;
}

QWidget *panel(QWidget *parent, const QString &name, int heightTwips)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(name);
    widget->setFixedHeight(Twips::toPixelsY(heightTwips));
    return widget;
}

// The welcome panel has its design height where the window leaves room for it and gives way on
// a short screen, so that the bottom strip stays in sight; it never grows past the design.
QWidget *shrinkingPanel(QWidget *parent, const QString &name, int heightTwips)
{
    auto *widget = new QWidget(parent);
    widget->setObjectName(name);
    const int height = Twips::toPixelsY(heightTwips);
    auto *room = new QVBoxLayout(widget);
    room->setContentsMargins(0, 0, 0, 0);
    room->addSpacerItem(new QSpacerItem(0, height, QSizePolicy::Minimum, QSizePolicy::Preferred));
    widget->setMaximumHeight(height);
    widget->resize(widget->width(), height);
    return widget;
}

// The access key a control's caption gives it, or an empty sequence.
QKeySequence accessKey(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        return QKeySequence::mnemonic(button->text());
    if (const auto *label = qobject_cast<const QLabel *>(control))
        return label->buddy() ? QKeySequence::mnemonic(label->text()) : QKeySequence();
    return {};
}

void name(QWidget *widget, const QString &objectName, const QString &accessibleName)
{
    widget->setObjectName(objectName);
    widget->setAccessibleName(accessibleName);
}

} // namespace

frmMDI::frmMDI(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(AppInfo::titleWithVersion());
    setFont(Look::verdana(8.25));
    buildPanels();
    m_navigator = new ReadingNavigator(
        m_mdiArea, [this](ReadingWindowId id) { return createWindow(id); }, this);
    connect(m_navigator, &ReadingNavigator::welcomePanelWanted, this,
            &frmMDI::setWelcomePanelVisible);
    connect(m_navigator, &ReadingNavigator::activeWindowChanged, this, &frmMDI::updateMenuBar);
    connect(m_navigator, &ReadingNavigator::windowUnloaded, this, &frmMDI::focusReadingButtonAfter);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { scrollIntoView(now); });
    m_ownMenuBar = WindowMenus::build(
        this,
        {{QStringLiteral("mnuLoveMatch"), QStringLiteral("Love &Match"),
          [this] { m_navigator->openInput(ReadingWindowId::LoveMatchMain); }},
         {QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { cmdMdiExit_Click(); }}},
        WindowMenus::UpdateAccessKey::U, QStringLiteral("mkmoney"));
    MDIForm_Load();
    updateMenuBar();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, [this] { updateMenuBar(); });
}

frmMDI::~frmMDI()
{
    // The child windows go with the area; neither they nor the area may call back into a
    // half-destroyed window.
    disconnect(m_mdiArea, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
    m_navigator->disconnect(this);
}

void frmMDI::buildPanels()
{
    auto *central = new QWidget(this);
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    Picture6 = panel(central, QStringLiteral("Picture6"), BannerStripHeight);
    Look::setBackground(Picture6, Lavender);
    Picture6->setCursor(Qt::PointingHandCursor);
    Picture6->installEventFilter(this);
    Picture6->setAccessibleName(QStringLiteral("Forum banner"));
    lblVelmoraBanner = new ClickableLabel(
        QStringLiteral("Share your readings and talk love and the stars at the Kesto Astrology "
                       "Forum. Visit the forum's web site today!"),
        Picture6);
    name(lblVelmoraBanner, QStringLiteral("lblVelmoraBanner"), lblVelmoraBanner->text());
    lblVelmoraBanner->setFont(Look::verdana(9, true));
    lblVelmoraBanner->setAlignment(Qt::AlignCenter);
    lblVelmoraBanner->setWordWrap(true);
    connect(lblVelmoraBanner, &ClickableLabel::clicked, this,
            [] { OpenWebPage(WebPage::HomePage); });

    Picture1 = panel(central, QStringLiteral("Picture1"), ButtonStripHeight);
    picButtonContainer = new QFrame(Picture1);
    picButtonContainer->setObjectName(QStringLiteral("picButtonContainer"));
    picButtonContainer->setFrameShape(QFrame::StyledPanel);
    for (int i = 0; i < 4; ++i) {
        const ReadingButton &design = ReadingButtons[static_cast<std::size_t>(i)];
        auto *button = new QPushButton(QLatin1String(design.caption), picButtonContainer);
        name(button, QStringLiteral("cmdSelectOption_%1").arg(i), button->text());
        button->setFont(Look::verdana(8.25, true));
        button->setGeometry(Twips::rect(design.left, 188, 1890, 495));
        Look::growToFit(button, true);
        QPalette grey = button->palette();
        grey.setColor(QPalette::Button, QColor(192, 192, 192));
        button->setPalette(grey);
        connect(button, &QPushButton::clicked, this, [this, i] { cmdSelectOption_Click(i); });
        cmdSelectOption[static_cast<std::size_t>(i)] = button;

        auto *picture = new QLabel(picButtonContainer);
        picture->setObjectName(QStringLiteral("picDecoration_%1").arg(i));
        picture->setPixmap(Look::heart(Twips::toPixelsY(375)));
        picture->setGeometry(Twips::rect(design.left - 480, 248, 400, 375));
    }

    picMain = shrinkingPanel(central, QStringLiteral("picMain"), WelcomePanelHeight);
    Look::setBackground(picMain, Qt::black);
    picMain->setMouseTracking(true);
    picMain->installEventFilter(this);
    for (int i = 0; i < int(lblCaption.size()); ++i) {
        const WelcomeCaption &design = WelcomeCaptions[static_cast<std::size_t>(i)];
        // Labels 0 to 2 open nothing: to assistive technology they are text, not links.
        auto *label = new ClickableLabel(QLatin1String(design.text), picMain,
                                         readingOfCaption(i) ? ClickableLabel::Kind::Link
                                                             : ClickableLabel::Kind::Plain);
        name(label, QStringLiteral("lblCaption_%1").arg(i), label->text());
        label->setFont(Look::verdana(design.pointSize, true));
        Look::setTextColor(label, design.color);
        label->setWordWrap(i == 1); // the one caption of two lines
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setMouseTracking(true);
        label->installEventFilter(this);
        connect(label, &ClickableLabel::clicked, this, [this, i] { lblCaption_Click(i); });
        // The reading buttons above already take the keyboard to each of their readings; Love
        // Match has no button, so its caption takes the focus itself.
        if (readingOfCaption(i) != ReadingWindowId::LoveMatchMain)
            label->setFocusPolicy(Qt::NoFocus);
        lblCaption[static_cast<std::size_t>(i)] = label;
    }
    // The caption is longer than the button is wide: it wraps onto a second line, on a label
    // that lets the clicks through to the button.
    const QString donateCaption =
        QStringLiteral("Click Here For Number Of Forum  Post or Donation Amount Details.");
    cmdMDIDonate = new QPushButton(picMain);
    name(cmdMDIDonate, QStringLiteral("cmdMDIDonate"), donateCaption);
    auto *donateText = new QLabel(donateCaption, cmdMDIDonate);
    donateText->setObjectName(QStringLiteral("cmdMDIDonate_caption"));
    donateText->setFont(Look::verdana(8.25, true));
    donateText->setWordWrap(true);
    donateText->setAlignment(Qt::AlignCenter);
    donateText->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto *donateLayout = new QVBoxLayout(cmdMDIDonate);
    donateLayout->setContentsMargins(6, 2, 6, 2);
    donateLayout->addWidget(donateText);
    connect(cmdMDIDonate, &QPushButton::clicked, this, &frmMDI::cmdMDIDonate_Click);

    m_mdiArea = new QMdiArea(central);
    m_mdiArea->setObjectName(QStringLiteral("mdiArea"));
    m_mdiArea->setBackground(Qt::black);
    // A reading window taller or wider than the room between the strips can be scrolled to.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    m_mdiArea->setMinimumSize(0, 0);

    PicCoBrand = panel(central, QStringLiteral("PicCoBrand"), OfferStripHeight);
    Look::setBackground(PicCoBrand, Lavender);
    cmdMdiExit = new QPushButton(QStringLiteral("&Exit"), PicCoBrand);
    name(cmdMdiExit, QStringLiteral("cmdMdiExit"), QStringLiteral("Exit"));
    connect(cmdMdiExit, &QPushButton::clicked, this, &frmMDI::cmdMdiExit_Click);
    Label7 = new ClickableLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. Click "
                       "here for more details."),
        PicCoBrand);
    name(Label7, QStringLiteral("Label7"), Label7->text());
    Label7->setWordWrap(true);
    Label7->setFont(Look::verdana(8.25, true));
    connect(Label7, &ClickableLabel::clicked, this, [] { OpenWebPage(WebPage::FullyBranded); });

    column->addWidget(Picture6);
    column->addWidget(Picture1);
    column->addWidget(picMain);
    column->addWidget(m_mdiArea, 1);
    column->addWidget(PicCoBrand);
    setCentralWidget(central);
    chainFocus();
}

void frmMDI::chainFocus()
{
    // Tab follows the strip from left to right, not the index order, then the buttons below it
    // and the two links; the window opens with the focus on the first reading button.
    const QList<QWidget *> chain = {cmdSelectOption[0], cmdSelectOption[2], cmdSelectOption[1],
                                    cmdSelectOption[3], lblCaption[7],      cmdMDIDonate,
                                    cmdMdiExit,         lblVelmoraBanner,   Label7};
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void frmMDI::MDIForm_Load()
{
    placeControls();
}

int frmMDI::layoutWidth() const
{
    const bool whole =
        !isVisible() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    return whole ? Twips::screenWidth() : Twips::fromPixelsX(width());
}

int frmMDI::layoutHeight() const
{
    const bool whole =
        !isVisible() || (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
    return whole ? Twips::screenHeight() : Twips::fromPixelsY(height());
}

void frmMDI::placeControls()
{
    // Left edges follow the screen, as the window opens maximized; a smaller window takes its own
    // width in the same formulas, so that nothing lies outside it.
    const int screenWidth = layoutWidth();
    auto centredLeft = [screenWidth](int width) { return (screenWidth - width) / 2; };

    const int bannerWidth = std::min(11400, screenWidth - 240);
    lblVelmoraBanner->setGeometry(Twips::rect(centredLeft(bannerWidth), 60, bannerWidth, 440));
    picButtonContainer->setGeometry(Twips::rect(centredLeft(10935), 50, 10935, 800));
    for (int i = 0; i < int(lblCaption.size()); ++i) {
        const WelcomeCaption &design = WelcomeCaptions[static_cast<std::size_t>(i)];
        QLabel *label = lblCaption[static_cast<std::size_t>(i)];
        // A caption is never clipped: where the font runs wider than the design allowed, the
        // label grows, still centred on the screen.
        int width = design.width;
        int height = design.height;
        if (label->wordWrap()) {
            height = std::max(height,
                              Twips::fromPixelsY(label->heightForWidth(Twips::toPixelsX(width))));
        } else {
            width = std::max(width, Twips::fromPixelsX(label->sizeHint().width()));
        }
        label->setGeometry(Twips::rect(centredLeft(width), design.top, width, height));
    }
    cmdMdiExit->setGeometry(Twips::rect(screenWidth - (1335 + 120), 120, 1335, 495));
    Label7->setGeometry(Twips::rect(120, 60, std::max(0, screenWidth - 1335 - 480), 615));

    placeDonateButton();
    for (int id = 0; id < ReadingWindowCount; ++id) {
        if (ReadingWindow *window = loadedWindow(static_cast<ReadingWindowId>(id)))
            CenterReadingWindow(window);
    }
}

void frmMDI::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeControls();
}

void frmMDI::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placeControls();
}

void frmMDI::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange)
        placeControls();
}

void frmMDI::placeDonateButton()
{
    // The donate button sits a fixed distance above the bottom of the screen. On a screen taller
    // than the panel leaves room for, that would put it below the panel, out of sight: it then
    // sits at the panel's foot instead, and so it does where a short screen shrank the panel.
    const int donateWidth = 4095;
    const int donateHeight = 735;
    int panelHeight = WelcomePanelHeight;
    if (picMain->isVisible())
        panelHeight = std::min(panelHeight, Twips::fromPixelsY(picMain->height()));
    const int lowestTop = std::max(0, panelHeight - donateHeight - 120);
    const int donateTop =
        std::min(layoutHeight() - (donateHeight + OfferStripHeight + 2700), lowestTop);
    cmdMDIDonate->setGeometry(
        Twips::rect(layoutWidth() - (donateWidth + 160), donateTop, donateWidth, donateHeight));
}

ReadingWindow *frmMDI::createWindow(ReadingWindowId id)
{
    const ReadingWindows &windows = ReadingWindowsOf[static_cast<std::size_t>(readingOf(id))];
    if (isInputWindow(id))
        return wireInput(windows.makeInput());
    return wireResult(windows.makeResult());
}

// Next of an input window: its result window is filled while still hidden (created on first
// touch), then shown in the input window's place.
ReadingWindow *frmMDI::wireInput(BirthDataWindow *input)
{
    connect(input, &BirthDataWindow::accepted, this,
            [this, input](const BirthData &data, const QPixmap &signPicture) {
                auto *window = static_cast<ResultWindow *>(
                    m_navigator->window(resultWindowOf(input->reading())));
                window->fillReading(data, signPicture);
                m_navigator->presentResult(input, window);
            });
    return input;
}

ReadingWindow *frmMDI::wireResult(ResultWindow *result)
{
    connect(result, &ResultWindow::backRequested, this,
            [this, id = resultWindowOf(result->reading())] { m_navigator->goBack(id); });
    return result;
}

void frmMDI::CloseReadingWindows()
{
    m_navigator->closeAll();
}

void frmMDI::CenterReadingWindow(ReadingWindow *window)
{
    m_navigator->center(window);
}

void frmMDI::setWelcomePanelVisible(bool visible)
{
    picMain->setVisible(visible);
    // The area of the reading windows takes or gives up the panel's room at once, before a
    // window is placed in it or scrolled.
    centralWidget()->layout()->activate();
}

bool frmMDI::isWelcomePanelVisible() const
{
    return !picMain->isHidden();
}

void frmMDI::yieldAccessKeys()
{
    // Qt sees the reading windows' controls in the main window: a key that two controls carry
    // would only move the focus between them, and a second press could end the program. While a
    // reading window shows, the keys of its controls are its own.
    QList<QKeySequence> taken; // a handful of keys: a list does
    for (QMdiSubWindow *frame : m_mdiArea->subWindowList()) {
        if (!frame->isVisible() || !frame->widget())
            continue;
        for (QWidget *control : frame->widget()->findChildren<QWidget *>()) {
            const QKeySequence key = accessKey(control);
            if (!key.isEmpty() && control->isVisibleTo(frame))
                taken << key;
        }
    }
    for (QAbstractButton *button : centralWidget()->findChildren<QAbstractButton *>()) {
        if (m_mdiArea->isAncestorOf(button))
            continue;
        const QKeySequence own = QKeySequence::mnemonic(button->text());
        const QKeySequence wanted = taken.contains(own) ? QKeySequence() : own;
        if (button->shortcut() != wanted)
            button->setShortcut(wanted);
    }
}

void frmMDI::updateMenuBar()
{
    yieldAccessKeys();
    QList<QAction *> wanted = m_ownMenuBar;
    if (QMdiSubWindow *active = m_mdiArea->activeSubWindow()) {
        auto *window = qobject_cast<ReadingWindow *>(active->widget());
        if (window && active->isVisible() && !window->menuBarActions().isEmpty())
            wanted = window->menuBarActions();
    }
    QMenuBar *bar = menuBar();
    if (bar->actions() == wanted)
        return;
    for (QAction *action : bar->actions())
        bar->removeAction(action);
    bar->addActions(wanted);
}

void frmMDI::cmdSelectOption_Click(int index)
{
    if (index < 0 || index >= static_cast<int>(ReadingButtons.size()))
        return;
    m_navigator->openInput(ReadingButtons[static_cast<std::size_t>(index)].input);
}

void frmMDI::lblCaption_Click(int index)
{
    const std::optional<ReadingWindowId> input = readingOfCaption(index);
    if (!input) {
        CloseReadingWindows();
        return;
    }
    m_navigator->openInput(*input);
}

void frmMDI::lblCaption_MouseMove(int index)
{
    if (readingOfCaption(index)) {
        QLabel *label = lblCaption[static_cast<std::size_t>(index)];
        QFont font = label->font();
        if (!font.underline()) {
            font.setUnderline(true);
            label->setFont(font);
        }
    }
}

void frmMDI::picMain_MouseMove()
{
    for (QLabel *label : lblCaption) {
        QFont font = label->font();
        if (font.underline()) {
            font.setUnderline(false);
            label->setFont(font);
        }
    }
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove) {
        if (watched == picMain) {
            picMain_MouseMove();
        } else {
            for (int i = 0; i < int(lblCaption.size()); ++i) {
                if (watched == lblCaption[static_cast<std::size_t>(i)])
                    lblCaption_MouseMove(i);
            }
        }
    } else if (event->type() == QEvent::Resize && watched == picMain) {
        placeDonateButton();
    } else if (watched == Picture6
               && (event->type() == QEvent::MouseButtonPress
                   || event->type() == QEvent::MouseButtonDblClick
                   || event->type() == QEvent::MouseButtonRelease)) {
        if (m_bannerClick.take(Picture6, static_cast<QMouseEvent *>(event)))
            OpenWebPage(WebPage::HomePage);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::keyPressEvent(QKeyEvent *event)
{
    if (EnterKey::pressed(event) && EnterKey::clickFocusedButton(this)) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void frmMDI::focusReadingButtonAfter(ReadingWindowId closed)
{
    const std::optional<int> index = readingButtonOf(closed);
    QWidget *button = index
        ? static_cast<QWidget *>(cmdSelectOption[static_cast<std::size_t>(*index)])
        : lblCaption[7];
    QMetaObject::invokeMethod(
        this,
        [this, button] {
            if (m_closing || !isVisible())
                return;
            for (QMdiSubWindow *frame : m_mdiArea->subWindowList()) {
                if (frame->isVisible())
                    return; // the window shown in its place has the focus
            }
            button->setFocus(Qt::OtherFocusReason);
        },
        Qt::QueuedConnection);
}

void frmMDI::scrollIntoView(QWidget *focus)
{
    QWidget *viewport = m_mdiArea->viewport();
    // A window being hidden hands the focus on inside itself: nothing to show there.
    if (!focus || !focus->isVisible() || !viewport->isAncestorOf(focus))
        return;
    const QRect place(focus->mapTo(viewport, QPoint(0, 0)), focus->size());
    const QRect room = viewport->rect();
    if (room.isEmpty())
        return;
    // The least move that shows the control; where it is larger than the room, its top left.
    const auto shift = [](int low, int high, int roomLow, int roomHigh) {
        int by = std::max(0, high - roomHigh);
        if (low - by < roomLow)
            by = low - roomLow;
        return by;
    };
    if (const int dx = shift(place.left(), place.right(), room.left(), room.right()))
        m_mdiArea->horizontalScrollBar()->setValue(m_mdiArea->horizontalScrollBar()->value() + dx);
    if (const int dy = shift(place.top(), place.bottom(), room.top(), room.bottom()))
        m_mdiArea->verticalScrollBar()->setValue(m_mdiArea->verticalScrollBar()->value() + dy);
}

void frmMDI::cmdMDIDonate_Click()
{
    frmDonate donate(this);
    donate.exec();
}

void frmMDI::cmdMdiExit_Click()
{
    close();
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    if (!m_closing) {
        m_closing = true;
        CloseReadingWindows();
        event->accept();
        CloseAllWindowsAndEnd();
        return;
    }
    event->accept();
}

void frmMDI::CloseAllWindowsAndEnd()
{
    // Whatever else is still open (a message or the About window) closes with the program.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->close();
    }
    QCoreApplication::quit();
}
