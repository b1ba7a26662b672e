#pragma once

#include "gui/ReadingWindowId.h"
#include "readings/windows/ResultWindow.h"

#include <array>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

// The result window of Love Match: both people's Sun, Venus and Eros signs side by side with
// the aspect between them, whether each sun sign is in the other's compatible pair, one line
// over all three, then a tab a layer with its text.
class frmLoveMatchDisplay : public ResultWindow
{
    Q_OBJECT

public:
    static constexpr ReadingWindowId Id = ReadingWindowId::LoveMatchDisplay;

    frmLoveMatchDisplay();

    void cmdBack_Click();
    void cmdExit_Click();

protected:
    std::optional<kesto::ReadingDocument> makeDocument(const BirthData &data) const override;
    void showDocument(const kesto::ReadingDocument &document, const QPixmap &signPicture) override;
    void showUnknownSign(const QString &) override { }

private:
    void buildSigns(QWidget *frame);
    void buildLayers();

    // The people's names over their columns.
    std::array<QLabel *, 2> lblPersonName {};
    // By layer (Sun, Venus, Eros): each person's sign and the aspect between them.
    std::array<std::array<QLabel *, 3>, 3> m_signs {};
    QLabel *lblFirstInPair = nullptr;
    QLabel *lblSecondInPair = nullptr;
    QLabel *lblOverall = nullptr;
    QLabel *lblSignNote = nullptr;
    QTabWidget *SSTab1 = nullptr;
    std::array<QPlainTextEdit *, 3> m_layerTexts {};
};
