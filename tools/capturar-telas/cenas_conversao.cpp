// The conversion screens and their results, filled.

#include "cenas.h"

#include "navegacao.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"
#include "unit_global.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace cenas {

namespace {

void ir(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
}

void escolher(QComboBox *lista, const QString &base) {
    lista->setCurrentIndex(lista->findText(base));
}

// The conversion by code with its inputs filled, as the user leaves them
// before pressing OK.
void preencherTabua(const QString &de, const QString &codigo, const QString &para) {
    ir(obj_Form_FormTabua);
    escolher(obj_Form_FormTabua->obj_Combo_De, de);
    obj_Form_FormTabua->prcTabuaMudarBaseDe();
    escolher(obj_Form_FormTabua->obj_Combo_Para, para);
    obj_Form_FormTabua->prcTabuaMudarBasePara();
    obj_Form_FormTabua->obj_Edit_ConverteCodigo->setText(codigo);
}

void procurarTitulos(const QString &base, const QString &palavra) {
    ir(obj_Form_FormTabuaTitulo);
    escolher(obj_Form_FormTabuaTitulo->obj_Combo_De, base);
    obj_Form_FormTabuaTitulo->obj_Edit_ConverteTitulo->setText(palavra);
}

} // namespace

QWidget *converterCodigo(const QString &de, const QString &codigo, const QString &para) {
    preencherTabua(de, codigo, para);
    obj_Form_FormTabua->prcTabuaTestaConverterEnvia();
    return obj_Form_FormRespostaTabua;
}

QWidget *listarTitulos(const QString &base, const QString &palavra) {
    procurarTitulos(base, palavra);
    obj_Form_FormTabuaTitulo->prcTabuaTestaConverterEnvia();
    return obj_Form_FormRespostaTabuaTitulo;
}

void daConversao(QList<Cena> &lista) {
    lista << Cena{u"conversao_Tabua"_s, [] {
                      preencherTabua(baseZel2002, u"0232"_s, baseZel94);
                      return static_cast<QWidget *>(obj_Form_FormTabua);
                  }};
    lista << Cena{u"conversao_RespostaTabua_Zel94"_s,
                  [] { return converterCodigo(baseZel2002, u"0111"_s, baseZel94); }};
    lista << Cena{u"conversao_RespostaTabua_Excluida"_s,
                  [] { return converterCodigo(baseZel94, u"32034"_s, baseZel2002); }};
    lista << Cena{u"conversao_TabuaTitulo"_s, [] {
                      procurarTitulos(baseZel2002, u"médic"_s);
                      return static_cast<QWidget *>(obj_Form_FormTabuaTitulo);
                  }};
    lista << Cena{u"conversao_RespostaTabuaTitulo"_s,
                  [] { return listarTitulos(baseZel2002, u"médic"_s); }};
    lista << Cena{u"conversao_RespostaTabua_Titulo"_s, [] {
                      auto &linha = obj_Form_FormRespostaTabuaTitulo->linhasTitulos[2];
                      escolher(linha.obj_Combo_De, baseCiuo88);
                      obj_Form_FormRespostaTabuaTitulo->obj_Bt_OkClick(3);
                      return static_cast<QWidget *>(obj_Form_FormRespostaTabua);
                  }};
    // Long titles in bold: 62 characters and "...", clear of the target lists.
    lista << Cena{u"conversao_RespostaTabuaTitulo_Longos"_s,
                  [] { return listarTitulos(baseZel94, u"outros professores"_s); }};
    lista << Cena{u"conversao_DescricaoConversao"_s, [] {
                      obj_Form_FormDescricaoConversao->strCodigoFamilia = u"0232"_s;
                      ir(obj_Form_FormDescricaoConversao);
                      escolher(obj_Form_FormDescricaoConversao->obj_Combo_Para, baseCiuo88);
                      return static_cast<QWidget *>(obj_Form_FormDescricaoConversao);
                  }};
    lista << Cena{u"conversao_RespostaTabua_Familia"_s, [] {
                      obj_Form_FormDescricaoConversao->prcTabuaTestaConverterEnvia();
                      return static_cast<QWidget *>(obj_Form_FormRespostaTabua);
                  }};
}

} // namespace cenas
