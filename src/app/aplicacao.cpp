#include "aplicacao.h"

#include "fontes.h"
#include "imagens.h"
#include "navegacao.h"
#include "registro.h"
#include "unit_FormInicial.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QStyle>
#include <QTranslator>

using namespace Qt::StringLiterals;

namespace aplicacao {

void configurar(QApplication &app) {
    app.setApplicationName(u"zel2002"_s);
    app.setApplicationDisplayName(u"ZEL2000 - Versão Reduzida"_s);
    // Taskbars and window switchers show the program's icon, and match its
    // windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(u"zel2002"_s);
    QApplication::setWindowIcon(imagens::pixmap(u"icone"_s));
    // The screens are pictures with colours of their own: a desktop's style
    // or colour scheme (a dark one) would put light text on their light
    // artwork and change the controls' sizes. The program keeps one style and
    // its light palette, whatever the desktop's.
    QApplication::setStyle(u"Fusion"_s);
    QApplication::setPalette(QApplication::style()->standardPalette());
    // Qt's own texts (the text boxes' and the pages' context menus, the names
    // of keys) in Portuguese as the rest of the program, whatever the user's
    // locale: the translation installed with Qt. Without it they stay in
    // English.
    auto *traducao = new QTranslator(&app);
    if (traducao->load(QLocale(QLocale::Portuguese, QLocale::Brazil), u"qtbase"_s, u"_"_s,
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(traducao);
    fontes::registrarSubstituicoes();
    app.setFont(fontes::sansSerif(fontes::pt8));
}

void iniciar() {
    registro::criarTelas();
    navegacao::mostrarInicial(obj_Form_FormInicial);
}

} // namespace aplicacao
