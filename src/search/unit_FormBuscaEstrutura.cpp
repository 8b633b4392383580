#include "unit_FormBuscaEstrutura.h"

#include "cursor.h"
#include "fontes.h"
#include "fronteira.h"
#include "unit_FormMODALAviso.h"
#include "unit_global.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

using namespace Qt::StringLiterals;

Tobj_Form_FormBuscaEstrutura *obj_Form_FormBuscaEstrutura = nullptr;

Tobj_Form_FormBuscaEstrutura::Tobj_Form_FormBuscaEstrutura()
    : TelaPrincipal(IdTela::FormBuscaEstrutura, {.regra = Moldura::Regra::C,
                                                 .botaoProprio = Moldura::Botao::Busca,
                                                 .links = Moldura::Links::Busca,
                                                 .linkAtual = 2,
                                                 .tagBuscaRapida = u"rapidaBuscaEstrutura"_s}) {
    setObjectName(u"obj_Form_FormBuscaEstrutura"_s);
    obj_Grupo_Pesquisa = new QGroupBox(u".:: Por Estrutura ::."_s, this);
    obj_Grupo_Pesquisa->setObjectName(u"obj_Grupo_Pesquisa"_s);
    obj_Grupo_Pesquisa->setFont(fontes::verdana(fontes::pt8, true));
    obj_Grupo_Pesquisa->setGeometry(16, 110, 681, 315);

    obj_Lb_GrandeGrupo = new QLabel(u"Grande Grupo:"_s, obj_Grupo_Pesquisa);
    obj_Lb_GrandeGrupo->setFont(fontes::verdana(fontes::pt9));
    obj_Lb_GrandeGrupo->move(33, 34);
    obj_ComboBoxGrandeGrupo = new QComboBox(obj_Grupo_Pesquisa);
    obj_ComboBoxGrandeGrupo->setObjectName(u"obj_ComboBoxGrandeGrupo"_s);
    obj_ComboBoxGrandeGrupo->setFont(fontes::sansSerif(fontes::pt8));
    obj_ComboBoxGrandeGrupo->setGeometry(192, 31, 465, 21);
    obj_ComboBoxGrandeGrupo->setPlaceholderText(u"Selecione um Grande Grupo"_s);

    fronteira::executar([this] { prcInicializa(); });
}

void Tobj_Form_FormBuscaEstrutura::prcInicializa() {
    prcAlimentaGrandeGrupo();
}

// Once, at creation: the major groups in code order.
void Tobj_Form_FormBuscaEstrutura::prcAlimentaGrandeGrupo() {
    cursor::definir(Qt::WaitCursor);
    Consulta &consulta = obj_DB_QUERY_BuscaEstrutura_GrandeGrupo;
    consulta.definirSql(fncSqlGrandesGrupos());
    consulta.definirBanco(fncCaminhoDados());
    consulta.fechar();
    consulta.abrir();
    if (consulta.fimDados()) {
        cursor::normal();
        prcMostrarAviso(u"Nenhum Grande Grupo encontrado"_s);
        return;
    }
    for (; !consulta.fimDados(); consulta.proximo())
        obj_ComboBoxGrandeGrupo->addItem(consulta.campo(u"titulo"_s));
    consulta.primeiro();
    cursor::normal();
}
