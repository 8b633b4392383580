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

#include <QCoreApplication>
#include <functional>
#include <vector>

namespace registro {
namespace {

QList<QWidget *> criadas;
// One step per screen, in the order of creation: destroys it and clears the
// name it is reached by.
std::vector<std::function<void()>> destruicoes;

template <class Tela> void criar(Tela *&referencia) {
    if (!referencia)
        referencia = new Tela;
    criadas << referencia;
    destruicoes.push_back([&referencia] {
        delete referencia;
        referencia = nullptr;
    });
}

} // namespace

void criarTelas() {
    // The application object runs its post routines first when it is
    // destroyed, while every part of Qt the screens use still stands.
    qAddPostRoutine(destruirTelas);
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

void destruirTelas() {
    criadas.clear();
    while (!destruicoes.empty()) {
        destruicoes.back()();
        destruicoes.pop_back();
    }
}

} // namespace registro
