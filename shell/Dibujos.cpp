#include "shell/Dibujos.h"

#include "platform/Procesador.h"

#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr double kPi = std::numbers::pi;

// exp(-kInvisible), even brightened 300 times, stays below a fiftieth of a
// step of a colour channel.
constexpr double kInvisible = 10.0;

std::uint8_t Canal(double v)
{
    return static_cast<std::uint8_t>(std::clamp(v, 0.0, 255.0));
}

QRgb Mezcla(const std::array<double, 3> &a, const std::array<double, 3> &b, double t)
{
    return qRgb(Canal(a[0] + (b[0] - a[0]) * t), Canal(a[1] + (b[1] - a[1]) * t), Canal(a[2] + (b[2] - a[2]) * t));
}

// Cheap repeatable noise in [0, 1) from integer coordinates, for the grain of
// the galaxy's arms.
double Ruido(int x, int y)
{
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393U + static_cast<std::uint32_t>(y) * 668265263U;
    h = (h ^ (h >> 13)) * 1274126177U;
    return static_cast<double>((h ^ (h >> 16)) & 0xFFFFU) / 65536.0;
}

// A picture of `ancho` x `alto` pixels drawn at `escala` device pixels per
// pixel.
QImage Lienzo(int ancho, int alto, qreal escala, QImage::Format formato)
{
    QImage imagen(qRound(ancho * escala), qRound(alto * escala), formato);
    imagen.setDevicePixelRatio(escala);
    return imagen;
}

} // namespace

QImage DibujarOndas(qreal escala)
{
    QImage imagen = Lienzo(425, 319, escala, QImage::Format_RGB32);
    // Computed for every device pixel.
    const int kAncho = imagen.width();
    const int kAlto = imagen.height();
    struct Foco {
        double x, y, k, fase, amplitud, alcance;
    };
    // Two drops that fell a moment apart, the older one wider and weaker.
    constexpr std::array<Foco, 2> kFocos{{
        {160.0, 150.0, 0.22, 0.0, 1.0, 170.0},
        {330.0, 95.0, 0.30, 1.3, 0.55, 90.0},
    }};

    std::vector<float> altura(static_cast<std::size_t>(kAncho * kAlto));
    for (int y = 0; y < kAlto; ++y) {
        for (int x = 0; x < kAncho; ++x) {
            float h = 0.0F;
            for (const Foco &f : kFocos) {
                const double dx = x / escala - f.x;
                const double dy = y / escala - f.y;
                // Single precision is plenty for a picture.
                const auto r = static_cast<float>(std::sqrt(dx * dx + dy * dy));
                h += static_cast<float>(f.amplitud) *
                     std::sin(static_cast<float>(f.k) * r - static_cast<float>(f.fase)) *
                     std::exp(-r / static_cast<float>(f.alcance));
            }
            altura[static_cast<std::size_t>(y * kAncho + x)] = h;
        }
    }
    const auto en = [&](int x, int y) {
        return altura[static_cast<std::size_t>(std::clamp(y, 0, kAlto - 1) * kAncho + std::clamp(x, 0, kAncho - 1))];
    };

    const std::array<double, 3> hondo{8, 34, 78};
    const std::array<double, 3> claro{90, 170, 215};
    for (int y = 0; y < kAlto; ++y) {
        auto *fila = reinterpret_cast<QRgb *>(imagen.scanLine(y));
        const double cielo = 0.35 + 0.25 * (1.0 - static_cast<double>(y) / kAlto);
        for (int x = 0; x < kAncho; ++x) {
            // Light from the upper left falls on the slope of the water.
            const double pendiente = escala * ((en(x - 1, y) - en(x + 1, y)) + (en(x, y - 1) - en(x, y + 1)));
            QRgb c = Mezcla(hondo, claro, std::clamp(cielo + 1.6 * pendiente, 0.0, 1.0));
            if (pendiente > 0.18) {
                const double brillo = std::min(1.0, (pendiente - 0.18) * 5.0);
                c = qRgb(Canal(qRed(c) + 150 * brillo), Canal(qGreen(c) + 140 * brillo),
                         Canal(qBlue(c) + 110 * brillo));
            }
            fila[x] = c;
        }
    }
    return imagen;
}

QImage DibujarGalaxia(qreal escala)
{
    // With the AVX state Qt's drawing leaves, the About box opened in 290 ms instead of 10.
    LimpiarRegistrosVectoriales();
    constexpr int kAncho = 800;
    constexpr int kAlto = 600;
    QImage imagen = Lienzo(kAncho, kAlto, escala, QImage::Format_RGB32);
    constexpr double kCx = 400.0;
    constexpr double kCy = 310.0;
    const double giro = -14.0 * kPi / 180.0;
    const double coseno = std::cos(giro);
    const double seno = std::sin(giro);

    // u runs along the disc, v across it; both move by a fixed step from one
    // device pixel to the next.
    const int ancho = imagen.width();
    const int alto = imagen.height();
    const double paso = 1.0 / escala;
    for (int y = 0; y < alto; ++y) {
        auto *fila = reinterpret_cast<QRgb *>(imagen.scanLine(y));
        const double dy = y * paso - kCy;
        double halo = 0.0;
        for (int x = 0; x < ancho; ++x) {
            const double dx = x * paso - kCx;
            const double u = dx * coseno + dy * seno;
            const double v = -dx * seno + dy * coseno;
            // Each term is left out where it has long fallen below what a
            // channel can show: exp() is by far the dearest step here.
            const double ejeDisco = std::abs(u) / 120.0 + (v * v) / (2.0 * 14.0 * 14.0);
            const double disco = ejeDisco < kInvisible ? std::exp(-ejeDisco) * (0.75 + 0.5 * Ruido(x / 2, y / 2)) : 0.0;
            const double radioBulbo = u * u + 2.2 * v * v;
            const double bulbo =
                radioBulbo < (26.0 * kInvisible) * (26.0 * kInvisible) ? std::exp(-std::sqrt(radioBulbo) / 26.0) : 0.0;
            // The faint glow around it changes so slowly that single precision
            // and one value for each pair of device pixels are plenty.
            if (x % 2 == 0) {
                const auto uf = static_cast<float>(u);
                const auto vf = static_cast<float>(v);
                halo = 0.12 * std::exp(-std::sqrt(uf * uf + 9.0F * vf * vf) / 160.0F);
            }
            // The dust lane runs a little off the midplane and hides the disc.
            const double ejePolvo = ((v - 3.0) * (v - 3.0)) / (2.0 * 3.2 * 3.2);
            const double polvo = ejePolvo < kInvisible
                                     ? 1.0 - 0.85 * std::exp(-ejePolvo) * std::min(1.0, std::abs(u) / 30.0 + 0.35)
                                     : 1.0;
            const double d = disco * polvo;
            const double b = bulbo * (0.55 + 0.45 * polvo);
            const double r = 8 + 255 * (0.80 * d + 1.15 * b + halo);
            const double g = 8 + 255 * (0.85 * d + 0.95 * b + halo);
            const double a = 22 + 255 * (1.05 * d + 0.60 * b + 1.2 * halo);
            fila[x] = qRgb(Canal(r), Canal(g), Canal(a));
        }
    }

    // Stars, always the same ones: the generator is seeded with a constant.
    std::mt19937 azar(1998U);
    std::uniform_real_distribution<double> posX(0.0, kAncho);
    std::uniform_real_distribution<double> posY(0.0, kAlto);
    std::uniform_real_distribution<double> unidad(0.0, 1.0);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 900; ++i) {
        const QPointF centro(posX(azar), posY(azar));
        const double brillo = unidad(azar);
        const double tono = unidad(azar);
        const double radio = brillo > 0.97 ? 1.6 : (brillo > 0.8 ? 1.0 : 0.6);
        QColor color =
            tono < 0.15 ? QColor(255, 210, 170) : (tono > 0.85 ? QColor(180, 200, 255) : QColor(255, 255, 255));
        color.setAlphaF(0.35 + 0.65 * brillo);
        p.setBrush(color);
        p.drawEllipse(centro, radio, radio);
    }
    return imagen;
}

QImage DibujarCarta(qreal escala)
{
    QImage imagen = Lienzo(32, 32, escala, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sobre(4.5, 8.5, 23, 16);
    p.setPen(QPen(QColor(110, 80, 0), 1.2));
    p.setBrush(QColor(255, 230, 0));
    p.drawRect(sobre);
    // The flap.
    p.drawLine(sobre.topLeft(), QPointF(16, 18));
    p.drawLine(QPointF(16, 18), sobre.topRight());
    return imagen;
}
