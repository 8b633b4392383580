#include "controles_busca.h"

#include "botao_figura.h"
#include "consulta.h"
#include "fontes.h"
#include "unit_global.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace controles {

QString dicaFamilia() {
    return u"Clicando-se em cada título é possível acessar as informações da família "
           u"correspondente"_s;
}

QString ajudaCodigos() {
    return u"Para conhecer os códigos das famílias ocupacionais, clique no link \"Informações "
           u"Gerais da ZEL\"."_s;
}

QGroupBox *grupoPesquisa(QWidget *tela, const QString &titulo, const QRect &geometria) {
    auto *grupo = new QGroupBox(titulo, tela);
    grupo->setObjectName(u"obj_Grupo_Pesquisa"_s);
    grupo->setFont(fontes::verdana(fontes::pt8, true));
    grupo->setGeometry(geometria);
    return grupo;
}

QLabel *rotulo(QWidget *pai, const QString &texto, QPoint posicao, const QFont &fonte,
               const QColor &cor) {
    auto *r = new QLabel(texto, pai);
    r->setFont(fonte);
    QPalette paleta = r->palette();
    paleta.setColor(QPalette::WindowText, cor);
    r->setPalette(paleta);
    r->move(posicao);
    r->adjustSize();
    return r;
}

QLabel *legenda(QWidget *pai, const QString &texto, QPoint posicao, bool negrito, bool italico) {
    return rotulo(pai, texto, posicao, fontes::fonte(u"Verdana"_s, fontes::pt7, negrito, italico),
                  cinza);
}

QLineEdit *caixaTexto(QWidget *pai, const QString &nome, const QRect &geometria) {
    new PainelCor(pai, Qt::black, geometria.adjusted(-1, -1, 1, 1));
    auto *caixa = new QLineEdit(pai);
    caixa->setObjectName(nome);
    caixa->setFrame(false);
    caixa->setFont(fontes::sansSerif(fontes::pt8));
    caixa->setGeometry(geometria);
    return caixa;
}

BotaoFigura *botaoComSombra(QWidget *pai, const QString &nome, const QString &imagem,
                            const QRect &geometria) {
    new PainelCor(pai, pai->palette().color(QPalette::Dark), geometria.translated(3, 2));
    auto *botao = new BotaoFigura(pai, imagem, geometria);
    botao->setObjectName(nome);
    return botao;
}

void abrir(Consulta &consulta, const QStringList &sql, const std::optional<QString> &busca) {
    consulta.definirSql(sql);
    consulta.definirBanco(fncCaminhoDados());
    consulta.fechar();
    if (busca)
        consulta.definirBusca(*busca);
    consulta.abrir();
}

QString negrito(const QString &texto) {
    return u"<b>"_s + texto + u"</b>"_s;
}

QString italico(const QString &texto) {
    return u"<i>"_s + texto + u"</i>"_s;
}

} // namespace controles
