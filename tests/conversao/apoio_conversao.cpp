#include "apoio_conversao.h"
#include "exigir.h"

#include "botao_figura.h"
#include "grade.h"
#include "navegacao.h"
#include "programa.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

using namespace Qt::StringLiterals;

namespace apoio_conversao {
namespace {

QtMessageHandler anterior = nullptr;

// The offscreen platform cannot grab the keyboard for a list's popup, and
// says so each time one opens.
void filtrarAvisoDaLista(QtMsgType tipo, const QMessageLogContext &contexto,
                         const QString &mensagem) {
    if (mensagem == u"This plugin does not support grabbing the keyboard"_s)
        return;
    anterior(tipo, contexto, mensagem);
}

} // namespace

void escolher(QComboBox *lista, const QString &texto) {
    const int indice = lista->findText(texto);
    QVERIFY2(indice >= 0, qPrintable(u"a lista não tem "_s + texto));
    anterior = qInstallMessageHandler(filtrarAvisoDaLista);
    lista->showPopup();
    qInstallMessageHandler(anterior);
    QAbstractItemView *vista = lista->view();
    QTRY_VERIFY(vista->isVisible());
    const QPoint ponto = vista->visualRect(vista->model()->index(indice, 0)).center();
    QTest::mouseMove(vista->viewport(), ponto);
    QTest::mouseClick(vista->viewport(), Qt::LeftButton, {}, ponto);
    QTRY_VERIFY(!vista->isVisible());
    QCOMPARE(lista->currentText(), texto);
}

QStringList entradas(const QComboBox *lista) {
    QStringList textos;
    for (int i = 0; i < lista->count(); ++i)
        textos << lista->itemText(i);
    return textos;
}

QString textoDe(const QWidget *tela, const QString &nome) {
    const auto *rotulo = tela->findChild<QLabel *>(nome);
    return rotulo ? rotulo->text() : u"<sem "_s + nome + u">"_s;
}

void irPara(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
}

void converter(const QString &origem, const QString &de, const QString &para, const QString &codigo,
               const QString &palavra) {
    if (origem == u"tabua"_s) {
        Tobj_Form_FormTabua *tela = obj_Form_FormTabua;
        irPara(tela);
        EXIGIR(escolher(tela->obj_Combo_De, de));
        EXIGIR(escolher(tela->obj_Combo_Para, para));
        programa::digitar(tela->obj_Edit_ConverteCodigo, codigo);
        programa::clicar(tela->obj_Bt_Converter_Ok);
    } else if (origem == u"conversao"_s) {
        Tobj_Form_FormDescricaoConversao *tela = obj_Form_FormDescricaoConversao;
        tela->strCodigoFamilia = codigo;
        irPara(tela);
        EXIGIR(escolher(tela->obj_Combo_Para, para));
        programa::clicar(tela->obj_Bt_Ok);
    } else {
        Tobj_Form_FormTabuaTitulo *busca = obj_Form_FormTabuaTitulo;
        irPara(busca);
        EXIGIR(escolher(busca->obj_Combo_De, de));
        busca->obj_Edit_ConverteTitulo->clear();
        programa::digitar(busca->obj_Edit_ConverteTitulo, palavra);
        programa::clicar(busca->obj_Bt_Converter_Procurar);
        Tobj_Form_FormRespostaTabuaTitulo *titulos = obj_Form_FormRespostaTabuaTitulo;
        QCOMPARE(navegacao::telaAtual(), titulos);
        for (int i = 0; i < titulos->linhas; ++i) {
            const auto &linha = titulos->linhasTitulos[i];
            if (titulos->strCodigoLinha[i] != codigo || !linha.obj_Bt_Ok->isVisible())
                continue;
            EXIGIR(escolher(linha.obj_Combo_De, para));
            programa::clicar(linha.obj_Bt_Ok);
            return;
        }
        QFAIL(qPrintable(u"nenhuma linha com o código "_s + codigo));
    }
}

QStringList linhasDaGrade() {
    const Grade *grade = obj_Form_FormRespostaTabua->obj_SortGrid_Tabua_Codigo;
    QStringList linhas;
    for (int r = 0; r < grade->totalLinhas(); ++r)
        linhas << grade->celula(0, r);
    return linhas;
}

} // namespace apoio_conversao
