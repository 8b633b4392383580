#pragma once

#include "erro.h"

#include <QApplication>
#include <QObject>
#include <QString>
#include <functional>

// The error boundary. Handlers do not catch the errors of the database engine
// or of the HTML viewer: such an error ends the handler, and the boundary
// reports its text (a message box titled with the application's title) and
// restores the normal cursor; the event loop then goes on. Every handler that
// Qt calls, through a connection or an event, runs inside `executar`, so no
// exception ever crosses Qt's own code.
namespace fronteira {

using Relator = std::function<void(const QString &texto)>;

// Replaces the way errors are reported (tests record them instead of showing
// a message box). Returns the previous one.
Relator definirRelator(Relator relator);

void relatar(const Erro &erro);

template <class Funcao> void executar(Funcao &&funcao) {
    try {
        funcao();
    } catch (const Erro &erro) {
        relatar(erro);
    }
}

// The program's application object: Qt's, with the boundary as a last
// resort. An error that leaves a handler Qt calls through the event loop
// (an event handler, or a slot connected without `conectar`) is reported
// as the boundary reports it, the event counts as not handled, and the
// event loop goes on.
class Aplicacao : public QApplication {
public:
    using QApplication::QApplication;
    bool notify(QObject *receptor, QEvent *evento) override;
};

// QObject::connect with the slot run inside the boundary.
template <class Emissor, class Sinal, class Funcao>
QMetaObject::Connection conectar(const Emissor *emissor, Sinal sinal, const QObject *contexto,
                                 Funcao funcao) {
    return QObject::connect(emissor, sinal, contexto, [funcao](auto &&...argumentos) {
        executar([&] { funcao(argumentos...); });
    });
}

} // namespace fronteira
