#pragma once

#include "ResultWindow.h"
#include "readings/core/Reading.h"

#include <QColor>

#include <array>

class ClickableLabel;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// The result window of the two sun-sign readings, Love and Romance Astrology: the sign's card
// on the first tab, the reading's profile on the second. The reading fills it before showing it;
// its headings and values come from the reading's description and document.
class SunSignResultWindow : public ResultWindow
{
    Q_OBJECT

public:
    struct Box
    {
        int left;
        int top;
        int width;
        int height;
    };

    // What the two windows do not share; positions and sizes in twips.
    struct Layout
    {
        const char *caption;
        kesto::Reading reading; // whose profile the second tab shows
        int clientHeight;
        int tabHeight;
        const char *profileTab;
        Box profileHeadingBox;
        Box profileBox;
        // The six rows: sign, Element, Birthstone, Lucky Number, Lucky Day, Compatibility.
        std::array<int, 6> headingTops;
        std::array<int, 6> valueTops;
        Box noteBox;     // the line under the sign, between the sign's row and the next
        Box positiveBox; // each trait box has its heading just above it
        Box negativeBox;
        int footerTop;
        int footerHeight;
        int backTop;
        int fullBrandTop;
        int coBrandTop;
        QColor band; // header, footer, text boxes, promotional labels
        QColor headingText;
        QColor profileHeadingText;
        QColor valueText;
        QColor signText;
    };

    // Sets every value from the document in the reading's order: the sign, its five
    // attributes, the two trait texts, the picture and the profile.
    void FillSunSignResult(const kesto::ReadingDocument &document, const QPixmap &signPicture);

    void cmdBack_Click();
    void mnuBack_Click();
    void mnuExit_Click();

protected:
    explicit SunSignResultWindow(const Layout &layout);

    void showDocument(const kesto::ReadingDocument &document, const QPixmap &signPicture) override;
    // A sign named by no text leaves the window as it is.
    void showUnknownSign(const QString &) override { }

private:
    void buildTabKeys();
    void buildHeader();
    void buildCard(QWidget *page);
    void buildProfile(QWidget *page);
    void buildFooter();
    QLabel *heading(QWidget *page, const QString &name, const QString &caption, int left, int top,
                    const QColor &color, qreal pointSize = 8.25);
    QLabel *valueLabel(QWidget *page, const QString &name, int top, int width, int height);
    QPlainTextEdit *textBox(QWidget *page, const QString &name, const QString &meaning,
                            const Box &box);

    struct CardRow
    {
        const char *heading;
        const char *value;
        std::string_view key;
        QLabel *SunSignResultWindow::*label;
    };
    static const std::array<CardRow, 6> CardRows;

    const Layout &m_layout;

    ClickableLabel *Label61 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QLabel *lblSunSign = nullptr;
    QLabel *lblSunSignElement = nullptr;
    QLabel *lblSunSignBirthStone = nullptr;
    QLabel *lblSunSignNumber = nullptr;
    QLabel *lblSunSignDay = nullptr;
    QLabel *lblSunSignCompatibility = nullptr;
    QPlainTextEdit *txtSunSignPositiveTraits = nullptr;
    QPlainTextEdit *txtSunSignNegativeTraits = nullptr;
    QLabel *picSunSign = nullptr;
    QLabel *lblSignNote = nullptr;
    QPlainTextEdit *txtLoveProfile = nullptr;
    ClickableLabel *lblFullBrand = nullptr;
    ClickableLabel *lblCobrand = nullptr;
    QPushButton *cmdBack = nullptr;
};
