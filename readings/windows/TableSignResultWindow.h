#pragma once

#include "readings/core/Reading.h"
#include "ResultWindow.h"
#include "gui/Banners.h"
#include "zodiac/ZodiacSign.h"

#include <QColor>
#include <QRect>

#include <array>
#include <string_view>

class QLabel;

// The result window of the two readings that look one sign up in a table, Zodiac Love Sign and
// Sexual Astrology: a frame with two headings, the sign's name and its description, then Back
// and Exit. Both windows are this one with their own layout, colours and texts.
class TableSignResultWindow : public ResultWindow
{
    Q_OBJECT

public:
    // How one of the two windows looks. Positions are in twips, relative to the container.
    struct LabelLook
    {
        const char *name;
        const char *caption; // the two value labels start empty
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
        kesto::Reading reading;
    };

    // Shows the sign the reading found last as it is; the description changes only when that
    // is one of the twelve names.
    void fillReading(const BirthData &data, const QPixmap &signPicture) override;

    // Back asks to go back to the input window; Exit only unloads.
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    explicit TableSignResultWindow(const Layout &layout);

    void showDescription(kesto::ZodiacSign sign);

private:
    QLabel *m_signName = nullptr;
    QLabel *m_description = nullptr;
    kesto::Reading m_reading;
};
