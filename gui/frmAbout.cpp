#include "frmAbout.h"

#include "AppInfo.h"
#include "ClickableLabel.h"
#include "Look.h"
#include "Platform.h"
#include "Twips.h"
#include "WebPages.h"

#include <QFrame>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QtMath>

namespace {

// Twelve zodiac glyphs around a heart: the program's emblem.
QPixmap emblem(int side)
{
    QPixmap picture(side, side);
    picture.fill(Qt::black);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(side / 2.0, side / 2.0);
    painter.setPen(QPen(QColor(0, 200, 200), 1.5));
    painter.drawEllipse(centre, side * 0.46, side * 0.46);
    QFont font = Look::verdana(side / 14.0);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 0));
    for (int i = 0; i < 12; ++i) {
        const qreal angle = qDegreesToRadians(90.0 - i * 30.0);
        const QPointF at = centre + QPointF(std::cos(angle), -std::sin(angle)) * side * 0.36;
        const QRectF box(at.x() - side * 0.08, at.y() - side * 0.08, side * 0.16, side * 0.16);
        painter.drawText(box, Qt::AlignCenter, QString(QChar(0x2648 + i)));
    }
    const qreal s = side * 0.36;
    const QPointF origin = centre - QPointF(s / 2, s / 2);
    QPainterPath heart;
    heart.moveTo(origin + QPointF(s / 2, s * 0.9));
    heart.cubicTo(origin + QPointF(0, s * 0.5), origin + QPointF(s * 0.1, 0),
                  origin + QPointF(s / 2, s * 0.25));
    heart.cubicTo(origin + QPointF(s * 0.9, 0), origin + QPointF(s, s * 0.5),
                  origin + QPointF(s / 2, s * 0.9));
    painter.fillPath(heart, QColor(220, 30, 80));
    return picture;
}

QLabel *textLabel(QWidget *parent, const QString &text, const QColor &color, qreal pointSize,
                  bool bold)
{
    auto *label = new QLabel(text, parent);
    label->setWordWrap(true);
    label->setFont(Look::verdana(pointSize, bold));
    Look::setTextColor(label, color);
    label->setAccessibleName(text);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AppInfo::titleWithVersion());
    setModal(true);
    setFont(Look::verdana(8.25));
    Look::setBackground(this, Qt::black);
    setFixedSize(Twips::size(6810, 3870));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(Twips::rect(240, 240, 1440, 1440));
    picture->setPixmap(emblem(picture->width()));

    auto *title = textLabel(this, AppInfo::titleWithVersion(), QColor(0, 255, 255), 12, true);
    title->setObjectName(QStringLiteral("lblTitle"));
    title->setGeometry(Twips::rect(1920, 240, 4650, 330));

    auto *description = textLabel(
        this,
        QStringLiteral("Kesto Astrology Suite is a comprehensive love software that lets you know "
                       "what kind of lover you make. This includes love astrology, sexual "
                       "astrology, romance astrology and zodiac love sign softwares."),
        Qt::white, 8.25, false);
    description->setObjectName(QStringLiteral("lblDescription"));
    description->setGeometry(Twips::rect(1920, 660, 4650, 1020));

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setStyleSheet(QStringLiteral("color: rgb(128, 128, 128);"));
    line->setGeometry(Twips::rect(240, 1800, 6330, 30));

    auto *offer = textLabel(
        this,
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website. "),
        Qt::white, 8.25, false);
    offer->setObjectName(QStringLiteral("lblOffer"));
    offer->setGeometry(Twips::rect(240, 1920, 6330, 480));

    auto *coBrand = new ClickableLabel(QStringLiteral("Click here for more details."), this);
    coBrand->setObjectName(QStringLiteral("lblCoBrand"));
    coBrand->setAccessibleName(coBrand->text());
    coBrand->setFont(Look::verdana(8.25, true, true));
    Look::setTextColor(coBrand, QColor(255, 255, 0));
    coBrand->setGeometry(Twips::rect(240, 2430, 3000, 240));
    connect(coBrand, &ClickableLabel::clicked, this, [] { OpenWebPage(WebPage::FullyBranded); });

    // The maker's site by its address on a server, by its name when the installed pages open.
    // An address may break after any slash (a zero-width space marks the places).
    const QString site = webSiteName();
    QString breakable = site;
    breakable.replace(QLatin1Char('/'), QStringLiteral("/\u200B"));
    auto *homePage = new ClickableLabel(QStringLiteral("Visit us online at ") + breakable, this);
    homePage->setObjectName(QStringLiteral("lblHomePage"));
    homePage->setAccessibleName(QStringLiteral("Visit us online at ") + site);
    homePage->setWordWrap(true);
    homePage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    homePage->setFont(Look::verdana(8.25, true, true));
    Look::setTextColor(homePage, QColor(0, 255, 255));
    homePage->setGeometry(Twips::rect(240, 2760, 6330, 480));
    connect(homePage, &ClickableLabel::clicked, this, [] { OpenWebPage(WebPage::HomePage); });

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setAccessibleName(QStringLiteral("OK"));
    ok->setDefault(true);
    ok->setGeometry(Twips::rect(5280, 3300, 1290, 405));
    connect(ok, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    // The window opens with the focus on OK, before the links that Tab reaches after it.
    ok->setFocus(Qt::OtherFocusReason);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::showModal(QWidget *parent)
{
    frmAbout about(parent ? parent->window() : nullptr);
    // Centred on the screen, whatever window asked.
    const QSize screen(Twips::toPixelsX(Twips::screenWidth()),
                       Twips::toPixelsY(Twips::screenHeight()));
    about.move((screen.width() - about.width()) / 2, (screen.height() - about.height()) / 2);
    about.exec();
}
