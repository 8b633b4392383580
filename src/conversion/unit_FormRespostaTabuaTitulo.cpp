#include "unit_FormRespostaTabuaTitulo.h"

#include "botao_figura.h"
#include "cursor.h"
#include "elisao.h"
#include "fontes.h"
#include "fronteira.h"
#include "paginador.h"
#include "rotulos.h"
#include "unit_FormTabuaTitulo.h"
#include "unit_global.h"

#include <QComboBox>
#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaTabuaTitulo *obj_Form_FormRespostaTabuaTitulo = nullptr;

namespace {

using Tela = Tobj_Form_FormRespostaTabuaTitulo;

// Tops of the title label, the target list and the OK button of each row;
// the band of an even row shares the top of its list.
constexpr int topoTitulo[Tela::linhas] = {146, 169, 192, 215, 238, 261, 284, 306};
constexpr int topoLista[Tela::linhas] = {141, 164, 187, 210, 233, 256, 279, 302};
constexpr int topoOk[Tela::linhas] = {143, 166, 189, 212, 235, 258, 281, 304};

const QColor corLegenda(128, 128, 128);
// Room kept between a title and its row's target list.
constexpr int afastamentoDaLista = 6;

// The header names what the base lists.
QString cabecalho(const QString &base) {
    if (base == baseZel94)
        return u"Ocupações encontradas na busca da base ZEL94"_s;
    if (base == baseCiuo88)
        return u"Famílias encontradas na busca da base CIUO88"_s;
    if (base == baseZel2002)
        return u"Títulos encontrados na busca da base ZEL2002"_s;
    return QString();
}

QString tituloCortado(const QString &titulo) {
    if (titulo.size() > Tela::tamanhoTitulo)
        return titulo.left(Tela::tamanhoTitulo) + u"..."_s;
    return titulo;
}

} // namespace

ConfiguracaoPaginador Tobj_Form_FormRespostaTabuaTitulo::configuracaoPaginador() {
    return conversao::configuracaoPaginador(linhas, 329, 329);
}

Tobj_Form_FormRespostaTabuaTitulo::Tobj_Form_FormRespostaTabuaTitulo()
    : TelaPrincipal(IdTela::FormRespostaTabuaTitulo,
                    {.regra = Moldura::Regra::C,
                     .posicaoAoMostrar = true,
                     .tagBuscaRapida = u"rapidaRespostaTabuaTitulo"_s}) {
    setObjectName(u"obj_Form_FormRespostaTabuaTitulo"_s);
    const QFont titulo = fontes::verdana(fontes::pt10, true);
    obj_Lb_BemVindo = rotulos::novo(this, u"obj_Lb_BemVindo"_s, u"Tipos de Conversão de Família"_s,
                                    QPoint(12, 74), titulo);
    obj_Lb_Total_Encontrados =
        rotulos::novo(this, u"obj_Lb_Total_Encontrados"_s, QString(), QPoint(34, 108), titulo);
    obj_Lb_Total = rotulos::novo(this, u"obj_Lb_Total"_s, QString(), QPoint(34, 108), titulo);
    for (QLabel *rotulo : {obj_Lb_BemVindo, obj_Lb_Total_Encontrados, obj_Lb_Total})
        rotulos::tornarSelecionavel(rotulo);
    criarLinhas();
    criarLegendas();
    // No grid: a page is the eight rows of controls.
    paginador = new Paginador(this, configuracaoPaginador(), [this] { prcAlimentaGrid(); });
    obj_bt_voltar = conversao::botaoVoltar(this, QPoint(664, 349));
    fronteira::conectar(obj_bt_voltar, &BotaoFigura::clicado, this,
                        [this] { prcVoltarParaTabua(); });
}

// The bands first, so that the rows' controls lie above them; every row
// starts hidden.
void Tobj_Form_FormRespostaTabuaTitulo::criarLinhas() {
    for (int i = 1; i < linhas; i += 2) {
        auto *faixa = new Figura(this, u"faixa_titulos"_s, QRect(33, topoLista[i], 643, 23));
        faixa->setObjectName(u"obj_Bg_Titulos"_s + QString::number(i + 1));
        faixa->hide();
        linhasTitulos[i].obj_Bg_Titulos = faixa;
    }
    for (int i = 0; i < linhas; ++i) {
        const QString n = QString::number(i + 1);
        Linha &linha = linhasTitulos[i];
        linha.obj_Lb_Titulo = rotulos::novo(this, u"obj_Lb_Titulo"_s + n, QString(),
                                            QPoint(56, topoTitulo[i]), fontes::verdana(11));
        linha.obj_Combo_De = conversao::lista(this, u"obj_Combo_De"_s + n,
                                              QPoint(512, topoLista[i]), 105, {}, nullptr);
        linha.obj_Bt_Ok = conversao::botaoOk(this, u"obj_Bt_Ok"_s + n, QPoint(630, topoOk[i]));
        fronteira::conectar(linha.obj_Bt_Ok, &BotaoFigura::clicado, this,
                            [this, i] { obj_Bt_OkClick(i + 1); });
        linha.obj_Lb_Titulo->hide();
        linha.obj_Combo_De->hide();
        linha.obj_Bt_Ok->hide();
    }
}

void Tobj_Form_FormRespostaTabuaTitulo::criarLegendas() {
    const QFont legenda = fontes::verdana(9);
    rotulos::novo(this, u"obj_Lb_Legenda_Familia"_s, u"CAIXA ALTA = Família"_s, QPoint(33, 348),
                  legenda, corLegenda);
    rotulos::novo(this, u"obj_Lb_Legenda_Negrito"_s, u"Negrito"_s, QPoint(213, 348),
                  fontes::verdana(9, true), corLegenda);
    rotulos::novo(this, u"obj_Lb_Legenda_Ocupacao"_s, u"= Ocupação"_s, QPoint(254, 348), legenda,
                  corLegenda);
    rotulos::novo(this, u"obj_Lb_Legenda_Italico"_s, u"Itálico"_s, QPoint(380, 348),
                  fontes::fonte(u"Verdana"_s, 9, false, true), corLegenda);
    rotulos::novo(this, u"obj_Lb_Legenda_Sinonimo"_s, u"= Sinônimo"_s, QPoint(414, 348), legenda,
                  corLegenda);
    rotulos::novo(this, u"obj_Lb_Ajuda"_s,
                  u". Selecione uma das famílias, ocupações ou sinônimos listados acima;"_s,
                  QPoint(34, 376), fontes::verdana(11), conversao::corAjuda);
    rotulos::novo(this, u"obj_Lb_Ajuda2"_s,
                  u". Escolha uma das bases disponíveis para conversão e clique no botão \"OK\"."_s,
                  QPoint(34, 392), fontes::verdana(11), conversao::corAjuda);
}

void Tobj_Form_FormRespostaTabuaTitulo::telaAtivada() {
    prcAlimentaGrid();
}

void Tobj_Form_FormRespostaTabuaTitulo::prcRestaurarJanela() {
    aplicarRegraPosicao();
    paginador->reiniciar();
}

// The page of the title list of the conversion by title. Each row offers the
// bases its title converts to, none chosen; a synonym is listed but cannot
// be converted from here.
void Tobj_Form_FormRespostaTabuaTitulo::prcAlimentaGrid() {
    limparLDescricao();
    const cursor::Ocupado ocupado;
    const QString base = conversao::escolha(obj_Form_FormTabuaTitulo->obj_Combo_De);
    if (!base.isEmpty())
        strBaseDe = base;
    Consulta &titulos = obj_Form_FormTabuaTitulo->obj_DB_QUERY_TabuaTitulo;
    const int total = titulos.totalLinhas();
    conversao::escreverCabecalho(obj_Lb_Total_Encontrados, obj_Lb_Total, cabecalho(strBaseDe),
                                 total);
    titulos.primeiro();
    titulos.moverPor(paginador->dispor(total));
    int mostradas = 0;
    for (int i = 0; i < linhas; ++i) {
        Linha &linha = linhasTitulos[i];
        linha.obj_Lb_Titulo->setFont(fontes::verdana(11));
        linha.obj_Combo_De->setCurrentIndex(-1);
        strCodigoLinha[i].clear();
        if (titulos.fimDados()) {
            linha.obj_Lb_Titulo->hide();
            linha.obj_Combo_De->hide();
            linha.obj_Bt_Ok->hide();
            continue;
        }
        mostrarTitulo(linha, titulos);
        strCodigoLinha[i] = titulos.campo(u"codigo"_s);
        titulos.proximo();
        ++mostradas;
    }
    for (int i = 0; i < linhas; ++i)
        if (Figura *faixa = linhasTitulos[i].obj_Bg_Titulos)
            faixa->setVisible(i < mostradas);
    titulos.primeiro();
}

// Title in bold for an occupation ("O"), in italics for a synonym ("S").
void Tobj_Form_FormRespostaTabuaTitulo::mostrarTitulo(Linha &linha, const Consulta &registro) {
    const QString tipo = registro.campo(u"tipo"_s);
    QFont fonte = linha.obj_Lb_Titulo->font();
    fonte.setBold(tipo == u"O"_s);
    fonte.setItalic(tipo == u"S"_s);
    linha.obj_Lb_Titulo->setFont(fonte);
    const QString titulo = registro.campo(u"titulo"_s);
    mostrarTextoDoTitulo(linha, titulo);
    linha.obj_Lb_Titulo->show();
    // Each list is heard by the title it converts, as stored.
    linha.obj_Combo_De->setAccessibleName(titulo);
    const bool convertivel = tipo != u"S"_s;
    if (convertivel)
        conversao::substituirEntradas(linha.obj_Combo_De, tabua::destinos(strBaseDe));
    linha.obj_Combo_De->setVisible(convertivel);
    linha.obj_Bt_Ok->setVisible(convertivel);
    // Eight "Ok" buttons: each tells which title it converts.
    linha.obj_Bt_Ok->setAccessibleDescription(titulo);
}

// The title, cut to its first 62 characters and "..." when longer, and
// ended with "…" if even that runs into the row's target list; a cut title
// shows whole as its tooltip.
void Tobj_Form_FormRespostaTabuaTitulo::mostrarTextoDoTitulo(Linha &linha, const QString &titulo) {
    QLabel *rotulo = linha.obj_Lb_Titulo;
    elisao::ajustarRotulo(rotulo, tituloCortado(titulo),
                          linha.obj_Combo_De->x() - afastamentoDaLista - rotulo->x());
    if (rotulo->text() != titulo) {
        rotulo->setToolTip(titulo);
        rotulo->setAccessibleName(titulo);
    }
}

void Tobj_Form_FormRespostaTabuaTitulo::obj_Bt_OkClick(int linha) {
    QComboBox *destino = linhasTitulos[linha - 1].obj_Combo_De;
    if (!conversao::exigirEscolha(destino, conversao::avisoBaseFinal))
        return;
    strCodigoConverter = strCodigoLinha[linha - 1];
    strBasePara = conversao::escolha(destino);
    conversao::converter(this, obj_DB_QUERY_Tabua, conversaoFeita(), conversao::tagConversaoTitulo,
                         conversao::avisoSemConversao);
}

Conversao Tobj_Form_FormRespostaTabuaTitulo::conversaoFeita() const {
    return {strBaseDe, strBasePara, strCodigoConverter};
}

void Tobj_Form_FormRespostaTabuaTitulo::prcVoltarParaTabua() {
    ir(IdTela::FormTabuaTitulo);
}
