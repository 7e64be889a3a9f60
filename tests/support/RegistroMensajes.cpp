#include "tests/support/RegistroMensajes.h"

RegistroMensajes::RegistroMensajes()
{
    m_anterior =
        InstalarManejadorMensajes([this](QWidget *ventana, const QString &texto, const QString &titulo, Icono icono) {
            mensajes.push_back({ventana, texto, titulo, icono});
            if (alMostrar)
                alMostrar(mensajes.back());
        });
}

RegistroMensajes::~RegistroMensajes()
{
    InstalarManejadorMensajes(m_anterior);
}

QStringList RegistroMensajes::textos() const
{
    QStringList lista;
    for (const MensajeMostrado &m : mensajes)
        lista << m.texto;
    return lista;
}

QStringList RegistroMensajes::vistos() const
{
    QStringList lista;
    for (const MensajeMostrado &m : mensajes)
        lista << m.titulo + (m.icono == Icono::Error ? QStringLiteral(" (x): ") : QStringLiteral(": ")) + m.texto;
    return lista;
}
