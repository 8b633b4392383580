#include "unit_FormRespostaTabua.h"

#include "botao_figura.h"
#include "cursor.h"
#include "elisao.h"
#include "fontes.h"
#include "fronteira.h"
#include "grade.h"
#include "pagina_grade.h"
#include "paginador.h"
#include "rotulos.h"
#include "unit_FormTabua.h"
#include "unit_global.h"

#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormRespostaTabua *obj_Form_FormRespostaTabua = nullptr;

namespace {

using Apresentacao = Tobj_Form_FormRespostaTabua::Apresentacao;
using EstiloLinha = Tobj_Form_FormRespostaTabua::EstiloLinha;

constexpr int linhasPorPagina = 13;
constexpr int larguraColuna = 645;
constexpr int margemTitulo = 12;
// The dark blue in which the pair of bases is written, apart from the black
// heading above it.
const QColor corDesktop(0x00, 0x4E, 0x98);

struct Entrada {
    QStringView origem;
    QStringView de;
    QStringView para;
    Apresentacao apresentacao;
};

// Caption, header and row text of every conversion, by origin and pair.
constexpr Entrada apresentacoes[] = {
    {u"tabua",
     u"ZEL2002",
     u"ZEL94",
     {u"Base ZEL2002 para ZEL94", u"Ocupações encontradas na conversão para a base ZEL94",
      EstiloLinha::Negrito}},
    {u"tabua",
     u"ZEL2002",
     u"CIUO88",
     {u"Base ZEL2002 para CIUO88", u"Famílias encontradas na conversão para a base CIUO88",
      EstiloLinha::Maiusculas}},
    {u"tabua",
     u"ZEL94",
     u"ZEL2002",
     {u"Base ZEL94 para ZEL2002", u"Títulos encontrados na conversão para a base ZEL2002",
      EstiloLinha::FamiliaSeExcluida}},
    {u"tabua",
     u"CIUO88",
     u"ZEL2002",
     {u"Base CIUO88 para ZEL2002", u"Ocupações encontradas na conversão para a base ZEL2002",
      EstiloLinha::Negrito}},
    {u"conversao",
     u"ZEL2002",
     u"ZEL94",
     {u"Base ZEL2002 para ZEL94", u"Ocupações encontradas na conversão para a base ZEL94",
      EstiloLinha::Negrito}},
    {u"conversao",
     u"ZEL2002",
     u"CIUO88",
     {u"Base ZEL2002 para CIUO88", u"Famílias encontradas na conversão para a base CIUO88",
      EstiloLinha::Maiusculas}},
    {u"conversaoTitulo",
     u"ZEL2002",
     u"ZEL94",
     {u"Base ZEL2002 para ZEL94", u"Ocupações encontradas na conversão para a base ZEL94",
      EstiloLinha::Negrito}},
    {u"conversaoTitulo",
     u"ZEL2002",
     u"CIUO88",
     {u"Base ZEL2002 para CIUO88", u"Famílias encontradas na conversão para a base CIUO88",
      EstiloLinha::Maiusculas}},
    {u"conversaoTitulo",
     u"ZEL94",
     u"ZEL2002",
     {u"Base ZEL94 para ZEL2002", u"Títulos encontrados na conversão para a base ZEL2002",
      EstiloLinha::Maiusculas}},
    {u"conversaoTitulo",
     u"CIUO88",
     u"ZEL2002",
     {u"Base CIUO88 para ZEL2002", u"Títulos encontrados na conversão para a base ZEL2002",
      EstiloLinha::Maiusculas}},
};

// The screen that each origin tag names: where the result was run and where
// "Voltar" leads.
constexpr std::pair<QStringView, IdTela> telasDeOrigem[] = {
    {conversao::tagTabua, IdTela::FormTabua},
    {conversao::tagConversao, IdTela::FormDescricaoConversao},
    {conversao::tagConversaoTitulo, IdTela::FormRespostaTabuaTitulo},
};

} // namespace

ConfiguracaoPaginador Tobj_Form_FormRespostaTabua::configuracaoPaginador() {
    return conversao::configuracaoPaginador(linhasPorPagina, 381, 382);
}

Tobj_Form_FormRespostaTabua::Tobj_Form_FormRespostaTabua()
    : TelaPrincipal(IdTela::FormRespostaTabua, {.regra = Moldura::Regra::C,
                                                .posicaoAoMostrar = true,
                                                .tagBuscaRapida = u"rapidaRespostaTabua"_s}) {
    setObjectName(u"obj_Form_FormRespostaTabua"_s);
    const QFont titulo = fontes::verdana(fontes::pt10, true);
    obj_Lb_BemVindo =
        rotulos::novo(this, u"obj_Lb_BemVindo"_s, u"Tipos de Busca"_s, QPoint(12, 70), titulo);
    obj_Lb_Ocup_Excluida = rotulos::novo(this, u"obj_Lb_Ocup_Excluida"_s,
                                         u"(*) Esta ocupação foi excluída na nova ZEL"_s,
                                         QPoint(494, 72), fontes::sansSerif(11), Qt::red);
    obj_Lb_Ocup_Excluida->hide();
    obj_Lb_Titulo_Base = rotulos::novo(this, u"obj_Lb_Titulo_Base"_s, QString(), QPoint(13, 92),
                                       fontes::verdana(fontes::pt9, true), corDesktop);
    obj_Lb_Total_Encontrados =
        rotulos::novo(this, u"obj_Lb_Total_Encontrados"_s, QString(), QPoint(34, 117), titulo);
    obj_Lb_Total = rotulos::novo(this, u"obj_Lb_Total"_s, QString(), QPoint(34, 117), titulo);
    for (QLabel *rotulo :
         {obj_Lb_BemVindo, obj_Lb_Titulo_Base, obj_Lb_Total_Encontrados, obj_Lb_Total})
        rotulos::tornarSelecionavel(rotulo);

    obj_SortGrid_Tabua_Codigo = new Grade(this, QRect(34, 135, 644, 241), 1, false, 16);
    obj_SortGrid_Tabua_Codigo->setObjectName(u"obj_SortGrid_Tabua_Codigo"_s);
    obj_SortGrid_Tabua_Codigo->definirLarguraColuna(0, larguraColuna);

    paginador = new Paginador(
        this, configuracaoPaginador(), [this] { prcAlimentaGrid(); },
        [this] { obj_SortGrid_Tabua_Codigo->definirLarguraColuna(0, larguraColuna); });
    paginador->ligarGrade(obj_SortGrid_Tabua_Codigo);

    obj_bt_voltar = conversao::botaoVoltar(this, QPoint(664, 402));
    fronteira::conectar(obj_bt_voltar, &BotaoFigura::clicado, this,
                        [this] { prcVoltarParaTabua(); });
}

std::optional<Apresentacao> Tobj_Form_FormRespostaTabua::apresentacao(const QString &origem,
                                                                      const Conversao &conversao) {
    for (const Entrada &entrada : apresentacoes)
        if (entrada.origem == origem && entrada.de == conversao.baseDe &&
            entrada.para == conversao.basePara)
            return entrada.apresentacao;
    return std::nullopt;
}

QString Tobj_Form_FormRespostaTabua::textoLinha(EstiloLinha estilo, const Consulta &registro) {
    const bool familiaSeExcluida = estilo == EstiloLinha::FamiliaSeExcluida;
    const tabua::Item item = tabua::itemListado(registro, familiaSeExcluida);
    const QString texto = item.codigo + u" - "_s + item.titulo;
    if (estilo == EstiloLinha::Maiusculas ||
        (familiaSeExcluida && tabua::ocupacaoExcluida(registro)))
        return grade_html::simples(texto.toUpper());
    return grade_html::negrito(texto);
}

std::optional<IdTela> Tobj_Form_FormRespostaTabua::telaDeOrigem() const {
    for (const auto &[tag, tela] : telasDeOrigem)
        if (tag == strOrigem)
            return tela;
    return std::nullopt;
}

OrigemConversao *Tobj_Form_FormRespostaTabua::origemConversao() const {
    const std::optional<IdTela> tela = telaDeOrigem();
    return tela ? dynamic_cast<OrigemConversao *>(navegacao::tela(*tela)) : nullptr;
}

void Tobj_Form_FormRespostaTabua::telaAtivada() {
    prcAlimentaGrid();
}

// On show: the bases and the code are copied from the screen that ran the
// conversion (the conversion by code is reset by the first fill), the pager
// starts again, and the caption and the note follow the new conversion.
void Tobj_Form_FormRespostaTabua::prcRestaurarJanela() {
    aplicarRegraPosicao();
    paginador->reiniciar();
    OrigemConversao *origem = origemConversao();
    m_conversao = origem ? origem->conversaoFeita() : Conversao{};
    m_apresentacao = apresentacao(strOrigem, m_conversao);
    obj_Lb_Titulo_Base->setText(m_apresentacao ? m_apresentacao->legenda.toString() : QString());
    obj_Lb_Titulo_Base->adjustSize();
    // All rows of a conversion from the previous edition share the
    // situation of the occupation converted.
    obj_Lb_Ocup_Excluida->setVisible(m_apresentacao &&
                                     m_apresentacao->linha == EstiloLinha::FamiliaSeExcluida &&
                                     !origem->resultadoConversao().fimDados() &&
                                     tabua::ocupacaoExcluida(origem->resultadoConversao()));
}

void Tobj_Form_FormRespostaTabua::prcAlimentaGrid() {
    limparLDescricao();
    OrigemConversao *origem = origemConversao();
    if (!origem || !m_apresentacao)
        return;
    const cursor::Ocupado ocupado;
    Consulta &resultado = origem->resultadoConversao();
    conversao::escreverCabecalho(obj_Lb_Total_Encontrados, obj_Lb_Total,
                                 m_apresentacao->cabecalho.toString(), resultado.totalLinhas());
    escreverTitulo();
    nomearGrade();
    const EstiloLinha estilo = m_apresentacao->linha;
    PaginaGrade{
        *obj_SortGrid_Tabua_Codigo,
        *paginador,
        {},
        [estilo](const Consulta &registro) { return QStringList{textoLinha(estilo, registro)}; }}
        .preencher(resultado);
    if (strOrigem == conversao::tagTabua)
        obj_Form_FormTabua->prcReiniciarEntradas();
    obj_SortGrid_Tabua_Codigo->definirLarguraColuna(0, larguraColuna);
}

// The heading names the item converted: its code and title, or the code
// alone when the item is not in its table.
void Tobj_Form_FormRespostaTabua::escreverTitulo() {
    Consulta &consulta = obj_DB_QUERY_Descricao;
    abrirConsulta(consulta, fncSqlTabuaOrigem(m_conversao.codigo, m_conversao.baseDe));
    const QString titulo =
        consulta.fimDados() ? m_conversao.codigo
                            : consulta.campo(u"codigo"_s) + u" - "_s + consulta.campo(u"titulo"_s);
    consulta.fechar();
    elisao::ajustarRotulo(obj_Lb_BemVindo, titulo, larguraTitulo());
}

// The heading ends before the note on excluded occupations when the note
// shows, else before the window's right edge, with the margin it has on
// the left.
int Tobj_Form_FormRespostaTabua::larguraTitulo() const {
    const int fim = obj_Lb_Ocup_Excluida->isVisibleTo(this) ? obj_Lb_Ocup_Excluida->x() : width();
    return fim - margemTitulo - obj_Lb_BemVindo->x();
}

// A screen reader hears, with the table, what was found and how many, then
// the converted item and the pair of bases.
void Tobj_Form_FormRespostaTabua::nomearGrade() {
    obj_SortGrid_Tabua_Codigo->setAccessibleName(obj_Lb_Total_Encontrados->text() + u" "_s +
                                                 obj_Lb_Total->text());
    obj_SortGrid_Tabua_Codigo->setAccessibleDescription(obj_Lb_BemVindo->accessibleName() +
                                                        u", "_s + obj_Lb_Titulo_Base->text());
}

void Tobj_Form_FormRespostaTabua::prcVoltarParaTabua() {
    if (const std::optional<IdTela> tela = telaDeOrigem())
        ir(*tela);
}
