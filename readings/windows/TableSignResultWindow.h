#pragma once

#include "ResultWindow.h"
#include "gui/Banners.h"
#include "readings/core/Reading.h"
#include "zodiac/ZodiacSign.h"

#include <QColor>
#include <QRect>

#include <array>
#include <string_view>

class QLabel;

// The result window of the two readings that look one sign up in a table, Zodiac Love Sign and
// Sexual Astrology: a frame with two headings, the sign's name and its description, then Back
// and Exit. Both windows are this one with their own layout and colours; the headings and texts
// come from the reading's description and document.
class TableSignResultWindow : public ResultWindow
{
    Q_OBJECT

public:
    // How one of the two windows looks. Positions are in twips, relative to the container.
    struct LabelLook
    {
        const char *name;
        QRect place;
        QColor color;
    };

    struct Layout
    {
        kesto::Reading reading;
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
        LabelLook intro;    // the reading's line above the sign
        LabelLook placedIn; // the sign's heading
        LabelLook signName;
        LabelLook description;
        LabelLook note; // the line under or beside the sign
        Qt::Alignment noteAlignment;
        QRect back;
        QRect exit;
        bool boldButtons;
    };

    // Back asks to go back to the input window; Exit only unloads.
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    explicit TableSignResultWindow(const Layout &layout);

    void showDescription(kesto::ZodiacSign sign);
    void showDocument(const kesto::ReadingDocument &document, const QPixmap &signPicture) override;
    // The sign text is shown as it is and the description stays.
    void showUnknownSign(const QString &signText) override;

private:
    void showDescriptionOf(const kesto::ReadingDocument &document);

    QLabel *m_signName = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_note = nullptr;
};
