// The longest texts of the classification in use, found by querying it, on
// every screen that shows them; each notice of the program; page numbers of
// three digits. What they show must fit, or end with "…" and show whole as a
// tooltip.

#include "cenas.h"

#include "consulta.h"
#include "navegacao.h"
#include "paginador.h"
#include "rotulo_link.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormInicial.h"
#include "unit_FormMODALAviso.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_global.h"

#include <QComboBox>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace cenas {

namespace {

// The first value of a query on the classification, or an empty text.
QString consultar(const QString &sql) {
    Consulta consulta;
    consulta.definirSql({sql});
    consulta.definirBanco(fncCaminhoDados());
    consulta.fechar();
    consulta.abrir();
    return consulta.fimDados() ? QString() : consulta.campo(consulta.colunas().front());
}

// `resultado` of a row of `de` (a table, or tables joined) whose `texto` is
// the longest among the rows that `filtro` keeps. The query is written
// without ORDER BY, which the dialect adapter gives a collation.
QString doMaisLongo(const QString &resultado, const QString &de, const QString &texto,
                    const QString &filtro = u"1 = 1"_s) {
    return consultar(u"select "_s + resultado + u" from "_s + de + u" where "_s + filtro +
                     u" and length("_s + texto + u") = (select max(length("_s + texto +
                     u")) from "_s + de + u" where "_s + filtro + u") limit 1"_s);
}

// The longest title of a family, an occupation or a synonym.
QString tituloMaisLongo() {
    QString maisLongo;
    for (const auto &[tabela, coluna] :
         {std::pair{u"TOcupacao"_s, u"nom_ocup"_s}, std::pair{u"TSinonimo"_s, u"nom_sin"_s},
          std::pair{u"TFamilia"_s, u"tit_familia"_s}}) {
        const QString titulo = doMaisLongo(coluna, tabela, coluna);
        if (titulo.size() > maisLongo.size())
            maisLongo = titulo;
    }
    return maisLongo;
}

QString familiaDaOcupacaoMaisLonga() {
    return doMaisLongo(u"cod_familia"_s, u"TOcupacao"_s, u"nom_ocup"_s);
}

QWidget *mostrar(TelaPrincipal *tela) {
    navegacao::irPara(navegacao::telaAtual(), tela);
    return tela;
}

void escolherPeloInicio(QComboBox *lista, const QString &inicio) {
    for (int i = 0; i < lista->count(); ++i)
        if (lista->itemText(i).startsWith(inicio + u" "_s)) {
            lista->setCurrentIndex(i);
            return;
        }
}

void escolherTexto(QComboBox *lista, const QString &texto) {
    lista->setCurrentIndex(lista->findText(texto));
}

// The description of `familia`, filled as when a row opens it: from another
// screen, since the navigation does not show the screen on view again.
QWidget *descricao(const QString &familia) {
    if (navegacao::telaAtual() == obj_Form_FormDescricao)
        mostrar(obj_Form_FormInicial);
    TelaFamilia::abrir(navegacao::telaAtual(), IdTela::FormDescricao, familia);
    return obj_Form_FormDescricao;
}

// The structure browser down to the subgroup `subgrupo` (three characters).
QWidget *estrutura(const QString &subgrupo) {
    auto *tela = obj_Form_FormBuscaEstrutura;
    mostrar(tela);
    tela->obj_ComboBoxGrandeGrupo->setCurrentIndex(subgrupo.left(1).toInt());
    escolherPeloInicio(tela->obj_ComboBoxSGP, subgrupo.left(2));
    escolherPeloInicio(tela->obj_ComboBoxSubGrupo, subgrupo);
    return tela;
}

// Ten blocks on: pages 101 to 110.
void blocoDasCentenas(Paginador *paginador) {
    for (int bloco = 1; bloco <= 10 && paginador->obj_Bt_Pagina_Mais->isVisibleTo(
                                           paginador->obj_Bt_Pagina_Mais->window());
         ++bloco)
        paginador->prcMudaPagina_Mais();
}

void dosTitulosLongos(QList<Cena> &lista) {
    lista << Cena{u"longos_Descricao_ocupacao"_s,
                  [] { return descricao(familiaDaOcupacaoMaisLonga()); }};
    lista << Cena{u"longos_Descricao_sinonimo"_s, [] {
                      return descricao(doMaisLongo(
                          u"o.cod_familia"_s,
                          u"TSinonimo s join TOcupacao o on o.cod_int_ocup = s.cod_int_ocup"_s,
                          u"s.nom_sin"_s));
                  }};
    lista << Cena{u"longos_Descricao_afins"_s, [] {
                      return descricao(doMaisLongo(
                          u"a.cod_familia"_s,
                          u"TAfinidade a join TFamilia f on f.cod_familia = a.cod_familia_afim"_s,
                          u"f.tit_familia"_s));
                  }};
    lista << Cena{u"longos_RespostaBusca"_s, [] {
                      mostrar(obj_Form_FormInicial);
                      obj_Form_FormInicial->obj_Edit_BuscaTitulo->setText(tituloMaisLongo());
                      obj_Form_FormInicial->prcTestaBuscaTitulo_Procurar();
                      return navegacao::telaAtual();
                  }};
    lista << Cena{u"longos_RespostaBuscaCodigo"_s, [] {
                      mostrar(obj_Form_FormBuscaCodigo);
                      obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo->setText(
                          familiaDaOcupacaoMaisLonga());
                      obj_Form_FormBuscaCodigo->prcTestaBuscaCodigoEnvia();
                      return navegacao::telaAtual();
                  }};
    lista << Cena{u"longos_BuscaTituloAZ"_s, [] {
                      auto *tela = obj_Form_FormBuscaTituloAZ;
                      mostrar(tela);
                      tela->obj_Edit_BuscaTitulosAZ->setText(tituloMaisLongo());
                      tela->prcTestaBuscaTitulosAZEnvia();
                      return tela;
                  }};
}

void daEstrutura(QList<Cena> &lista) {
    // The longest title of each level, each chosen under the longest above.
    lista << Cena{u"longos_BuscaEstrutura_listas"_s, [] {
                      const QString grande =
                          doMaisLongo(u"Cod_Gde_Gp"_s, u"TGrande_Grupo"_s, u"Tit_Gde_Gp"_s);
                      const QString principal =
                          doMaisLongo(u"Cod_Sgp_Pcp"_s, u"TSubgrupo_Principal"_s, u"Tit_Sgp_Pcp"_s,
                                      u"Cod_Gde_Gp = '"_s + grande + u"'"_s);
                      const QString subgrupo =
                          doMaisLongo(u"Cod_Sgp"_s, u"TSubgrupo"_s, u"Tit_Sgp"_s,
                                      u"Cod_Sgp_Pcp = '"_s + principal + u"'"_s);
                      return estrutura(subgrupo);
                  }};
    lista << Cena{u"longos_BuscaEstrutura_lista_aberta"_s, [] {
                      auto *tela = obj_Form_FormBuscaEstrutura;
                      tela->obj_ComboBoxGrandeGrupo->showPopup();
                      return static_cast<QWidget *>(tela);
                  }};
    lista << Cena{u"longos_BuscaEstrutura_familias"_s, [] {
                      obj_Form_FormBuscaEstrutura->obj_ComboBoxGrandeGrupo->hidePopup();
                      return estrutura(doMaisLongo(u"Cod_Sgp"_s, u"TFamilia"_s, u"tit_familia"_s));
                  }};
}

void daConversaoLonga(QList<Cena> &lista) {
    lista << Cena{u"longos_RespostaTabua_ocupacao"_s, [] {
                      return converterCodigo(
                          baseZel2002,
                          doMaisLongo(u"o.cod_familia || o.cod_ocup"_s,
                                      u"TOcupacao o join TOcup_2000_94 x on x.cod_int_ocup = "
                                      u"o.cod_int_ocup"_s,
                                      u"o.nom_ocup"_s),
                          baseZel94);
                  }};
    lista << Cena{u"longos_RespostaTabua_excluida"_s, [] {
                      return converterCodigo(
                          baseZel94,
                          doMaisLongo(u"Cod_Ocup_Zel94"_s, u"TOcupacao94"_s, u"Nom_Ocup94"_s,
                                      u"Tp_Situacao <> 'AT' and Cod_Ocup_Zel94 in (select "
                                      u"Cod_Ocup_Zel94 from TOcup_2000_94)"_s),
                          baseZel2002);
                  }};
    lista << Cena{u"longos_RespostaTabua_familia"_s, [] {
                      obj_Form_FormDescricaoConversao->strCodigoFamilia =
                          doMaisLongo(u"cod_familia"_s, u"TFamilia"_s, u"tit_familia"_s);
                      mostrar(obj_Form_FormDescricaoConversao);
                      escolherTexto(obj_Form_FormDescricaoConversao->obj_Combo_Para, baseCiuo88);
                      obj_Form_FormDescricaoConversao->prcTabuaTestaConverterEnvia();
                      return navegacao::telaAtual();
                  }};
    lista << Cena{u"longos_RespostaTabuaTitulo_zel94"_s, [] {
                      return listarTitulos(baseZel94, doMaisLongo(u"Nom_Ocup94"_s, u"TOcupacao94"_s,
                                                                  u"Nom_Ocup94"_s));
                  }};
    lista << Cena{u"longos_RespostaTabuaTitulo_ciuo88"_s, [] {
                      return listarTitulos(baseCiuo88, doMaisLongo(u"Tit_Grp_Base_CIUO88"_s,
                                                                   u"TGrupo_Base_CIUO88"_s,
                                                                   u"Tit_Grp_Base_CIUO88"_s));
                  }};
}

void dasCentenas(QList<Cena> &lista) {
    lista << Cena{u"longos_BuscaTituloAZ_centenas"_s, [] {
                      auto *tela = obj_Form_FormBuscaTituloAZ;
                      mostrar(tela);
                      tela->obj_Edit_BuscaTitulosAZ->setText(u"a"_s);
                      tela->prcTestaBuscaTitulosAZEnvia();
                      blocoDasCentenas(tela->paginador);
                      return tela;
                  }};
    lista << Cena{u"longos_RespostaTabuaTitulo_centenas"_s, [] {
                      listarTitulos(baseZel2002, u"a"_s);
                      blocoDasCentenas(obj_Form_FormRespostaTabuaTitulo->paginador);
                      return static_cast<QWidget *>(obj_Form_FormRespostaTabuaTitulo);
                  }};
}

} // namespace

QStringList textosDosAvisos() {
    return {u"Digite a palavra para Busca"_s,
            u"Não foi encontrado\rnenhum registro para busca"_s,
            u"Digite um código para Busca\rexemplo: 5151 ou 515105"_s,
            u"O código digitado\rnão parece ser válido\rexemplo: 1234 ou 123466"_s,
            u"Você deve escolher uma\rdas opções de pesquisa"_s,
            u"Nenhum Grande Grupo encontrado"_s,
            u"Nenhum SubGrupo Principal encontrado"_s,
            u"Nenhum SubGrupo \rencontrado"_s,
            u"Nenhum Família \rencontrada"_s,
            u"Você deve informar a\rbase inicial para conversão"_s,
            u"Você deve informar a\rbase final para conversão"_s,
            u"Você deve informar um\rcódigo para conversão"_s,
            u"O código digitado\rnão parece ser válido\rex: 1234, 12345 ou 123466"_s,
            u"Você deve informar a\rbase para conversão"_s,
            u"Você deve informar uma\rpalavra para busca"_s,
            u"Não foi encontrado\rnenhum registro para\rconversão"_s,
            u"Não foi encontrado\rnenhum registro para conversão"_s};
}

void dosTextosLongos(QList<Cena> &lista) {
    dosTitulosLongos(lista);
    daEstrutura(lista);
    daConversaoLonga(lista);
    dasCentenas(lista);
    const QStringList avisos = textosDosAvisos();
    for (int i = 0; i < avisos.size(); ++i)
        lista << Cena{u"longos_Aviso_"_s + QString::number(i + 1), [texto = avisos[i]] {
                          obj_Form_Aviso_MODAL->definirTexto(texto);
                          return static_cast<QWidget *>(obj_Form_Aviso_MODAL);
                      }};
}

} // namespace cenas
