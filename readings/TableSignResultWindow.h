#pragma once

#include "app/Banners.h"
#include "app/ReadingWindow.h"
#include "app/ReadingWindowId.h"
#include "zodiac/ZodiacSign.h"

#include <QColor>
#include <QRect>

#include <array>
#include <string_view>

class QLabel;

// The result window of the two readings that look one sign up in a table, Zodiac Love Sign and
// Sexual Astrology: a frame with two headings, the sign's name and its description, then Back
// and Exit. Both windows are this one with their own layout, colours and texts.
class TableSignResultWindow : public ReadingWindow
{
    Q_OBJECT

public:
    // How one of the two windows looks. Positions are in twips, relative to the container.
    struct LabelLook
    {
        const char *name;
        const char *caption; // the two value labels start empty
        const char *accessibleName;
        QRect place;
        QColor color;
    };

    struct Layout
    {
        const char *name;
        const char *caption;
        int clientWidth;
        int clientHeight;
        QColor background;
        QRect bannerStrip; // Frame2, holding the forum banner
        QRect offerStrip;  // Frame5, holding the two offers
        Banners::CoBrandSpacing coBrandSpacing;
        const char *frameName;
        const char *frameCaption;
        QRect frame;
        QColor frameBackground;
        QColor frameText;
        qreal frameFontSize;
        bool frameFontBold;
        std::array<LabelLook, 2> headings;
        LabelLook signName;
        LabelLook description;
        QRect back;
        QRect exit;
        bool boldButtons;
        ReadingWindowId input;
        std::string_view (*describe)(kesto::ZodiacSign);
    };

    // Shows the reading in place of the input window. The description changes only when
    // `signName` is one of the twelve names; the name is shown as it is.
    void presentReading(ReadingWindow *input, const QString &signName);

    // Back unloads first, then shows the input window; Exit only unloads.
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    TableSignResultWindow(frmMDI *mdi, const Layout &layout);

    void showDescription(kesto::ZodiacSign sign);

private:
    QLabel *m_signName = nullptr;
    QLabel *m_description = nullptr;
    ReadingWindowId m_input;
    std::string_view (*m_describe)(kesto::ZodiacSign);
};
