#pragma once

#include <QDialog>

class QLabel;

// The congratulations at the end of a puzzle: a trophy and a fanfare. Its
// load plays the sound to the end before the window shows, and stops the
// stopwatch of every puzzle window that is open. Modal, no buttons: the
// player closes it.
class FormFinTabla : public QDialog {
    Q_OBJECT

public:
    explicit FormFinTabla(QWidget *parent = nullptr);

private:
    struct {
        QLabel *Image1 = nullptr;
    } ui;
};
