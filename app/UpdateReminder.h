#pragma once

class QWidget;

// At most once every fourteen days, asks whether to look for a newer version.
void RemindOfUpdate(QWidget *parent = nullptr);
