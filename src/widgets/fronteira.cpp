#include "fronteira.h"

#include "cursor.h"

#include <QApplication>
#include <QMessageBox>

namespace fronteira {
namespace {

void caixaDeMensagem(const QString &texto) {
    QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationDisplayName(),
                          texto);
}

Relator &relatorAtual() {
    static Relator relator = caixaDeMensagem;
    return relator;
}

} // namespace

Relator definirRelator(Relator relator) {
    return std::exchange(relatorAtual(), std::move(relator));
}

void relatar(const Erro &erro) {
    cursor::normal();
    relatorAtual()(erro.texto());
}

bool Aplicacao::notify(QObject *receptor, QEvent *evento) {
    try {
        return QApplication::notify(receptor, evento);
    } catch (const Erro &erro) {
        relatar(erro);
        return false;
    }
}

} // namespace fronteira
