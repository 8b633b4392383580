// The SQL dialect adapter and the text functions it gives the engine.

#include "dialeto.h"
#include "textos.h"

#include <QTest>

class TesteDialeto : public QObject {
    Q_OBJECT
private slots:
    void traducao_data();
    void traducao();
    void parametro_data();
    void parametro();
    void minusculas_data();
    void minusculas();
    void maiusculas_data();
    void maiusculas();
    void ordemPortuguesa();
};

void TesteDialeto::traducao_data() {
    QTest::addColumn<QString>("origem");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("concatenação") << "select a + ' - ' + b as t from x"
                                  << "select a || ' - ' || b as t from x";
    QTest::newRow("literal intocado") << "select 'a + b', \"c + d\" from x where y = 'it''s + ok'"
                                      << "select 'a + b', \"c + d\" from x where y = 'it''s + ok'";
    QTest::newRow("substring") << "where substring(T.Cod from 4 for 2) <> '90'"
                               << "where substr(T.Cod , 4 , 2) <> '90'";
    QTest::newRow("substring com expressão") << "substring(a + b from 1 for 3)"
                                             << "substr(a || b , 1 , 3)";
    QTest::newRow("from fora do substring")
        << "select x from t where substring(c from 2 for 1) = 'a'"
        << "select x from t where substr(c , 2 , 1) = 'a'";
    QTest::newRow("ordem por título") << "select a as titulo from t order by titulo"
                                      << "select a as titulo from t order by titulo collate zel_pt";
    QTest::newRow("ordem por código") << "select a as codigo from t order by codigo "
                                      << "select a as codigo from t order by codigo ";
    QTest::newRow("ordem por coluna qualificada") << "Order by TSinonimo.nom_sin"
                                                  << "Order by TSinonimo.nom_sin collate zel_pt";
    QTest::newRow("ordem por código qualificado") << "ORDER BY TSinonimo.cod_sin"
                                                  << "ORDER BY TSinonimo.cod_sin";
    QTest::newRow("vários termos") << "order by titulo, codigo, nome"
                                   << "order by titulo collate zel_pt, codigo, nome collate zel_pt";
    QTest::newRow("ordem dentro de parênteses")
        << "select * from (select t from x order by t) y"
        << "select * from (select t from x order by t collate zel_pt) y";
    QTest::newRow("parâmetro intocado") << "where a like lower(:busca)"
                                        << "where a like lower(:busca)";
    QTest::newRow("sem fim de literal") << "select 'aberto + x"
                                        << "select 'aberto + x";
    QTest::newRow("acentos em literal") << "select 'Família  ' + x as tipo"
                                        << "select 'Família  ' || x as tipo";
}

void TesteDialeto::traducao() {
    QFETCH(QString, origem);
    QFETCH(QString, esperado);
    QCOMPARE(QString::fromStdString(dialeto::traduzir(origem.toStdString())), esperado);
}

void TesteDialeto::parametro_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<bool>("declara");
    QTest::newRow("presente") << "where a = :busca" << true;
    QTest::newRow("maiúsculas") << "where a = :BUSCA" << true;
    QTest::newRow("ausente") << "where a = '1234'" << false;
    QTest::newRow("dentro de literal") << "where a = ':busca'" << false;
    QTest::newRow("outro nome") << "where a = :buscas" << false;
}

void TesteDialeto::parametro() {
    QFETCH(QString, sql);
    QFETCH(bool, declara);
    QCOMPARE(dialeto::declaraParametro(sql.toStdString(), "busca"), declara);
}

void TesteDialeto::minusculas_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("ascii") << "Operador De Máquinas"
                           << "operador de maquinas";
    QTest::newRow("acentos maiúsculos") << "MÉDICO CIRURGIÃO"
                                        << "medico cirurgiao";
    QTest::newRow("cedilha e til") << "Açougueiro, Ação"
                                   << "acougueiro, acao";
    QTest::newRow("todas as vogais") << "ÁÀÂÃÄ éèêë ÍÌÎÏ óòôõö ÚÙÛÜ"
                                     << "aaaaa eeee iiii ooooo uuuu";
    QTest::newRow("marca combinante") << QString::fromUtf8("me\xcc\x81"
                                                           "dico")
                                      << "medico";
    QTest::newRow("fora do latim") << "ΑΘΗΝΑ Ωmega"
                                   << "αθηνα ωmega";
    QTest::newRow("curinga intocado") << "%Téc_nico%"
                                      << "%tec_nico%";
    QTest::newRow("vazio") << ""
                           << "";
}

void TesteDialeto::minusculas() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    std::string saida;
    textos::minusculasSemAcento(texto.toStdString(), saida);
    QCOMPARE(QString::fromStdString(saida), esperado);
}

void TesteDialeto::maiusculas_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("ascii") << "operador 12"
                           << "OPERADOR 12";
    QTest::newRow("mantém acentos") << "médicos e cirurgiões"
                                    << "MÉDICOS E CIRURGIÕES";
    QTest::newRow("cedilha") << "açougueiros"
                             << "AÇOUGUEIROS";
}

void TesteDialeto::maiusculas() {
    QFETCH(QString, texto);
    QFETCH(QString, esperado);
    std::string saida;
    textos::maiusculas(texto.toStdString(), saida);
    QCOMPARE(QString::fromStdString(saida), esperado);
}

// Dictionary order: accents and case do not send a title to the end of the list.
void TesteDialeto::ordemPortuguesa() {
    QStringList titulos = {"Zelador", "árbitro", "Operador", "Árbitro de futebol",
                           "abade",   "Ótico",   "ourives",  "Éguas"};
    std::sort(titulos.begin(), titulos.end(), [](const QString &a, const QString &b) {
        return textos::compararPortugues(a.toStdString(), b.toStdString()) < 0;
    });
    QCOMPARE(titulos, (QStringList{"abade", "árbitro", "Árbitro de futebol", "Éguas", "Operador",
                                   "Ótico", "ourives", "Zelador"}));
}

QTEST_GUILESS_MAIN(TesteDialeto)
#include "tst_dialeto.moc"
