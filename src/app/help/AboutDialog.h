#pragma once

#include <QDialog>

/// Help > About: the program's name, version, purpose and licence, the licence text to read.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent);
};
