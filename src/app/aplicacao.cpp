#include "aplicacao.h"

#include "fontes.h"
#include "navegacao.h"
#include "registro.h"
#include "unit_FormInicial.h"

#include <QApplication>

using namespace Qt::StringLiterals;

namespace aplicacao {

void configurar(QApplication &app) {
    app.setApplicationName(u"zel2002"_s);
    app.setApplicationDisplayName(u"ZEL2000 - Versão Reduzida"_s);
    fontes::registrarSubstituicoes();
    app.setFont(fontes::sansSerif(fontes::pt8));
}

void iniciar() {
    registro::criarTelas();
    navegacao::mostrarInicial(obj_Form_FormInicial);
}

} // namespace aplicacao
