#pragma once

#include <QDialog>

class QLabel;

// The congratulations at the end of a puzzle: a trophy and a fanfare. Its
// load starts the sound; the window shows, and the stopwatch of every puzzle
// window that is open stops, once the sound has ended. Modal, no buttons: the
// player closes it.
class FormFinTabla : public QDialog {
    Q_OBJECT

public:
    explicit FormFinTabla(QWidget *parent = nullptr);

    // A show() while the fanfare plays waits for its end.
    void setVisible(bool visible) override;

private:
    void FinDelSonido();

    bool m_sonando = true;
    bool m_mostrar = false;
    struct {
        QLabel *Image1 = nullptr;
    } ui;
};
