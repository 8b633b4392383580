#include "catalogo.h"

#include "glifos.h"
#include "pintura.h"
#include "quadros.h"

using namespace Qt::StringLiterals;

namespace {

// A button with a word on it.
struct BotaoTexto {
    QString nome;
    QSize tamanho;
    Ladrilho estilo;
    QString texto;
    int pixels;
};

// A button with a symbol on it, inset by `margem`.
struct BotaoGlifo {
    QString nome;
    QSize tamanho;
    Glifo glifo;
    QRgb tom;
    qreal margem;
};

std::vector<Quadro> montar() {
    std::vector<Quadro> quadros{
        {u"fundo"_s, {713, 460}, desenharFundo},
        {u"faixa_topo"_s, {711, 61}, desenharFaixaTopo},
        {u"faixa_base"_s, {709, 61}, desenharFaixaBase},
        {u"divisoria"_s, {685, 2}, desenharDivisoria},
        {u"menu_familia"_s, {190, 147}, desenharMenuFamilia},
        {u"linha_menu"_s, {172, 2}, desenharLinhaMenu},
        {u"fundo_tabela"_s, {644, 75}, desenharFundoTabela},
        {u"fundo_conversao"_s, {481, 92}, desenharFundoConversao},
        {u"faixa_titulos"_s, {643, 23}, desenharFaixaTitulos},
        {u"capa"_s, {180, 210}, desenharCapa},
        {u"aviso_fundo"_s, {212, 107}, desenharAvisoFundo},
        {u"sair_fundo"_s, {212, 94}, desenharSairFundo},
        {u"about"_s, {483, 330}, desenharAbout},
        {u"icone"_s, {128, 128}, desenharIcone},
        {u"bt_about"_s, {10, 10}, desenharBtAbout},
        {u"bt_voltar"_s, {36, 18}, desenharBtVoltar},
        {u"seta_anterior"_s, {11, 10}, desenharSetaAnterior},
        {u"seta_proxima"_s, {11, 10}, desenharSetaProxima},
        {u"leg_topo"_s, {711, 61}, desenharLegTopo},
        {u"leg_barra"_s, {711, 23}, desenharLegBarra},
        {u"leg_logo"_s, {129, 40}, desenharLegLogo},
        {u"leg_home_off"_s, {16, 10}, desenharLegHomeOff},
        {u"leg_home_on"_s, {16, 10}, desenharLegHomeOn},
    };

    const BotaoTexto comTexto[] = {
        {u"bt_ok"_s, {26, 17}, ladrilhoLaranja, u"OK"_s, 9},
        {u"bt_procurar"_s, {61, 19}, ladrilhoLaranja, u"Procurar"_s, 10},
        {u"bt_nova_busca"_s, {73, 17}, ladrilhoLaranja, u"Nova Busca"_s, 9},
        {u"bt_ok_dialogo"_s, {61, 19}, ladrilhoLaranja, u"Ok"_s, 11},
        {u"bt_sim"_s, {61, 19}, ladrilhoLaranja, u"Sim"_s, 11},
        {u"bt_nao"_s, {61, 19}, ladrilhoNeutro, u"Não"_s, 11},
    };
    for (const BotaoTexto &b : comTexto)
        quadros.push_back({b.nome, b.tamanho, [b](QPainter &p, QSizeF tamanho) {
                               botaoComTexto(p, tamanho, b.estilo, b.texto, b.pixels);
                           }});

    const BotaoGlifo comGlifo[] = {
        {u"bt_minimizar"_s, {10, 10}, glifoMinimizar, cor::tinta, 2},
        {u"bt_fechar"_s, {10, 10}, glifoFechar, cor::laranjaEscuro, 2.5},
        {u"bt_home"_s, {14, 14}, glifoCasa, cor::laranjaEscuro, 2.5},
        {u"bt_busca"_s, {14, 14}, glifoLupa, cor::laranjaEscuro, 2.5},
        {u"bt_info"_s, {14, 14}, glifoInformacao, cor::laranjaEscuro, 2.5},
        {u"bt_regula"_s, {14, 14}, glifoParagrafo, cor::laranjaEscuro, 2.5},
        {u"bt_tabua"_s, {14, 14}, glifoTroca, cor::laranjaEscuro, 2.5},
        {u"bt_imprimir"_s, {11, 11}, glifoImpressora, cor::tinta, 1.5},
        {u"leg_bt_about"_s, {15, 15}, glifoInformacao, cor::tinta, 3.5},
        {u"leg_bt_minimizar"_s, {15, 15}, glifoMinimizar, cor::tinta, 3.5},
        {u"leg_bt_fechar"_s, {15, 15}, glifoFechar, cor::laranjaEscuro, 3.5},
    };
    for (const BotaoGlifo &b : comGlifo)
        quadros.push_back({b.nome, b.tamanho, [b](QPainter &p, QSizeF tamanho) {
                               botaoComGlifo(p, tamanho, b.glifo, b.tom, b.margem);
                           }});
    return quadros;
}

} // namespace

const std::vector<Quadro> &catalogo() {
    static const std::vector<Quadro> quadros = montar();
    return quadros;
}
