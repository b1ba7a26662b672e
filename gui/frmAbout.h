#pragma once

#include <QDialog>

// What the program is, shown modally over the window that asked for it.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    // Shows the window centred on the screen and returns when the user has closed it.
    static void showModal(QWidget *parent);

    void cmdOK_Click();
};
