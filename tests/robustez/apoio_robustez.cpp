#include "apoio_robustez.h"

#include "apoio_busca.h"
#include "apoio_paginas.h"

#include "botao_figura.h"
#include "grade.h"
#include "navegacao.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
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
#include "unit_FormRegulamentacao.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <functional>

using namespace Qt::StringLiterals;

namespace robustez {

void iniciar(const QString &banco) {
    programa::calarElevacao();
    programa::instalar(banco);
    programa::iniciar();
}

QList<TelaPrincipal *> telas() {
    QList<TelaPrincipal *> todas;
    for (int id = 0; id <= int(IdTela::FormRespostaTabuaTitulo); ++id)
        todas << navegacao::tela(IdTela(id));
    return todas;
}

void colar(QLineEdit *caixa, const QString &texto) {
    QApplication::clipboard()->setText(texto);
    caixa->paste();
}

void substituir(QLineEdit *caixa, const QString &texto) {
    caixa->selectAll();
    colar(caixa, texto);
}

void escolher(QComboBox *lista, const QString &texto) {
    const int indice = lista->findText(texto);
    QVERIFY2(indice >= 0, qPrintable(texto));
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

QStringList entradas(QWidget *tela, const QStringList &excluidas) {
    QStringList valores;
    for (const QLineEdit *caixa : tela->findChildren<QLineEdit *>())
        if (!excluidas.contains(caixa->objectName()) && !qobject_cast<QComboBox *>(caixa->parent()))
            valores << caixa->objectName() + u"="_s + caixa->text();
    for (const QCheckBox *marca : tela->findChildren<QCheckBox *>())
        valores << marca->objectName() + (marca->isChecked() ? u" marcada"_s : u" vazia"_s);
    for (const QComboBox *lista : tela->findChildren<QComboBox *>())
        if (!excluidas.contains(lista->objectName()))
            valores << lista->objectName() + u"="_s + lista->currentText();
    return valores;
}

namespace {

// The walk's steps: each is one thing the user does, after which the given
// screen is on view with neither a notice nor an error.
class Percurso {
public:
    bool falhou() const { return QTest::currentTestFailed(); }
    int passos() const { return m_passos; }

    void passo(TelaPrincipal *destino, const std::function<void()> &acao) {
        if (falhou())
            return;
        acao();
        ++m_passos;
        conferir(destino);
    }
    void clicar(QWidget *alvo, TelaPrincipal *destino) {
        passo(destino, [alvo] { programa::clicar(alvo); });
    }
    void procurar(QLineEdit *caixa, const QString &texto, TelaPrincipal *destino) {
        passo(destino, [caixa, texto] {
            caixa->selectAll();
            programa::digitar(caixa, texto);
            programa::enter(caixa);
        });
    }
    void duplo(Grade *grade, TelaPrincipal *destino) {
        passo(destino, [grade] { apoio_busca::duploClique(*grade, 1); });
    }
    void escolha(QComboBox *lista, const QString &texto) {
        passo(navegacao::telaAtual(), [lista, texto] { escolher(lista, texto); });
    }
    void proximaPagina(Paginador *paginador) {
        clicar(paginador->obj_Bt_RespostaBusca_Mais, navegacao::telaAtual());
    }
    void converter(const QString &de, const QString &codigo, const QString &para) {
        Tobj_Form_FormTabua *tabua = obj_Form_FormTabua;
        escolha(tabua->obj_Combo_De, de);
        passo(tabua, [tabua, codigo] {
            tabua->obj_Edit_ConverteCodigo->clear();
            programa::digitar(tabua->obj_Edit_ConverteCodigo, codigo);
        });
        escolha(tabua->obj_Combo_Para, para);
        clicar(tabua->obj_Bt_Converter_Ok, obj_Form_FormRespostaTabua);
        clicar(obj_Form_FormRespostaTabua->obj_bt_voltar, tabua);
    }
    // A title of `base` converted from the first row of the list that can
    // be converted, and back to the conversion by title.
    void converterTitulo(const QString &base, const QString &palavra) {
        Tobj_Form_FormTabuaTitulo *tabuaTitulo = obj_Form_FormTabuaTitulo;
        Tobj_Form_FormRespostaTabuaTitulo *titulos = obj_Form_FormRespostaTabuaTitulo;
        escolha(tabuaTitulo->obj_Combo_De, base);
        procurar(tabuaTitulo->obj_Edit_ConverteTitulo, palavra, titulos);
        if (falhou())
            return;
        for (auto &linha : titulos->linhasTitulos) {
            if (linha.obj_Combo_De->isHidden())
                continue;
            escolha(linha.obj_Combo_De, linha.obj_Combo_De->itemText(0));
            clicar(linha.obj_Bt_Ok, obj_Form_FormRespostaTabua);
            clicar(obj_Form_FormRespostaTabua->obj_bt_voltar, titulos);
            break;
        }
        clicar(titulos->obj_bt_voltar, tabuaTitulo);
    }

private:
    // The navigation's events are not kept: the walk runs for long.
    void conferir(TelaPrincipal *destino) {
        programa::limparEventos();
        QCOMPARE(navegacao::telaAtual(), destino);
        QVERIFY(destino->isVisible());
        QCOMPARE(programa::avisos(), QStringList());
        QCOMPARE(programa::erros(), QStringList());
    }

    int m_passos = 0;
};

} // namespace

int percorrer() {
    Percurso p;
    Tobj_Form_FormInicial *inicial = obj_Form_FormInicial;
    Tobj_Form_FormRespostaBusca *resposta = obj_Form_FormRespostaBusca;
    Tobj_Form_FormRespostaBuscaCodigo *respostaCodigo = obj_Form_FormRespostaBuscaCodigo;
    Tobj_Form_FormDescricao *descricao = obj_Form_FormDescricao;
    Tobj_Form_FormDescricaoConversao *conversao = obj_Form_FormDescricaoConversao;
    Tobj_Form_FormBuscaEstrutura *estrutura = obj_Form_FormBuscaEstrutura;
    Tobj_Form_FormBuscaTituloAZ *az = obj_Form_FormBuscaTituloAZ;
    p.passo(inicial, [inicial] { apoio_busca::irPara(inicial); });

    // The home screen's title search, its pages, a family and its views.
    p.procurar(inicial->obj_Edit_BuscaTitulo, u"a"_s, resposta);
    p.proximaPagina(resposta->paginador);
    p.duplo(resposta->obj_SortGrid_BuscaTitulosAZ, descricao);
    p.clicar(descricao->links()[1], obj_Form_FormDescricaoCaracteristicas);
    p.clicar(obj_Form_FormDescricaoCaracteristicas->links()[2], conversao);
    p.escolha(conversao->obj_Combo_Para, u"ZEL94"_s);
    p.clicar(conversao->obj_Bt_Ok, obj_Form_FormRespostaTabua);
    p.clicar(obj_Form_FormRespostaTabua->obj_bt_voltar, conversao);
    p.escolha(conversao->obj_Combo_Para, u"CIUO88"_s);
    p.clicar(conversao->obj_Bt_Ok, obj_Form_FormRespostaTabua);
    p.clicar(obj_Form_FormRespostaTabua->obj_bt_voltar, conversao);
    p.clicar(conversao->links()[0], descricao);

    // Quick searches: from a family view, then on the results screen itself.
    p.procurar(descricao->obj_Edit_BuscaRapida, u"médico"_s, resposta);
    p.procurar(resposta->obj_Edit_BuscaRapida, u"%"_s, resposta);
    p.proximaPagina(resposta->paginador);

    // The home screen's code search.
    p.clicar(resposta->obj_Bt_Home, inicial);
    p.procurar(inicial->obj_Edit_BuscaCodigo, u"2111"_s, respostaCodigo);
    p.duplo(respostaCodigo->obj_SortGrid_BuscaTitulosAZ, descricao);

    // The search screens.
    p.clicar(descricao->obj_Bt_Busca, obj_Form_FormBusca);
    p.procurar(obj_Form_FormBusca->obj_Edit_BuscaTitulo, u"a"_s, resposta);
    p.clicar(resposta->links()[1], obj_Form_FormBuscaCodigo);
    p.procurar(obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo, u"211101"_s, respostaCodigo);
    p.clicar(respostaCodigo->links()[2], estrutura);
    p.clicar(estrutura->obj_Bt_NovaBusca, estrutura);
    p.escolha(estrutura->obj_ComboBoxGrandeGrupo, estrutura->obj_ComboBoxGrandeGrupo->itemText(2));
    p.escolha(estrutura->obj_ComboBoxSGP, estrutura->obj_ComboBoxSGP->itemText(0));
    p.escolha(estrutura->obj_ComboBoxSubGrupo, estrutura->obj_ComboBoxSubGrupo->itemText(0));
    p.duplo(estrutura->obj_SortGrid_BuscaEstrutura, descricao);
    p.clicar(descricao->obj_Bt_Busca, obj_Form_FormBusca);
    p.clicar(obj_Form_FormBusca->links()[3], az);
    p.clicar(az->obj_Bt_BuscaTitulosAZ[u'M' - u'A'], az);
    p.procurar(az->obj_Edit_BuscaTitulosAZ, u"e"_s, az);
    p.proximaPagina(az->paginador);
    p.duplo(az->obj_SortGrid_BuscaTitulosAZ, descricao);

    // The pages.
    p.clicar(descricao->obj_Bt_Info, obj_Form_FormInformacoes);
    p.clicar(obj_Form_FormInformacoes->obj_Bt_Regula, obj_Form_FormRegulamentacao);
    p.passo(obj_Form_FormLegislacao, [] { apoio_busca::irPara(obj_Form_FormLegislacao); });
    p.clicar(obj_Form_FormLegislacao->links()[4], obj_Form_FormTabua);

    // The conversions by code, each way, and by title from every base.
    p.converter(u"ZEL2002"_s, u"2111"_s, u"ZEL94"_s);
    p.converter(u"ZEL94"_s, u"20101"_s, u"ZEL2002"_s);
    p.converter(u"CIUO88"_s, u"2101"_s, u"ZEL2002"_s);
    p.clicar(obj_Form_FormTabua->links()[1], obj_Form_FormTabuaTitulo);
    p.converterTitulo(u"ZEL2002"_s, u"m"_s);
    p.converterTitulo(u"ZEL94"_s, u"médico"_s);
    p.converterTitulo(u"CIUO88"_s, u"médicos"_s);

    // The About screen, and home.
    p.passo(obj_Form_FormTabuaTitulo, [] { abrirEFecharSobre(obj_Form_FormTabuaTitulo); });
    p.clicar(obj_Form_FormTabuaTitulo->obj_Bt_Home, inicial);
    return p.passos();
}

} // namespace robustez
