#pragma once

#include <QDialog>

class QListWidget;

// Ways to support the program: a list of fixed donation amounts and a button that opens the
// donation page. Shown modally over the main window.
class frmDonate : public QDialog
{
    Q_OBJECT

public:
    explicit frmDonate(QWidget *parent = nullptr);

    // The amount of the chosen row, in US dollars; 0 when none is chosen.
    int chosenAmount() const;

    void cmdDonate_Click();
    void cmdClose_Click();

private:
    QListWidget *lstAmounts;
};
