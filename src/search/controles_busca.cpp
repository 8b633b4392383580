#include "controles_busca.h"

#include "botao_figura.h"
#include "consulta.h"
#include "fontes.h"
#include "fronteira.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

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

QGroupBox *grupoPesquisa(QWidget *tela, const QString &titulo, const QRect &geometria,
                         int pixelsFonte) {
    auto *grupo = new QGroupBox(titulo, tela);
    grupo->setObjectName(u"obj_Grupo_Pesquisa"_s);
    grupo->setFont(fontes::verdana(pixelsFonte, true));
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

CaixaBusca caixaBusca(QWidget *pai, const QString &nome, const QRect &geometria,
                      const QString &dica, const QString &nomeBotao, QPoint lugarBotao,
                      const std::function<void()> &aoEnter, const std::function<void()> &aoClicar) {
    QLineEdit *caixa = caixaTexto(pai, nome, geometria);
    caixa->setToolTip(dica);
    fronteira::conectar(caixa, &QLineEdit::returnPressed, pai, aoEnter);
    auto *botao = new BotaoFigura(pai, u"bt_procurar"_s, QRect(lugarBotao, QSize(61, 19)));
    botao->setObjectName(nomeBotao);
    fronteira::conectar(botao, &BotaoFigura::clicado, pai, aoClicar);
    return {caixa, botao};
}

bool palavraDigitada(QLineEdit *caixa) {
    if (!caixa->text().isEmpty())
        return true;
    prcMostrarAviso(u"Digite a palavra para Busca"_s);
    caixa->setFocus();
    return false;
}

namespace {

// Only the ASCII digits make a code: other scripts' digits are refused too,
// since an occupation code is written into its statement's text.
bool digito(QChar c) {
    return c >= u'0' && c <= u'9';
}

} // namespace

bool buscarCodigo(QLineEdit &caixa, Consulta &consulta) {
    const QString invalido = u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou 123466"_s;
    const QString codigo = caixa.text();
    if (codigo.isEmpty()) {
        prcMostrarAviso(u"Digite um código para Busca\rexemplo: 5151 ou 515105"_s);
        caixa.setFocus();
        return false;
    }
    const bool familia = codigo.size() == 4;
    if (!familia && codigo.size() != 6) {
        prcMostrarAviso(invalido);
        return false;
    }
    if (!std::all_of(codigo.cbegin(), codigo.cend(), digito)) {
        prcMostrarAviso(invalido);
        caixa.setFocus();
        return false;
    }
    // The family query binds the code; the occupation query holds it.
    if (familia)
        abrirConsulta(consulta, fncSqlBuscaCodigoFamilia(), codigo);
    else
        abrirConsulta(consulta, fncSqlBuscaCodigoOcupacao(codigo));
    if (consulta.fimDados()) {
        prcMostrarAviso(u"Não foi encontrado\rnenhum registro para busca"_s);
        return false;
    }
    return true;
}

QString negrito(const QString &texto) {
    return u"<b>"_s + texto + u"</b>"_s;
}

QString italico(const QString &texto) {
    return u"<i>"_s + texto + u"</i>"_s;
}

} // namespace controles
