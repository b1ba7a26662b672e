#pragma once

#include "readings/core/BirthDataRules.h"

#include <QLineEdit>

// A name field: takes letters, raised to upper case, and blanks. Any other typed character is
// refused with a message; text pasted or dropped in is cleaned the same way, with one message.
class NameField : public QLineEdit
{
    Q_OBJECT

public:
    NameField(kesto::Reading reading, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The character codes a key press types into the field, each to go through the key filter;
    // none for keys that only move or delete.
    static QList<int> typedCharacters(const QKeyEvent *event);
    void cleanEditedText(const QString &text);
    void refuse();

    kesto::Reading m_reading;
};
