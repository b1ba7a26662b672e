#include "frmDonate.h"

#include "AppInfo.h"
#include "Look.h"
#include "Twips.h"
#include "WebPages.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>

frmDonate::frmDonate(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmDonate"));
    setWindowTitle(QStringLiteral("Support Kesto Astrology Suite"));
    setModal(true);
    setFont(Look::verdana(8.25));
    Look::setBackground(this, Qt::black);
    Look::setTextColor(this, Qt::white);
    setFixedSize(Twips::size(5400, 3990));

    auto *intro = new QLabel(
        QStringLiteral("Kesto Astrology Suite is free. If its readings brought you a smile, a "
                       "donation keeps it growing and pays for the forum. Pick an amount and "
                       "press Donate Now: the donation page opens in your browser."),
        this);
    intro->setObjectName(QStringLiteral("lblIntro"));
    intro->setWordWrap(true);
    intro->setFont(Look::verdana(8.25, true));
    Look::setTextColor(intro, QColor(0, 255, 255));
    intro->setGeometry(Twips::rect(240, 180, 4920, 900));

    lstAmounts = new QListWidget(this);
    lstAmounts->setObjectName(QStringLiteral("lstAmounts"));
    lstAmounts->setAccessibleName(QStringLiteral("Donation amounts"));
    lstAmounts->addItems({QStringLiteral("US$ 5 - a thank-you"),
                          QStringLiteral("US$ 10 - a month of forum hosting"),
                          QStringLiteral("US$ 25 - a new reading in the next version"),
                          QStringLiteral("US$ 50 - a patron of the stars")});
    lstAmounts->setCurrentRow(0);
    QPalette list = lstAmounts->palette();
    list.setColor(QPalette::Base, Qt::white);
    list.setColor(QPalette::Text, Qt::black);
    lstAmounts->setPalette(list);
    lstAmounts->setGeometry(Twips::rect(240, 1200, 4920, 1800));

    auto *donate = new QPushButton(QStringLiteral("&Donate Now"), this);
    donate->setObjectName(QStringLiteral("cmdDonate"));
    donate->setAccessibleName(QStringLiteral("Donate Now"));
    donate->setDefault(true);
    donate->setGeometry(Twips::rect(240, 3240, 2280, 495));
    connect(donate, &QPushButton::clicked, this, &frmDonate::cmdDonate_Click);

    auto *close = new QPushButton(QStringLiteral("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setAccessibleName(QStringLiteral("Close"));
    close->setGeometry(Twips::rect(2880, 3240, 2280, 495));
    connect(close, &QPushButton::clicked, this, &frmDonate::cmdClose_Click);
}

void frmDonate::cmdDonate_Click()
{
    OpenWebPage(WebPage::Donate);
}

void frmDonate::cmdClose_Click()
{
    reject();
}
