#include "frmDonate.h"

#include "gui/AppInfo.h"
#include "gui/Look.h"
#include "gui/Twips.h"
#include "gui/WebPages.h"

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
    const std::pair<int, const char *> amounts[] = {
        {5, "US$ 5 - a thank-you"},
        {10, "US$ 10 - a month of forum hosting"},
        {25, "US$ 25 - a new reading in the next version"},
        {50, "US$ 50 - a patron of the stars"},
    };
    for (const auto &[dollars, caption] : amounts) {
        auto *item = new QListWidgetItem(QLatin1String(caption), lstAmounts);
        item->setData(Qt::UserRole, dollars);
    }
    lstAmounts->setCurrentRow(0);
    // A double click on an amount is the same as choosing it and pressing Donate Now. (Enter
    // already presses Donate Now, the default button.)
    connect(lstAmounts, &QListWidget::itemDoubleClicked, this, &frmDonate::cmdDonate_Click);
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

int frmDonate::chosenAmount() const
{
    const QListWidgetItem *item = lstAmounts->currentItem();
    return item ? item->data(Qt::UserRole).toInt() : 0;
}

void frmDonate::cmdDonate_Click()
{
    // The donation page is opened for the amount chosen.
    QUrlQuery details;
    if (const int amount = chosenAmount(); amount > 0)
        details.addQueryItem(QStringLiteral("amount"), QString::number(amount));
    OpenWebPage(WebPage::Donate, details);
}

void frmDonate::cmdClose_Click()
{
    reject();
}
