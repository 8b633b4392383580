#include "unit_FormTabua.h"

#include "codigos.h"

#include "botao_figura.h"
#include "fontes.h"
#include "fronteira.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

using namespace Qt::StringLiterals;

Tobj_Form_FormTabua *obj_Form_FormTabua = nullptr;

namespace {

// The coupling of the two base lists: when the list that changed holds a
// base with which the other list's choice makes no conversion, the other
// list gets the bases that do, and no choice. A list without a choice
// changes nothing.
void acoplar(const QComboBox *mudada, QComboBox *outra) {
    const QString base = conversao::escolha(mudada);
    if (base.isEmpty())
        return;
    const QStringList destinos = tabua::destinos(base);
    if (!destinos.contains(conversao::escolha(outra)))
        conversao::substituirEntradas(outra, destinos);
}

} // namespace

Tobj_Form_FormTabua::Tobj_Form_FormTabua()
    : TelaPrincipal(IdTela::FormTabua, {.regra = Moldura::Regra::B,
                                        .botaoProprio = Moldura::Botao::Tabua,
                                        .links = Moldura::Links::Conversao,
                                        .linkAtual = 0,
                                        .topoLinks = 98,
                                        .tagBuscaRapida = u"rapidaTabua"_s}) {
    setObjectName(u"obj_Form_FormTabua"_s);
    obj_Grupo_Pesquisa = conversao::grupoPesquisa(
        this, u".:: Por Código-Base ::."_s, 122,
        {u". Escolha a base inicial (\"De\");"_s,
         u". Insira o código da ocupação ou família desejada para a conversão;"_s,
         u". Selecione a base final (\"Para\") e clique em \"Ok\"."_s});
    QWidget *grupo = obj_Grupo_Pesquisa;
    const QFont fonte = fontes::verdana(fontes::pt9);

    QLabel *de = rotulos::novo(grupo, u"obj_Lb_Tabua_De"_s, u"De:"_s, QPoint(49, 55), fonte);
    obj_Combo_De =
        conversao::lista(grupo, u"obj_Combo_De"_s, QPoint(80, 52), 105, tabua::bases(), de);
    QLabel *codigo =
        rotulos::novo(grupo, u"obj_Lb_Tabua_Codigo"_s, u"Código:"_s, QPoint(219, 55), fonte);
    obj_Edit_ConverteCodigo = conversao::caixaDeEntrada(
        grupo, u"obj_Edit_ConverteCodigo"_s, QRect(276, 52, 121, 17),
        u"obj_Painel_BuscaCodigoBorda"_s, u"obj_Painel_BuscaCodigoSombra"_s, codigo);
    QLabel *para = rotulos::novo(grupo, u"obj_Lb_Tabua_Para"_s, u"Para:"_s, QPoint(434, 55), fonte);
    obj_Combo_Para =
        conversao::lista(grupo, u"obj_Combo_Para"_s, QPoint(474, 52), 105, tabua::bases(), para);
    obj_Bt_Converter_Ok = conversao::botaoOk(grupo, u"obj_Bt_Converter_Ok"_s, QPoint(607, 53));

    rotulos::novo(grupo, u"obj_Lb_Tabua_Texto"_s, u"Código:"_s, QPoint(26, 168),
                  fontes::verdana(fontes::pt8, true));
    rotulos::novo(
        grupo, u"obj_Lb_Tabua_Texto2"_s,
        u"Código das famílias ou ocupações nas bases ZEL2002, ZEL94 e CIUO88 (4 a 6 dígitos). "_s,
        QPoint(82, 168), fontes::verdana(fontes::pt8));

    fronteira::conectar(obj_Combo_De, &QComboBox::activated, this,
                        [this](int) { prcTabuaMudarBaseDe(); });
    fronteira::conectar(obj_Combo_Para, &QComboBox::activated, this,
                        [this](int) { prcTabuaMudarBasePara(); });
    fronteira::conectar(obj_Bt_Converter_Ok, &BotaoFigura::clicado, this,
                        [this] { prcTabuaTestaConverterEnvia(); });
    fronteira::conectar(obj_Edit_ConverteCodigo, &QLineEdit::returnPressed, this,
                        [this] { prcVerificaExecutaConsultaTabua(); });
}

// Every activation starts with both lists unchosen and the code box empty;
// the entries of the lists stay as they are.
void Tobj_Form_FormTabua::prcRestaurarJanela() {
    obj_Combo_De->setCurrentIndex(-1);
    obj_Combo_Para->setCurrentIndex(-1);
    obj_Edit_ConverteCodigo->clear();
    TelaPrincipal::prcRestaurarJanela();
}

void Tobj_Form_FormTabua::prcTabuaMudarBaseDe() {
    acoplar(obj_Combo_De, obj_Combo_Para);
}

void Tobj_Form_FormTabua::prcTabuaMudarBasePara() {
    acoplar(obj_Combo_Para, obj_Combo_De);
}

void Tobj_Form_FormTabua::prcVerificaExecutaConsultaTabua() {
    prcTabuaTestaConverterEnvia();
}

void Tobj_Form_FormTabua::prcTabuaTestaConverterEnvia() {
    if (!conversao::exigirEscolha(obj_Combo_De,
                                  u"Você deve informar a\rbase inicial para conversão"_s))
        return;
    if (!conversao::exigirEscolha(obj_Combo_Para, conversao::avisoBaseFinal))
        return;
    const QString codigo = obj_Edit_ConverteCodigo->text();
    if (codigos::verificarCodigoConversao(codigo) == codigos::Falha::Vazio) {
        aviso::prcMostrarAviso(u"Você deve informar um\rcódigo para conversão"_s);
        obj_Edit_ConverteCodigo->setFocus();
        return;
    }
    if (codigos::verificarCodigoConversao(codigo) != codigos::Falha::Nenhuma) {
        aviso::prcMostrarAviso(
            u"O código digitado\rnão parece ser válido\rex: 1234, 12345 ou 123466"_s);
        return;
    }
    conversao::converter(this, obj_DB_QUERY_Tabua, conversaoFeita(), conversao::tagTabua,
                         u"Não foi encontrado\rnenhum registro para busca"_s);
}

Conversao Tobj_Form_FormTabua::conversaoFeita() const {
    return {conversao::escolha(obj_Combo_De), conversao::escolha(obj_Combo_Para),
            obj_Edit_ConverteCodigo->text()};
}

void Tobj_Form_FormTabua::prcReiniciarEntradas() {
    conversao::substituirEntradas(obj_Combo_De, tabua::bases());
    conversao::substituirEntradas(obj_Combo_Para, tabua::bases());
    obj_Edit_ConverteCodigo->clear();
}
