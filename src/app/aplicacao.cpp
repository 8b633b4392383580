#include "aplicacao.h"

#include "fontes.h"
#include "navegacao.h"
#include "registro.h"
#include "unit_FormInicial.h"

#include <QApplication>
#include <QStyle>

using namespace Qt::StringLiterals;

namespace aplicacao {

void configurar(QApplication &app) {
    app.setApplicationName(u"zel2002"_s);
    app.setApplicationDisplayName(u"ZEL2000 - Versão Reduzida"_s);
    // The screens are pictures with colours of their own: a desktop's style
    // or colour scheme (a dark one) would put light text on their light
    // artwork and change the controls' sizes. The program keeps one style and
    // its light palette, whatever the desktop's.
    QApplication::setStyle(u"Fusion"_s);
    QApplication::setPalette(QApplication::style()->standardPalette());
    fontes::registrarSubstituicoes();
    app.setFont(fontes::sansSerif(fontes::pt8));
}

void iniciar() {
    registro::criarTelas();
    navegacao::mostrarInicial(obj_Form_FormInicial);
}

} // namespace aplicacao
