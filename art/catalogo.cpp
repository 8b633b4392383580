#include "catalogo.h"

#include "quadros.h"

using namespace Qt::StringLiterals;

const std::vector<Quadro> &catalogo() {
    static const std::vector<Quadro> quadros{
        {u"fundo"_s, {713, 460}, desenharFundo},
        {u"faixa_topo"_s, {711, 61}, desenharFaixaTopo},
        {u"faixa_base"_s, {709, 61}, desenharFaixaBase},
        {u"bt_about"_s, {10, 10}, desenharBtAbout},
        {u"bt_minimizar"_s, {10, 10}, desenharBtMinimizar},
        {u"bt_fechar"_s, {10, 10}, desenharBtFechar},
        {u"bt_home"_s, {14, 14}, desenharBtHome},
        {u"bt_busca"_s, {14, 14}, desenharBtBusca},
        {u"bt_info"_s, {14, 14}, desenharBtInfo},
        {u"bt_regula"_s, {14, 14}, desenharBtRegula},
        {u"bt_tabua"_s, {14, 14}, desenharBtTabua},
        {u"bt_ok"_s, {26, 17}, desenharBtOk},
        {u"bt_procurar"_s, {61, 19}, desenharBtProcurar},
        {u"bt_nova_busca"_s, {73, 17}, desenharBtNovaBusca},
        {u"bt_voltar"_s, {36, 18}, desenharBtVoltar},
        {u"seta_anterior"_s, {11, 10}, desenharSetaAnterior},
        {u"seta_proxima"_s, {11, 10}, desenharSetaProxima},
        {u"capa"_s, {180, 210}, desenharCapa},
        {u"menu_familia"_s, {190, 147}, desenharMenuFamilia},
        {u"linha_menu"_s, {172, 2}, desenharLinhaMenu},
        {u"divisoria"_s, {685, 2}, desenharDivisoria},
        {u"fundo_tabela"_s, {644, 75}, desenharFundoTabela},
        {u"fundo_conversao"_s, {481, 92}, desenharFundoConversao},
        {u"faixa_titulos"_s, {643, 23}, desenharFaixaTitulos},
        {u"bt_imprimir"_s, {11, 11}, desenharBtImprimir},
        {u"aviso_fundo"_s, {212, 107}, desenharAvisoFundo},
        {u"bt_ok_dialogo"_s, {61, 19}, desenharBtOkDialogo},
        {u"sair_fundo"_s, {212, 94}, desenharSairFundo},
        {u"bt_sim"_s, {61, 19}, desenharBtSim},
        {u"bt_nao"_s, {61, 19}, desenharBtNao},
        {u"about"_s, {483, 330}, desenharAbout},
        {u"leg_topo"_s, {711, 61}, desenharLegTopo},
        {u"leg_bt_about"_s, {15, 15}, desenharLegBtAbout},
        {u"leg_bt_minimizar"_s, {15, 15}, desenharLegBtMinimizar},
        {u"leg_bt_fechar"_s, {15, 15}, desenharLegBtFechar},
        {u"leg_logo"_s, {129, 40}, desenharLegLogo},
        {u"leg_barra"_s, {711, 23}, desenharLegBarra},
        {u"leg_home_off"_s, {16, 10}, desenharLegHomeOff},
        {u"leg_home_on"_s, {16, 10}, desenharLegHomeOn},
        {u"icone"_s, {128, 128}, desenharIcone},
    };
    return quadros;
}
