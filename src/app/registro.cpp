#include "registro.h"

#include "unit_About.h"
#include "unit_FormBusca.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoCaracteristicas.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormInformacoes.h"
#include "unit_FormInicial.h"
#include "unit_FormLegislacao.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormMODALSair.h"
#include "unit_FormRegulamentacao.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"

namespace registro {
namespace {

QList<QWidget *> criadas;

template <class Tela> void criar(Tela *&referencia) {
    if (!referencia)
        referencia = new Tela;
    criadas << referencia;
}

} // namespace

void criarTelas() {
    criar(obj_Form_FormInicial);
    criar(obj_Form_FormBusca);
    criar(obj_Form_FormBuscaCodigo);
    criar(obj_Form_FormBuscaEstrutura);
    criar(obj_Form_FormAbout);
    criar(obj_Form_FormBuscaTituloAZ);
    criar(obj_Form_FormInformacoes);
    criar(obj_Form_FormLegislacao);
    criar(obj_Form_FormRegulamentacao);
    criar(obj_Form_FormTabua);
    criar(obj_Form_FormTabuaTitulo);
    criar(obj_Form_MODAL_Sair);
    criar(obj_Form_Aviso_MODAL);
    criar(obj_Form_FormRespostaBusca);
    criar(obj_Form_FormRespostaBuscaCodigo);
    criar(obj_Form_FormRespostaTabua);
    criar(obj_Form_FormDescricao);
    criar(obj_Form_FormDescricaoCaracteristicas);
    criar(obj_Form_FormDescricaoConversao);
    criar(obj_Form_FormRespostaTabuaTitulo);
}

const QList<QWidget *> &telas() {
    return criadas;
}

} // namespace registro
