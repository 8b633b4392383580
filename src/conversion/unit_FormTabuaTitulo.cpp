#include "unit_FormTabuaTitulo.h"

#include "botao_figura.h"
#include "controles.h"
#include "conversao.h"
#include "cursor.h"
#include "fontes.h"
#include "fronteira.h"
#include "rotulos.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

Tobj_Form_FormTabuaTitulo *obj_Form_FormTabuaTitulo = nullptr;

namespace {

// The list of titles of a base.
QStringList sqlTitulos(const QString &base) {
    if (base == baseZel2002)
        return fncSqlTabuaTituloBase2002();
    if (base == baseZel94)
        return fncSqlTabuaTituloBase94();
    return fncSqlTabuaTituloCiuo88();
}

} // namespace

// The base list and the title box are never reset: the base and the word
// typed last are still there on the next visit.
Tobj_Form_FormTabuaTitulo::Tobj_Form_FormTabuaTitulo()
    : TelaPrincipal(IdTela::FormTabuaTitulo, {.regra = Moldura::Regra::B,
                                              .links = Moldura::Links::Conversao,
                                              .linkAtual = 1,
                                              .topoLinks = 102,
                                              .tagBuscaRapida = u"rapidaTabuaTitulo"_s}) {
    setObjectName(u"obj_Form_FormTabuaTitulo"_s);
    obj_Grupo_Pesquisa = conversao::grupoPesquisa(
        this, u".:: Por Base-Título ::."_s, 126,
        {u". Selecione a base de dados;"_s, u". Insira um título desejado para a conversão;"_s,
         u". Clique em \"Procurar\"."_s});
    QWidget *grupo = obj_Grupo_Pesquisa;
    const QFont fonte = fontes::verdana(fontes::pt9);

    QLabel *base = rotulos::novo(grupo, u"obj_Lb_Tabua_De"_s, u"Base:"_s, QPoint(49, 55), fonte);
    obj_Combo_De =
        conversao::lista(grupo, u"obj_Combo_De"_s, QPoint(90, 52), 105, tabua::bases(), base);
    QLabel *titulo =
        rotulos::novo(grupo, u"obj_Lb_Tabua_Titulo"_s, u"Título:"_s, QPoint(215, 55), fonte);
    obj_Edit_ConverteTitulo = conversao::caixaDeEntrada(
        grupo, u"obj_Edit_ConverteTitulo"_s, QRect(260, 52, 260, 17),
        u"obj_Painel_BuscaTituloBorda"_s, u"obj_Painel_BuscaTituloSombra"_s, titulo);
    obj_Bt_Converter_Procurar =
        controles::botao(grupo, u"obj_Bt_Converter_Procurar"_s, u"bt_procurar"_s, u"Procurar"_s,
                         QRect(553, 53, 61, 19));

    const QFont negrito = fontes::verdana(fontes::pt8, true);
    const QFont normal = fontes::verdana(fontes::pt8);
    rotulos::novo(grupo, u"obj_Lb_Tabua_Texto7"_s, u"Base:"_s, QPoint(26, 150), negrito);
    rotulos::novo(grupo, u"obj_Lb_Tabua_Texto6"_s, u"Base de dados ZEL2002, ZEL94 e CIUO88."_s,
                  QPoint(82, 150), normal);
    rotulos::novo(grupo, u"obj_Lb_Tabua_Texto"_s, u"Título:"_s, QPoint(26, 168), negrito);
    rotulos::novo(grupo, u"obj_Lb_Tabua_Texto2"_s, u"Ocupação ou Família a converter."_s,
                  QPoint(82, 168), normal);

    fronteira::conectar(obj_Bt_Converter_Procurar, &BotaoFigura::clicado, this,
                        [this] { prcTabuaTestaConverterEnvia(); });
    fronteira::conectar(obj_Edit_ConverteTitulo, &QLineEdit::returnPressed, this,
                        [this] { prcVerificaExecutaTabua(); });
}

void Tobj_Form_FormTabuaTitulo::prcVerificaExecutaTabua() {
    prcTabuaTestaConverterEnvia();
}

// The hourglass stays for the whole action, notices included, and goes
// after every outcome (the error boundary restores it after an error).
void Tobj_Form_FormTabuaTitulo::prcTabuaTestaConverterEnvia() {
    const cursor::Ocupado ocupado;
    procurar();
}

void Tobj_Form_FormTabuaTitulo::procurar() {
    if (!conversao::exigirEscolha(obj_Combo_De, u"Você deve informar a\rbase para conversão"_s))
        return;
    const QString palavra = obj_Edit_ConverteTitulo->text();
    if (palavra.isEmpty()) {
        aviso::prcMostrarAviso(u"Você deve informar uma\rpalavra para busca"_s);
        obj_Edit_ConverteTitulo->setFocus();
        return;
    }
    abrirConsulta(obj_DB_QUERY_TabuaTitulo, sqlTitulos(conversao::escolha(obj_Combo_De)),
                  u"%"_s + palavra + u"%"_s);
    if (obj_DB_QUERY_TabuaTitulo.fimDados()) {
        aviso::prcMostrarAviso(u"Não foi encontrado\rnenhum registro para\rconversão"_s);
        return;
    }
    ir(IdTela::FormRespostaTabuaTitulo);
}
