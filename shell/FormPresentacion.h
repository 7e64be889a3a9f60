#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QTimer;

// The start-up window: the product name over ripples on water, in an oval,
// for 1.4 seconds; then it opens the periodic table and goes away.
class FormPresentacion : public QWidget {
    Q_OBJECT

public:
    explicit FormPresentacion(QWidget *parent = nullptr);

    static constexpr int kEspera = 1400; // ms

protected:
    bool event(QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void Form_Activate();
    void Timer1_Timer();

    struct {
        QLabel *Label1 = nullptr;
        QTimer *Timer1 = nullptr;
    } ui;

    QPixmap m_ondas;
};
