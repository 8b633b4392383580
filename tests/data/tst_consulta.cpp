// The query object and the catalogue's statements against a small classification.

#include "conexao.h"
#include "consulta.h"
#include "erro.h"
#include "fixtures.h"
#include "unit_global.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

class TesteConsulta : public QObject {
    Q_OBJECT
private slots:
    void comandos_data();
    void comandos();
    void buscaIgnoraCaixaEAcentos_data();
    void buscaIgnoraCaixaEAcentos();
    void navegacao();
    void resultadoGrandeDemais_data();
    void resultadoGrandeDemais();
    void campoPorNomeSemCaixa();
    void parametroSoQuandoDeclarado();
    void errosDoMotor_data();
    void errosDoMotor();
    void buscaQueOMotorNaoCompara_data();
    void buscaQueOMotorNaoCompara();
    void bancoNaoMuda();
    void arquivoSubstituidoEReaberto();

private:
    static QStringList linhas(Consulta &consulta);
    static Consulta abrir(const QStringList &sql, const QString &busca = QString(),
                          const QString &banco = fixtures::banco(u"basica"_s));
};

// Every row as its values joined by "|", in the order of the result's columns.
QStringList TesteConsulta::linhas(Consulta &consulta) {
    QStringList todas;
    for (consulta.primeiro(); !consulta.fimDados(); consulta.proximo()) {
        QStringList valores;
        for (const QString &coluna : consulta.colunas())
            valores << consulta.campo(coluna);
        todas << valores.join(u'|');
    }
    consulta.primeiro();
    return todas;
}

Consulta TesteConsulta::abrir(const QStringList &sql, const QString &busca, const QString &banco) {
    Consulta consulta;
    consulta.definirSql(sql);
    consulta.definirBanco(banco);
    consulta.fechar();
    if (!busca.isNull())
        consulta.definirBusca(busca);
    consulta.abrir();
    return consulta;
}

void TesteConsulta::comandos_data() {
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QString>("busca");
    QTest::addColumn<QStringList>("esperadas");
    QTest::addColumn<bool>("emOrdem"); // false: rows that tie on the sort key come in any order

    QTest::newRow("busca rápida em ordem de dicionário")
        << fncSqlBuscaRapida() << u"%médico%"_s
        << QStringList{u"Médico cirurgião|2111|Ocupação"_s, u"Médico clínico|2111|Ocupação"_s,
                       u"Médico operador|2111|Sinônimo"_s, u"Médico pediatra|2111|Ocupação"_s,
                       u"Médicos|2111|Família "_s}
        << true;
    QTest::newRow("busca por título: famílias, ocupações, sinônimos em blocos")
        << fncSqlBuscaTitulo(true, true, true, false, false, false) << u"%ÁRBITRO%"_s
        << QStringList{u"Árbitros desportivos|3111|Família  "_s,
                       u"Árbitro de futebol|3111|Ocupação "_s,
                       u"Árbitro esportivo|3111|Sinônimo "_s}
        << true;
    QTest::newRow("condições distinguem caixa")
        << fncSqlBuscaTitulo(false, false, false, true, false, false) << u"%trabalham%"_s
        << QStringList{} << true;
    QTest::newRow("condições, uma linha por registro")
        << fncSqlBuscaTitulo(false, false, false, true, false, false) << u"%Trabalham em%"_s
        << QStringList{u"Trabalham em universidades e centros de pesquisa.|0111|Condições"_s,
                       u"Trabalham em hospitais e clínicas, em turnos e plantões.|2111|Condições"_s,
                       u"Trabalham em laboratórios industriais.|3211|Condições"_s,
                       u"Trabalham em escritórios.|1111|Condições"_s}
        << false;
    QTest::newRow("formação e descrição")
        << fncSqlBuscaTitulo(false, false, false, false, true, true) << u"%Medicina%"_s
        << QStringList{u"Exige-se curso superior em Medicina.|2111|Formação "_s} << true;
    QTest::newRow("A-Z letra a: acentos e tipos")
        << fncSqlTitulosAZ() << u"a%"_s
        << QStringList{u"Árbitro de futebol|3111-01|30101|O"_s,
                       u"Árbitro esportivo|3111-01|30101|S"_s,
                       u"ÁRBITROS DESPORTIVOS|3111   |  -  |F"_s}
        << true;
    QTest::newRow("A-Z: uma linha por correspondência vigente, sem 90")
        << fncSqlTitulosAZ() << u"m%"_s
        << QStringList{u"Médico cirurgião|2111-02|20101|O"_s, u"Médico cirurgião|2111-02|20102|O"_s,
                       u"Médico clínico|2111-01|20101|O"_s,   u"Médico operador|2111-02|20101|S"_s,
                       u"Médico operador|2111-02|20102|S"_s,  u"MÉDICOS|2111   |  -  |F"_s}
        << false;
    QTest::newRow("A-Z: correspondência excluída some, família fica")
        << fncSqlTitulosAZ() << u"%quím%"_s << QStringList{u"TÉCNICOS QUÍMICOS|3211   |  -  |F"_s}
        << true;
    QTest::newRow("código de família: família primeiro, um valor para os dois :busca")
        << fncSqlBuscaCodigoFamilia() << u"2111"_s
        << QStringList{u"MÉDICOS|2111   |F"_s, u"Médico clínico|2111-01|O"_s,
                       u"Médico cirurgião|2111-02|O"_s, u"Médico pediatra|2111-03|O"_s}
        << true;
    QTest::newRow("código de família com zero à esquerda")
        << fncSqlBuscaCodigoFamilia() << u"0111"_s
        << QStringList{u"DOCENTES UNIVERSITÁRIOS|0111   |F"_s, u"Docente catedrático|0111-01|O"_s,
                       u"Docente adjunto|0111-02|O"_s}
        << true;
    QTest::newRow("código de ocupação") << fncSqlBuscaCodigoOcupacao(u"211102"_s) << QString()
                                        << QStringList{u"Médico cirurgião|2111-02|O"_s} << true;
    QTest::newRow("grandes grupos")
        << fncSqlGrandesGrupos() << QString()
        << QStringList{u"0|0 - Educação e pesquisa"_s, u"1|1 - Gestão e administração"_s,
                       u"2|2 - Saúde e cuidado às pessoas"_s, u"3|3 - Técnicas, esportes e lazer"_s}
        << true;
    QTest::newRow("subgrupos principais do quarto grande grupo")
        << fncSqlSubgruposPrincipais(u"3"_s) << QString()
        << QStringList{u"31|31 - Profissionais do esporte e do lazer"_s,
                       u"32|32 - Técnicos de laboratório e de processos químicos"_s}
        << true;
    QTest::newRow("subgrupos principais do grupo 0")
        << fncSqlSubgruposPrincipais(u"0"_s) << QString() << QStringList{u"01|01 - Professores"_s}
        << true;
    QTest::newRow("subgrupos") << fncSqlSubgrupos(u"21"_s) << QString()
                               << QStringList{u"211|211 - Médicos e cirurgiões-dentistas"_s}
                               << true;
    QTest::newRow("famílias do subgrupo, em maiúsculas")
        << fncSqlFamiliasDoSubgrupo(u"211"_s) << QString()
        << QStringList{u"2111|2111 - MÉDICOS"_s, u"2112|2112 - CIRURGIÕES-DENTISTAS"_s} << true;
    QTest::newRow("descrição sumária")
        << fncSqlDescricaoSumaria(u"2112"_s) << QString()
        << QStringList{u"Examinam e tratam os dentes e a boca dos pacientes."_s} << true;
    QTest::newRow("duas exceções")
        << fncSqlExcecoes(u"0111"_s) << QString()
        << QStringList{u"Não compreende professores da educação básica."_s,
                       u"Não compreende professores substitutos."_s}
        << true;
    QTest::newRow("sem exceções") << fncSqlExcecoes(u"2112"_s) << QString() << QStringList{}
                                  << true;
    QTest::newRow("condições")
        << fncSqlCondicoes(u"0111"_s) << QString()
        << QStringList{u"Trabalham em universidades e centros de pesquisa."_s,
                       u"Podem atuar em intercâmbios internacionais."_s}
        << true;
    QTest::newRow("formação") << fncSqlFormacao(u"3211"_s) << QString()
                              << QStringList{u"Curso técnico em química."_s} << true;
    QTest::newRow("ocupações da família")
        << fncSqlOcupacoesDaFamilia(u"2111"_s) << QString()
        << QStringList{u"2111-01  Médico clínico|3"_s, u"2111-02  Médico cirurgião|4"_s,
                       u"2111-03  Médico pediatra|5"_s}
        << true;
    QTest::newRow("afins: par guardado à esquerda e à direita")
        << fncSqlFamiliasAfins(u"2111"_s) << QString()
        << QStringList{u"2112 - Cirurgiões-dentistas|2111"_s, u"3211 - Técnicos químicos|2111"_s}
        << true;
    QTest::newRow("afins: par guardado uma vez aparece para a outra família")
        << fncSqlFamiliasAfins(u"2112"_s) << QString() << QStringList{u"2111 - Médicos|2112"_s}
        << true;
    QTest::newRow("afins: par guardado nos dois sentidos aparece duas vezes")
        << fncSqlFamiliasAfins(u"1111"_s) << QString()
        << QStringList{u"2211 - Professores de educação infantil|1111"_s,
                       u"2211 - Professores de educação infantil|1111"_s}
        << true;
    QTest::newRow("sinônimos na ordem guardada (família com 0)")
        << fncSqlSinonimos(u"0111"_s, u"1"_s) << QString()
        << QStringList{u"Lente catedrático|1"_s, u"Doutor titular|2"_s} << true;
    QTest::newRow("sinônimos em ordem alfabética")
        << fncSqlSinonimos(u"2111"_s, u"4"_s) << QString()
        << QStringList{u"Cirurgião geral"_s, u"Médico operador"_s} << true;
    QTest::newRow("2002->94 família: distintas, só vigentes")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"2111"_s) << u"2111"_s
        << QStringList{u"20101|Médico de clínica geral"_s, u"20102|Médico cirurgião"_s,
                       u"20190|Outros médicos"_s}
        << true;
    QTest::newRow("2002->94 família só com excluídas")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"3211"_s) << u"3211"_s << QStringList{}
        << true;
    QTest::newRow("2002->94 ocupação")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"211102"_s) << QString()
        << QStringList{u"20101|Médico de clínica geral"_s, u"20102|Médico cirurgião"_s} << true;
    QTest::newRow("2002->94 cinco caracteres não acha")
        << fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"21110"_s) << QString() << QStringList{}
        << true;
    QTest::newRow("2002->CIUO88") << fncSqlConversao(u"ZEL2002"_s, u"CIUO88"_s, u"2112"_s)
                                  << u"2112"_s << QStringList{u"2102|DENTISTAS"_s} << true;
    QTest::newRow("94->2002 vigente")
        << fncSqlConversao(u"ZEL94"_s, u"ZEL2002"_s, u"20101"_s) << u"20101"_s
        << QStringList{u"2111|Médicos|2111-01|Médico clínico|20101|AT"_s,
                       u"2111|Médicos|2111-02|Médico cirurgião|20101|AT"_s,
                       u"2112|Cirurgiões-dentistas|2112-01|Cirurgião-dentista clínico geral|20101|AT"_s}
        << true;
    QTest::newRow("94->2002 excluída")
        << fncSqlConversao(u"ZEL94"_s, u"ZEL2002"_s, u"30201"_s) << u"30201"_s
        << QStringList{u"3211|Técnicos químicos|3211-01|Técnico químico|30201|EX"_s,
                       u"3211|Técnicos químicos|3211-02|Técnico em análises químicas|30201|EX"_s}
        << true;
    QTest::newRow("CIUO88->2002") << fncSqlConversao(u"CIUO88"_s, u"ZEL2002"_s, u"2101"_s)
                                  << u"2101"_s
                                  << QStringList{u"2111-01|Médico clínico"_s,
                                                 u"2111-02|Médico cirurgião"_s,
                                                 u"2111-03|Médico pediatra"_s}
                                  << true;
    QTest::newRow("origem família") << fncSqlTabuaOrigem(u"2111"_s, u"ZEL2002"_s) << QString()
                                    << QStringList{u"2111|Médicos"_s} << true;
    QTest::newRow("origem ocupação com título da família")
        << fncSqlTabuaOrigem(u"211102"_s, u"ZEL2002"_s) << QString()
        << QStringList{u"2111-02|Médicos"_s} << true;
    QTest::newRow("origem ZEL94") << fncSqlTabuaOrigem(u"20101"_s, u"ZEL94"_s) << QString()
                                  << QStringList{u"20101|Médico de clínica geral"_s} << true;
    QTest::newRow("origem CIUO88") << fncSqlTabuaOrigem(u"2101"_s, u"CIUO88"_s) << QString()
                                   << QStringList{u"2101|Médicos"_s} << true;
    QTest::newRow("títulos base 2002")
        << fncSqlTabuaTituloBase2002() << u"%MEDIC%"_s
        << QStringList{u"Médico cirurgião|2111|O"_s, u"Médico clínico|2111|O"_s,
                       u"Médico operador|2111|S"_s, u"Médico pediatra|2111|O"_s,
                       u"MÉDICOS|2111|F"_s}
        << true;
    QTest::newRow("títulos base 94")
        << fncSqlTabuaTituloBase94() << u"%médico%"_s
        << QStringList{u"Médico cirurgião|20102|O"_s, u"Médico de clínica geral|20101|O"_s,
                       u"Outros médicos|20190|O"_s}
        << true;
    QTest::newRow("títulos CIUO88") << fncSqlTabuaTituloCiuo88() << u"%dentista%"_s
                                    << QStringList{u"DENTISTAS|2102|F"_s} << true;
    QTest::newRow("curingas do usuário") << fncSqlBuscaRapida() << u"%m_dico p%"_s
                                         << QStringList{u"Médico pediatra|2111|Ocupação"_s} << true;
    QTest::newRow("aspas no texto buscado")
        << fncSqlBuscaRapida() << u"%d'água%"_s << QStringList{} << true;
}

void TesteConsulta::comandos() {
    QFETCH(QStringList, sql);
    QFETCH(QString, busca);
    QFETCH(QStringList, esperadas);
    QFETCH(bool, emOrdem);
    Consulta consulta = abrir(sql, busca);
    QCOMPARE(consulta.totalLinhas(), esperadas.size());
    QCOMPARE(consulta.fimDados(), esperadas.isEmpty());
    QStringList obtidas = linhas(consulta);
    if (!emOrdem) {
        obtidas.sort();
        esperadas.sort();
    }
    QCOMPARE(obtidas, esperadas);
}

void TesteConsulta::buscaIgnoraCaixaEAcentos_data() {
    QTest::addColumn<QString>("palavra");
    for (const QString &palavra :
         {u"medico clinico"_s, u"MÉDICO CLÍNICO"_s, u"Médico clínico"_s, u"mEdIcO ClInIcO"_s})
        QTest::newRow(palavra.toUtf8().constData()) << palavra;
}

void TesteConsulta::buscaIgnoraCaixaEAcentos() {
    QFETCH(QString, palavra);
    Consulta consulta = abrir(fncSqlBuscaRapida(), u"%"_s + palavra + u"%"_s);
    QCOMPARE(linhas(consulta), QStringList{u"Médico clínico|2111|Ocupação"_s});
}

void TesteConsulta::navegacao() {
    Consulta consulta = abrir(fncSqlBuscaCodigoFamilia(), u"2111"_s);
    QCOMPARE(consulta.totalLinhas(), 4);
    consulta.moverPor(2);
    QCOMPARE(consulta.campo(u"codigo"_s), u"2111-02"_s);
    consulta.proximo();
    QVERIFY(!consulta.fimDados());
    consulta.proximo();
    QVERIFY(consulta.fimDados());
    QCOMPARE(consulta.campo(u"codigo"_s), QString());
    consulta.moverPor(10);
    QVERIFY(consulta.fimDados());
    consulta.primeiro();
    QCOMPARE(consulta.campo(u"tipo"_s), u"F"_s);
    consulta.moverPor(-5);
    QCOMPARE(consulta.campo(u"tipo"_s), u"F"_s);
    // Moves as far as an int goes stop at the ends.
    consulta.proximo();
    consulta.moverPor(std::numeric_limits<int>::max());
    QVERIFY(consulta.fimDados());
    consulta.moverPor(std::numeric_limits<int>::min());
    QCOMPARE(consulta.campo(u"tipo"_s), u"F"_s);

    Consulta vazia = abrir(fncSqlBuscaCodigoFamilia(), u"9999"_s);
    QVERIFY(vazia.fimDados());
    QCOMPARE(vazia.totalLinhas(), 0);
}

void TesteConsulta::resultadoGrandeDemais_data() {
    QTest::addColumn<int>("linhas");
    QTest::addColumn<int>("bytes");
    // The family 2111 and its three occupations: 4 rows, 90 bytes of values.
    QTest::newRow("uma linha a mais") << 3 << 1000;
    QTest::newRow("um byte a mais") << 1000 << 89;
}

// A result past what the offsets can locate is refused with a clear error,
// the query left closed; within the limits it is read whole.
void TesteConsulta::resultadoGrandeDemais() {
    QFETCH(int, linhas);
    QFETCH(int, bytes);
    const Consulta inteira = abrir(fncSqlBuscaCodigoFamilia(), u"2111"_s);
    QCOMPARE(inteira.totalLinhas(), 4);
    struct Restaurar {
        ~Restaurar() { Consulta::definirLimites({}); }
    } restaurar;
    Consulta::definirLimites({size_t(bytes), linhas});
    Consulta consulta;
    consulta.definirSql(fncSqlBuscaCodigoFamilia());
    consulta.definirBanco(fixtures::banco(u"basica"_s));
    consulta.definirBusca(u"2111"_s);
    try {
        consulta.abrir();
        QFAIL("o resultado grande demais foi aceito");
    } catch (const ErroBanco &erro) {
        QCOMPARE(erro.texto(), u"O resultado da consulta passa do que o programa pode guardar "_s
                               u"(%1 linhas, %2 bytes): "_s.arg(linhas)
                                       .arg(bytes) +
                                   fixtures::banco(u"basica"_s) + u"/zel2002.db"_s);
    }
    QVERIFY(consulta.fimDados());
    QCOMPARE(consulta.totalLinhas(), 0);
    Consulta::definirLimites({90, 4});
    consulta.abrir();
    QCOMPARE(consulta.totalLinhas(), 4);
    consulta.moverPor(3);
    QCOMPARE(consulta.campo(u"codigo"_s), u"2111-03"_s);
}

void TesteConsulta::campoPorNomeSemCaixa() {
    Consulta consulta = abrir(fncSqlConversao(u"ZEL94"_s, u"ZEL2002"_s, u"20101"_s), u"20101"_s);
    QCOMPARE(consulta.campo(u"CODIGO_FAMILIA"_s), u"2111"_s);
    QCOMPARE(consulta.campo(u"tp_situacao"_s), u"AT"_s);
    QVERIFY_THROWS_EXCEPTION(ErroBanco, consulta.campo(u"inexistente"_s));
}

void TesteConsulta::parametroSoQuandoDeclarado() {
    Consulta consulta;
    consulta.definirSql(fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"2111"_s));
    QVERIFY(consulta.temParametroBusca());
    consulta.definirSql(fncSqlConversao(u"ZEL2002"_s, u"ZEL94"_s, u"211102"_s));
    QVERIFY(!consulta.temParametroBusca());
}

void TesteConsulta::errosDoMotor_data() {
    QTest::addColumn<QString>("banco");
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QString>("mensagem");

    static QTemporaryDir vazio;
    static QTemporaryDir semTabela;
    static QTemporaryDir corrompido;
    static QTemporaryDir vazioDeZeroBytes;
    {
        sqlite3 *db = nullptr;
        sqlite3_open((semTabela.path() + u"/zel2002.db"_s).toUtf8().constData(), &db);
        sqlite3_exec(db, "CREATE TABLE TFamilia (cod_familia TEXT)", nullptr, nullptr, nullptr);
        sqlite3_close(db);
        QFile lixo(corrompido.path() + u"/zel2002.db"_s);
        QVERIFY(lixo.open(QIODevice::WriteOnly));
        lixo.write(QByteArray(8192, 'x'));
        QFile zero(vazioDeZeroBytes.path() + u"/zel2002.db"_s);
        QVERIFY(zero.open(QIODevice::WriteOnly));
    }
    const QString basica = fixtures::banco(u"basica"_s);
    // The engine's message under what it means, with the database file.
    const auto motor = [](const QString &explicacao, const QString &banco,
                          const QString &mensagem) {
        return explicacao + u": "_s + banco + u"/zel2002.db\n("_s + mensagem + u")"_s;
    };
    const QString estrutura = u"O banco de dados não tem a estrutura que o programa espera"_s;
    QTest::newRow("diretório ausente")
        << vazio.path() + u"/nada"_s << fncSqlGrandesGrupos()
        << u"O diretório de dados não foi encontrado: "_s + vazio.path() + u"/nada"_s;
    QTest::newRow("arquivo ausente")
        << vazio.path() << fncSqlGrandesGrupos()
        << u"O banco de dados não foi encontrado: "_s + vazio.path() + u"/zel2002.db"_s;
    QTest::newRow("tabela ausente")
        << semTabela.path() << fncSqlGrandesGrupos()
        << motor(estrutura, semTabela.path(), u"no such table: TGrande_Grupo"_s);
    QTest::newRow("coluna ausente")
        << semTabela.path() << fncSqlDescricaoSumaria(u"2111"_s)
        << motor(estrutura, semTabela.path(), u"no such column: TFamilia.descr_familia"_s);
    QTest::newRow("arquivo corrompido") << corrompido.path() << fncSqlGrandesGrupos()
                                        << motor(u"O banco de dados está danificado"_s,
                                                 corrompido.path(), u"file is not a database"_s);
    QTest::newRow("arquivo vazio") << vazioDeZeroBytes.path() << fncSqlGrandesGrupos()
                                   << motor(u"O banco de dados está danificado"_s,
                                            vazioDeZeroBytes.path(), u"file is not a database"_s);
    QTest::newRow("comando inválido") << basica << QStringList{u"select from where"_s}
                                      << motor(estrutura, basica, u"near \"from\": syntax error"_s);
    QTest::newRow("escrita recusada") << basica << QStringList{u"delete from TFamilia"_s}
                                      << motor(u"O banco de dados não pode ser alterado"_s, basica,
                                               u"attempt to write a readonly database"_s);
}

void TesteConsulta::errosDoMotor() {
    QFETCH(QString, banco);
    QFETCH(QStringList, sql);
    QFETCH(QString, mensagem);
    try {
        abrir(sql, QString(), banco);
        QFAIL("o motor deveria ter recusado");
    } catch (const ErroBanco &erro) {
        QCOMPARE(erro.texto(), mensagem);
    }
}

void TesteConsulta::buscaQueOMotorNaoCompara_data() {
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<QString>("busca");
    QTest::addColumn<QString>("equivalente"); // a short search that finds the same rows

    const auto entre = [](const QString &texto) { return u"%"_s + texto + u"%"_s; };
    QTest::newRow("100 000 letras")
        << fncSqlBuscaRapida() << entre(QString(100000, u'a')) << u"%xyzzy%"_s;
    QTest::newRow("CJK além do limite")
        << fncSqlBuscaRapida() << entre(QString(20000, QChar(0x4E2D))) << u"%xyzzy%"_s;
    // 30 002 bytes as typed; LOWER decomposes each syllable into two jamo.
    QTest::newRow("hangul que o LOWER alonga")
        << fncSqlBuscaRapida() << entre(QString(10000, QChar(0xAC00))) << u"%xyzzy%"_s;
    QTest::newRow("no limite do motor")
        << fncSqlBuscaRapida() << entre(QString(49998, u'a')) << u"%xyzzy%"_s;
    QTest::newRow("um byte além do limite")
        << fncSqlBuscaRapida() << entre(QString(49999, u'a')) << u"%xyzzy%"_s;
    QTest::newRow("curingas longos seguem curingas")
        << fncSqlBuscaRapida() << QString(40000, u'%') << u"%"_s;
    QTest::newRow("texto comparado sem LIKE")
        << fncSqlBuscaCodigoFamilia() << QString(100000, u'2') << u"0000"_s;
    QTest::newRow("caractere nulo, onde o LIKE do motor para de ler")
        << fncSqlBuscaRapida() << u"%d%"_s + QChar(0) + u"xyzzy%"_s << u"%xyzzy%"_s;
    QTest::newRow("busca por texto longo sensível à caixa")
        << fncSqlBuscaTitulo(false, false, false, true, true, true) << entre(QString(60000, u'a'))
        << u"%xyzzy%"_s;
}

// A search text longer than the engine takes as a pattern, or holding a NUL
// character where the engine's LIKE stops reading, finds what a search that
// cannot match finds: nothing, instead of failing or finding what the text
// before the NUL finds. Long texts that the engine takes still run,
// wildcards and all.
void TesteConsulta::buscaQueOMotorNaoCompara() {
    QFETCH(QStringList, sql);
    QFETCH(QString, busca);
    QFETCH(QString, equivalente);
    Consulta longa = abrir(sql, busca);
    QVERIFY(longa.aberta());
    Consulta curta = abrir(sql, equivalente);
    QCOMPARE(linhas(longa), linhas(curta));
}

// Running every kind of statement leaves the database file byte for byte as it was.
void TesteConsulta::bancoNaoMuda() {
    const QString banco = fixtures::Classificacao(u"basica"_s).criar();
    QFile arquivo(banco + u"/zel2002.db"_s);
    auto resumo = [&] {
        arquivo.open(QIODevice::ReadOnly);
        const QByteArray hash =
            QCryptographicHash::hash(arquivo.readAll(), QCryptographicHash::Sha256);
        arquivo.close();
        return hash;
    };
    const QByteArray antes = resumo();
    const QDateTime modificado = QFileInfo(arquivo).lastModified();
    for (const QStringList &sql :
         {fncSqlBuscaRapida(), fncSqlTitulosAZ(), fncSqlBuscaCodigoFamilia(),
          fncSqlConversao(u"ZEL94"_s, u"ZEL2002"_s, u"20101"_s)})
        abrir(sql, u"%a%"_s, banco);
    try {
        abrir({u"update TFamilia set tit_familia = 'x'"_s}, QString(), banco);
    } catch (const ErroBanco &) {
    }
    conexao::fecharTodas();
    QCOMPARE(resumo(), antes);
    QCOMPARE(QFileInfo(arquivo).lastModified(), modificado);
    QCOMPARE(QDir(banco).entryList(QDir::Files), QStringList{u"zel2002.db"_s});
}

// A database replaced on disk (a new import) is read anew by the next query.
void TesteConsulta::arquivoSubstituidoEReaberto() {
    const QString banco = fixtures::Classificacao(u"basica"_s).criar();
    QCOMPARE(abrir(fncSqlGrandesGrupos(), QString(), banco).totalLinhas(), 4);
    const QString outro = fixtures::Classificacao(u"basica"_s)
                              .linha(u"TGrande_Grupo"_s, {u"4"_s, u"Trabalhadores de serviços"_s})
                              .criar();
    QVERIFY(QFile::remove(banco + u"/zel2002.db"_s));
    QVERIFY(QFile::copy(outro + u"/zel2002.db"_s, banco + u"/zel2002.db"_s));
    QCOMPARE(abrir(fncSqlGrandesGrupos(), QString(), banco).totalLinhas(), 5);
}

QTEST_GUILESS_MAIN(TesteConsulta)
#include "tst_consulta.moc"
