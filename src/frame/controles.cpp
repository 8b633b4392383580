#include "controles.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "colagem.h"
#include "fontes.h"
#include "rotulos.h"

#include <QGroupBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace controles {

QGroupBox *grupoPesquisa(QWidget *tela, const QString &titulo, const QRect &geometria,
                         int pixelsFonte) {
    auto *grupo = new QGroupBox(titulo, tela);
    grupo->setObjectName(u"obj_Grupo_Pesquisa"_s);
    grupo->setFont(fontes::verdana(pixelsFonte, true));
    grupo->setGeometry(geometria);
    return grupo;
}

QLineEdit *caixaComBorda(QWidget *pai, const QString &nome, const QRect &geometria,
                         const QFont &fonte, QLabel *rotulo, const QString &nomeBorda) {
    auto *borda = new PainelCor(pai, Qt::black, geometria.adjusted(-1, -1, 1, 1));
    borda->setObjectName(nomeBorda);
    auto *caixa = new QLineEdit(pai);
    caixa->setObjectName(nome);
    caixa->setFrame(false);
    caixa->setFont(fonte);
    caixa->setGeometry(geometria);
    colagem::limparColagens(caixa);
    if (rotulo)
        acessivel::nomearPeloRotulo(rotulo, caixa);
    return caixa;
}

QLineEdit *caixaComSombra(QWidget *pai, const QString &nome, const QRect &geometria,
                          const QFont &fonte, QLabel *rotulo, const QString &nomeBorda,
                          const QString &nomeSombra) {
    auto *sombra = new PainelCor(pai, Qt::black,
                                 QRect(geometria.topLeft() + QPoint(6, 3),
                                       QSize(geometria.width() - 2, geometria.height())));
    sombra->setObjectName(nomeSombra);
    return caixaComBorda(pai, nome, geometria, fonte, rotulo, nomeBorda);
}

BotaoFigura *botao(QWidget *pai, const QString &nome, const QString &imagem, const QString &acao,
                   const QRect &geometria) {
    auto *botao = new BotaoFigura(pai, imagem, geometria);
    botao->setObjectName(nome);
    botao->setAccessibleName(acao);
    return botao;
}

BotaoFigura *botaoComSombra(QWidget *pai, const QString &nome, const QString &imagem,
                            const QString &acao, const QRect &geometria) {
    new PainelCor(pai, pai->palette().color(QPalette::Dark), geometria.translated(3, 2));
    return botao(pai, nome, imagem, acao, geometria);
}

} // namespace controles
