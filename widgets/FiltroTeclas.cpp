#include "widgets/FiltroTeclas.h"

#include "widgets/Mensajes.h"
#include "widgets/TextosNumericos.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSet>
#include <QValidator>

namespace {

const QString &TextoDeAviso(Calculos::Veredicto aviso)
{
    static const QString coma = QStringLiteral("Utilice la coma para separar los decimales.");
    static const QString caracter = QStringLiteral("Carácter no válido.");
    return aviso == Calculos::Veredicto::AvisoComa ? coma : caracter;
}

class FiltroCaja : public QValidator {
public:
    FiltroCaja(QLineEdit *caja, Calculos::TipoFiltro tipo, std::optional<Tope> tope)
        : QValidator(caja), m_caja(caja), m_tipo(tipo), m_tope(std::move(tope)), m_anterior(caja->text())
    {
        // Read from the box: a slot may have written it again before this
        // signal's text arrives.
        connect(caja, &QLineEdit::textChanged, this, [this] { m_anterior = m_caja->text(); });
        caja->setValidator(this);
        caja->installEventFilter(this);
    }

    // Every result counts as acceptable: a box may hold "-" or "," while it
    // is being typed, and Enter must still reach the window.
    State validate(QString &texto, int &pos) const override
    {
        // Text the program wrote leaves the box unmodified; undo and redo
        // leave something to redo. Both are states the box has had.
        if (!m_caja->isModified() || m_caja->isRedoAvailable())
            return Acceptable;
        const QString tecla = std::exchange(m_tecla, QString());

        // What was inserted ends at the caret; the text after it was there
        // before.
        const qsizetype cola = texto.size() - pos;
        const qsizetype tope = std::min<qsizetype>(pos, m_anterior.size() - cola);
        if (tope < 0)
            return Acceptable;
        qsizetype inicio = 0;
        while (inicio < tope && texto[inicio] == m_anterior[inicio])
            ++inicio;
        const QString insertado = texto.mid(inicio, pos - inicio);

        // A key the filter has already judged is not judged again.
        if (!insertado.isEmpty() && insertado != tecla) {
            const Calculos::TextoFiltrado filtrado = Calculos::FiltrarTexto(m_tipo, insertado.toStdString());
            // Nothing left of it: as with a refused key, the text (and any
            // selection it would have replaced) stays as it was.
            if (filtrado.texto.empty())
                return Invalid;
            const QString queda = QString::fromStdString(filtrado.texto);
            texto.replace(inicio, insertado.size(), queda);
            pos = static_cast<int>(inicio + queda.size());
            for (const Calculos::Veredicto aviso : filtrado.avisos)
                AvisarLuego(TextoDeAviso(aviso));
        }
        if (m_tope && Recortar(texto, pos)) {
            AvisarLuego(m_tope->mensaje);
            if (texto == m_anterior)
                return Invalid;
        }
        return Acceptable;
    }

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override
    {
        if (objeto != m_caja || evento->type() != QEvent::KeyPress)
            return false;
        auto *tecla = static_cast<QKeyEvent *>(evento);
        m_tecla.clear();
        // Shortcuts (copy, paste, undo) are not typing; their edits are
        // judged when they land.
        if (tecla->modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
            return false;
        switch (Calculos::JuzgarTecla(m_tipo, tecla->text().toStdString())) {
        case Calculos::Veredicto::Pasa:
            m_tecla = tecla->text();
            return false;
        case Calculos::Veredicto::Descarta:
            return true;
        case Calculos::Veredicto::Coma:
            TeclearComa(*tecla);
            return true;
        case Calculos::Veredicto::AvisoComa:
            MostrarError(m_caja, TextoDeAviso(Calculos::Veredicto::AvisoComa));
            break;
        case Calculos::Veredicto::AvisoCaracter:
            MostrarError(m_caja, TextoDeAviso(Calculos::Veredicto::AvisoCaracter));
            break;
        }
        // After its message the character still enters.
        m_tecla = tecla->text();
        return false;
    }

private:
    // Shown once the edit is over: a modal box in the middle of Qt's own edit
    // (or of a drop) would run an event loop inside it. A message already
    // waiting is not queued again: the repeats of a held key come before it
    // shows, and the user is told once.
    void AvisarLuego(const QString &texto) const
    {
        if (m_pendientes.contains(texto))
            return;
        m_pendientes.insert(texto);
        QPointer<QLineEdit> destino(m_caja);
        QMetaObject::invokeMethod(
            m_caja,
            [this, destino, texto] {
                if (destino == nullptr)
                    return;
                m_pendientes.remove(texto);
                MostrarError(destino, texto);
            },
            Qt::QueuedConnection);
    }

    // The box gets a comma keystroke of its own, so it lands where the dot
    // was typed and the caret moves past it.
    void TeclearComa(const QKeyEvent &original)
    {
        QKeyEvent coma(QEvent::KeyPress, Qt::Key_Comma, Qt::NoModifier, QStringLiteral(","), original.isAutoRepeat());
        m_tecla = coma.text();
        static_cast<QObject *>(m_caja)->event(&coma);
        m_tecla.clear();
    }

    // Takes back the characters before the caret (the last ones when it is
    // at the start), the last first, while the value is past the top. True
    // when it took any.
    bool Recortar(QString &texto, int &pos) const
    {
        bool recortado = false;
        for (;;) {
            const auto valor = NumeroDeTexto(texto);
            if (!valor || *valor <= m_tope->maximo)
                return recortado;
            if (pos > 0)
                texto.remove(--pos, 1);
            else
                texto.chop(1);
            recortado = true;
        }
    }

    QLineEdit *m_caja;
    Calculos::TipoFiltro m_tipo;
    std::optional<Tope> m_tope;
    QString m_anterior;
    // The text of the key being typed, which the filter has judged already.
    mutable QString m_tecla;
    mutable QSet<QString> m_pendientes;
};

} // namespace

void InstalarFiltro(QLineEdit *caja, Calculos::TipoFiltro tipo, std::optional<Tope> tope)
{
    new FiltroCaja(caja, tipo, std::move(tope));
}
