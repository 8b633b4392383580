#include "controles_busca.h"

#include "codigos.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "consulta.h"
#include "controles.h"
#include "fontes.h"
#include "fronteira.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace busca {
namespace {

// Whether the search opened on `consulta` found rows; when none, the notice.
bool achou(const Consulta &consulta) {
    if (!consulta.fimDados())
        return true;
    aviso::prcMostrarAviso(u"Não foi encontrado\rnenhum registro para busca"_s);
    return false;
}

} // namespace

QString dicaFamilia() {
    return u"Clicando-se em cada título é possível acessar as informações da família "
           u"correspondente"_s;
}

QString ajudaCodigos() {
    return u"Para conhecer os códigos das famílias ocupacionais, clique no link \"Informações "
           u"Gerais da ZEL\"."_s;
}

QLabel *legenda(QWidget *pai, const QString &texto, QPoint posicao, bool negrito, bool italico) {
    return rotulos::novo(pai, QString(), texto, posicao,
                         fontes::fonte(u"Verdana"_s, fontes::pt7, negrito, italico), cinza);
}

CaixaBusca caixaBusca(QWidget *pai, QLabel *rotulo, const QString &nome, const QRect &geometria,
                      const QString &dica, const QString &nomeBotao, const QString &acao,
                      QPoint lugarBotao, const std::function<void()> &aoEnter,
                      const std::function<void()> &aoClicar) {
    QLineEdit *caixa =
        controles::caixaComBorda(pai, nome, geometria, fontes::sansSerif(fontes::pt8), rotulo);
    caixa->setToolTip(dica);
    fronteira::conectar(caixa, &QLineEdit::returnPressed, pai, aoEnter);
    BotaoFigura *botao = controles::botaoComSombra(pai, nomeBotao, u"bt_procurar"_s, acao,
                                                   QRect(lugarBotao, QSize(61, 19)));
    fronteira::conectar(botao, &BotaoFigura::clicado, pai, aoClicar);
    return {caixa, botao};
}

bool palavraDigitada(QLineEdit *caixa) {
    if (!caixa->text().isEmpty())
        return true;
    aviso::prcMostrarAviso(u"Digite a palavra para Busca"_s);
    caixa->setFocus();
    return false;
}

bool buscarCodigo(QLineEdit &caixa, Consulta &consulta) {
    const QString invalido = u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou 123466"_s;
    const QString codigo = caixa.text();
    switch (codigos::verificarCodigoBusca(codigo)) {
    case codigos::Falha::Vazio:
        aviso::prcMostrarAviso(u"Digite um código para Busca\rexemplo: 5151 ou 515105"_s);
        caixa.setFocus();
        return false;
    case codigos::Falha::Tamanho:
        aviso::prcMostrarAviso(invalido);
        return false;
    case codigos::Falha::Caractere:
        aviso::prcMostrarAviso(invalido);
        caixa.setFocus();
        return false;
    case codigos::Falha::Nenhuma:
        break;
    }
    const bool familia = codigo.size() == 4;
    // The family query binds the code; the occupation query holds it.
    if (familia)
        abrirConsulta(consulta, fncSqlBuscaCodigoFamilia(), codigo);
    else
        abrirConsulta(consulta, fncSqlBuscaCodigoOcupacao(codigo));
    return achou(consulta);
}

bool buscarTitulo(Consulta &consulta, const QStringList &sql, const QString &palavra) {
    abrirConsulta(consulta, sql, u"%"_s + palavra + u"%"_s);
    return achou(consulta);
}

} // namespace busca
