#include "conversao.h"

#include "acessivel.h"
#include "botao_figura.h"
#include "consulta.h"
#include "controles.h"
#include "fontes.h"
#include "navegacao.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaTabua.h"
#include "unit_global.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace conversao {
namespace {

// Drop-down lists keep the height they have on the forms.
constexpr int alturaLista = 21;

} // namespace

QString escolha(const QComboBox *lista) {
    return lista->currentIndex() < 0 ? QString() : lista->itemText(lista->currentIndex());
}

bool exigirEscolha(QComboBox *lista, const QString &aviso) {
    if (lista->currentIndex() >= 0)
        return true;
    aviso::prcMostrarAviso(aviso);
    lista->setFocus();
    return false;
}

void substituirEntradas(QComboBox *lista, const QStringList &entradas) {
    lista->clear();
    lista->addItems(entradas);
    lista->setCurrentIndex(-1);
}

void converter(TelaPrincipal *origem, Consulta &consulta, const Conversao &conversao,
               QStringView tag, const QString &avisoVazio) {
    tabua::abrirConversao(consulta, conversao, fncCaminhoDados());
    if (consulta.fimDados()) {
        aviso::prcMostrarAviso(avisoVazio);
        return;
    }
    navegacao::irPara(origem, obj_Form_FormRespostaTabua,
                      [tag] { obj_Form_FormRespostaTabua->strOrigem = tag.toString(); });
}

ConfiguracaoPaginador configuracaoPaginador(int linhasPorPagina, int topo, int topoSetas) {
    // Page label k stands 32 pixels right of label k - 1, with its separator
    // 20 pixels right of label k - 1, which leaves room for two digits.
    ConfiguracaoPaginador c;
    c.linhasPorPagina = linhasPorPagina;
    c.paginasPorBloco = 10;
    c.paginas = {66, topo};
    c.topo = topo;
    c.esquerdaMenos = 123;
    c.esquerdaPrimeiro = 134;
    ConfiguracaoPaginador::LugaresFixos lugares;
    for (int k = 2; k <= c.paginasPorBloco; ++k) {
        const int anterior = c.esquerdaPrimeiro + 32 * (k - 2);
        lugares.separadores.push_back(anterior + 20);
        lugares.rotulos.push_back(anterior + 32);
    }
    lugares.mais = lugares.rotulos.back() + 20;
    c.lugaresFixos = lugares;
    c.setaAnterior = {591, topoSetas};
    c.setaProxima = {623, topoSetas};
    return c;
}

void escreverCabecalho(QLabel *cabecalho, QLabel *total, const QString &texto, int n) {
    cabecalho->setText(texto);
    cabecalho->adjustSize();
    total->setText(u"("_s + QString::number(n) + u")"_s);
    total->adjustSize();
    total->move(cabecalho->x() + cabecalho->width() + 5, cabecalho->y());
}

QComboBox *lista(QWidget *pai, const QString &nome, QPoint posicao, int largura,
                 const QStringList &entradas, QLabel *rotulo) {
    auto *l = new QComboBox(pai);
    l->setObjectName(nome);
    if (rotulo)
        acessivel::nomearPeloRotulo(rotulo, l);
    l->setGeometry(QRect(posicao, QSize(largura, alturaLista)));
    substituirEntradas(l, entradas);
    return l;
}

QLineEdit *caixaDeEntrada(QWidget *pai, const QString &nome, const QRect &geometria,
                          const QString &nomeBorda, const QString &nomeSombra, QLabel *rotulo) {
    QLineEdit *caixa =
        controles::caixaComSombra(pai, nome, geometria, pai->font(), rotulo, nomeBorda, nomeSombra);
    caixa->setToolTip(
        u"digite aqui um código da ZEL e clique no botão ao lado para fazer uma busca"_s);
    return caixa;
}

void faixaEntreDivisorias(QWidget *pai, const QString &nome, const QString &imagem,
                          const QRect &geometria) {
    auto *acima = new Figura(pai, u"divisoria"_s,
                             QRect(geometria.left(), geometria.top() - 1, geometria.width(), 1));
    acima->setObjectName(nome + u"_Divisoria"_s);
    auto *faixa = new Figura(pai, imagem, geometria);
    faixa->setObjectName(nome);
    auto *abaixo = new Figura(
        pai, u"divisoria"_s, QRect(geometria.left(), geometria.bottom() + 1, geometria.width(), 1));
    abaixo->setObjectName(nome + u"_Divisoria2"_s);
}

QGroupBox *grupoPesquisa(QWidget *pai, const QString &titulo, int topo, const QStringList &passos) {
    QGroupBox *grupo = controles::grupoPesquisa(pai, titulo, QRect(16, topo, 681, 289));
    faixaEntreDivisorias(grupo, u"obj_Img_FundoTabela"_s, u"fundo_tabela"_s,
                         QRect(18, 25, 644, 75));
    for (int i = 0; i < passos.size(); ++i)
        rotulos::novo(grupo, u"obj_Lb_Tabua_Texto"_s + QString::number(i + 3), passos[i],
                      QPoint(26, 200 + 16 * i), fontes::verdana(fontes::pt8), corAjuda);
    return grupo;
}

BotaoFigura *botaoOk(QWidget *pai, const QString &nome, QPoint posicao) {
    return controles::botao(pai, nome, u"bt_ok"_s, u"Ok"_s, QRect(posicao, QSize(26, 17)));
}

BotaoFigura *botaoVoltar(QWidget *pai, QPoint posicao) {
    auto *botao = new BotaoFigura(pai, u"bt_voltar"_s, QRect(posicao, QSize(36, 18)));
    botao->setObjectName(u"obj_bt_voltar"_s);
    botao->setToolTip(u"Voltar"_s);
    return botao;
}

} // namespace conversao
