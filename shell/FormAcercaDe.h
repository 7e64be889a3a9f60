#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>

class QLabel;
class QTimer;

// The About box: product name, version and credit over a galaxy, with a
// small atom whose electrons go round while it is open. Modal, no buttons.
class FormAcercaDe : public QDialog {
    Q_OBJECT

public:
    explicit FormAcercaDe(QWidget *parent = nullptr);

    static constexpr int kPaso = 150; // ms between frames

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    void crearControles();
    void conectar();

    void Timer2_Timer();

    struct {
        QLabel *Label1 = nullptr;
        QLabel *Label2 = nullptr;
        QLabel *Label3 = nullptr;
        std::array<QLabel *, 10> Imagenes{}; // Image1..Image10
        QLabel *Image11 = nullptr;
        QLabel *Shape1 = nullptr;
        QTimer *Timer2 = nullptr;
    } ui;

    QPixmap m_galaxia;
    int m_fotograma = 0; // the frame the next tick shows, 0..9
};
