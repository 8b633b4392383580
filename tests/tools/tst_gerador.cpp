// The sample classification: the properties that the screens rely on in the
// data a new user sees first, at its normal size and scaled for benchmarks.

#include "consulta.h"
#include "csv.h"
#include "esquema.h"
#include "gerador.h"
#include "importador.h"
#include "unit_global.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

struct TabelaCsv {
    QStringList cabecalho;
    QList<QStringList> linhas;

    int coluna(const QString &nome) const { return int(cabecalho.indexOf(nome)); }
    QStringList valores(const QString &nome) const {
        QStringList v;
        const int c = coluna(nome);
        for (const QStringList &linha : linhas)
            v << linha.value(c);
        return v;
    }
};

using Amostra = QMap<QString, TabelaCsv>;

Amostra lerAmostra(const QString &diretorio) {
    Amostra amostra;
    for (const esquema::Tabela &t : esquema::tabelas()) {
        QFile arquivo(diretorio + u"/"_s + t.nome + u".csv"_s);
        if (!arquivo.open(QIODevice::ReadOnly))
            return {};
        LeitorCsv leitor(arquivo.readAll());
        TabelaCsv tabela;
        tabela.cabecalho = leitor.proximo().value_or(QStringList());
        while (const std::optional<QStringList> linha = leitor.proximo())
            tabela.linhas << *linha;
        amostra.insert(t.nome, tabela);
    }
    return amostra;
}

// How many rows carry each value of `coluna`.
QHash<QString, int> contar(const TabelaCsv &tabela, const QString &coluna) {
    QHash<QString, int> n;
    for (const QString &v : tabela.valores(coluna))
        ++n[v];
    return n;
}

// The key columns of a table joined, for every row.
QStringList chaves(const TabelaCsv &tabela, const QStringList &colunas) {
    QStringList resultado;
    for (const QStringList &linha : tabela.linhas) {
        QStringList partes;
        for (const QString &c : colunas)
            partes << linha.value(tabela.coluna(c));
        resultado << partes.join(u'\x1f');
    }
    return resultado;
}

int repetidos(const QStringList &valores) {
    return int(valores.size() - QSet<QString>(valores.begin(), valores.end()).size());
}

// Codes whose width the screens rely on, checked in every table that holds them.
QString codigoForaDaLargura(const Amostra &amostra, const QString &tabela) {
    const esquema::Tabela *t = esquema::tabela(tabela);
    const TabelaCsv &csv = amostra[tabela];
    for (const esquema::Coluna &c : t->colunas) {
        if (!c.codigo)
            continue;
        for (const QString &v : csv.valores(c.nome))
            if (v.isEmpty() || (c.largura > 0 && v.size() != c.largura))
                return c.nome + u": \""_s + v + u"\""_s;
    }
    return QString();
}

} // namespace

class TesteGerador : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void formatoDosArquivos();
    void contagens_data();
    void contagens();
    void larguras_data();
    void larguras();
    void chavesUnicas_data();
    void chavesUnicas();
    void referencias_data();
    void referencias();
    void grandesGruposSemLacunas();
    void arvoreCompleta();
    void familiasDemonstrativas_data();
    void familiasDemonstrativas();
    void sinonimosPorOcupacao_data();
    void sinonimosPorOcupacao();
    void ocupacoesDemonstrativas_data();
    void ocupacoesDemonstrativas();
    void exemplosDasPaginas();
    void sinonimosDoGrupoZeroForaDeOrdemAlfabetica();
    void afinidades_data();
    void afinidades();
    void ocupacoes94_data();
    void ocupacoes94();
    void codigos94ComNoventaSaoMinoria();
    void codigos94ComX();
    void gruposCiuo88SemCorrespondencia();
    void titulosLongos_data();
    void titulosLongos();
    void titulosRepetidosRaros_data();
    void titulosRepetidosRaros();
    void textosDasFamilias();
    void buscasPorTitulo_data();
    void buscasPorTitulo();
    void mesmaEscalaMesmosBytes();
    void escala_data();
    void escala();
    void escalaTresImporta();
    void escalasMaiores_data();
    void escalasMaiores();
    void limiteDaEscala();
    void falhas_data();
    void falhas();

private:
    QTemporaryDir m_raiz;
    QString m_csv1;
    QString m_csv3;
    QString m_dados;
    Amostra m_amostra;
    Amostra m_amostra3;
};

void TesteGerador::initTestCase() {
    QVERIFY(m_raiz.isValid());
    m_csv1 = m_raiz.filePath(u"escala1"_s);
    m_csv3 = m_raiz.filePath(u"escala3"_s);
    m_dados = m_raiz.filePath(u"dados"_s);
    QString erro;
    QVERIFY2(gerador::gerarAmostra(m_csv1, 1, &erro), qPrintable(erro));
    QVERIFY2(gerador::gerarAmostra(m_csv3, 3, &erro), qPrintable(erro));
    QVERIFY2(importador::importar(m_csv1, m_dados, &erro), qPrintable(erro));
    m_amostra = lerAmostra(m_csv1);
    m_amostra3 = lerAmostra(m_csv3);
    QCOMPARE(m_amostra.size(), qsizetype(esquema::tabelas().size()));
}

void TesteGerador::formatoDosArquivos() {
    for (const esquema::Tabela &t : esquema::tabelas()) {
        QFile arquivo(m_csv1 + u"/"_s + t.nome + u".csv"_s);
        QVERIFY(arquivo.open(QIODevice::ReadOnly));
        const QByteArray dados = arquivo.readAll();
        QVERIFY2(!dados.contains('\r'), qPrintable(t.nome));
        QVERIFY(dados.endsWith('\n'));
        QStringList colunas;
        for (const esquema::Coluna &c : t.colunas)
            colunas << c.nome;
        QCOMPARE(m_amostra[t.nome].cabecalho, colunas);
        for (const QStringList &linha : m_amostra[t.nome].linhas)
            QCOMPARE(linha.size(), colunas.size());
    }
}

void TesteGerador::contagens_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("maximo");
    QTest::newRow("grandes grupos") << "TGrande_Grupo" << 10 << 10;
    QTest::newRow("subgrupos principais") << "TSubgrupo_Principal" << 40 << 55;
    QTest::newRow("subgrupos") << "TSubgrupo" << 170 << 215;
    QTest::newRow("famílias") << "TFamilia" << 540 << 660;
    QTest::newRow("ocupações") << "TOcupacao" << 2250 << 2750;
    QTest::newRow("sinônimos") << "TSinonimo" << 6000 << 9000;
    QTest::newRow("textos das famílias") << "TTemplate" << 540 << 700;
    QTest::newRow("famílias afins") << "TAfinidade" << 200 << 600;
    QTest::newRow("ocupações ZEL94") << "TOcupacao94" << 1500 << 3000;
    QTest::newRow("correspondências") << "TOcup_2000_94" << 2250 << 3500;
    QTest::newRow("grupos de base CIUO88") << "TGrupo_Base_CIUO88" << 340 << 440;
}

void TesteGerador::contagens() {
    QFETCH(QString, tabela);
    QFETCH(int, minimo);
    QFETCH(int, maximo);
    const int n = int(m_amostra[tabela].linhas.size());
    QVERIFY2(n >= minimo && n <= maximo, qPrintable(QString::number(n)));
}

void TesteGerador::larguras_data() {
    QTest::addColumn<QString>("tabela");
    for (const esquema::Tabela &t : esquema::tabelas())
        QTest::newRow(qPrintable(t.nome)) << t.nome;
}

void TesteGerador::larguras() {
    QFETCH(QString, tabela);
    const QString fora = codigoForaDaLargura(m_amostra, tabela);
    QVERIFY2(fora.isEmpty(), qPrintable(fora));
}

void TesteGerador::chavesUnicas_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QStringList>("colunas");
    for (const esquema::Tabela &t : esquema::tabelas())
        if (!t.chaves.isEmpty())
            QTest::newRow(qPrintable(t.nome)) << t.nome << t.chaves;
    QTest::newRow("código completo da ocupação")
        << "TOcupacao" << QStringList{"cod_familia", "cod_ocup"};
    QTest::newRow("sequência dos sinônimos") << "TSinonimo" << QStringList{"cod_sin"};
    QTest::newRow("correspondências")
        << "TOcup_2000_94" << QStringList{"cod_int_ocup", "Cod_Ocup_Zel94"};
}

void TesteGerador::chavesUnicas() {
    QFETCH(QString, tabela);
    QFETCH(QStringList, colunas);
    QCOMPARE(repetidos(chaves(m_amostra[tabela], colunas)), 0);
    QCOMPARE(repetidos(chaves(m_amostra3[tabela], colunas)), 0);
}

void TesteGerador::referencias_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("coluna");
    QTest::addColumn<QString>("tabelaReferida");
    QTest::addColumn<QString>("colunaReferida");
    QTest::newRow("subgrupo principal -> grande grupo") << "TSubgrupo_Principal"
                                                        << "Cod_Gde_Gp"
                                                        << "TGrande_Grupo"
                                                        << "Cod_Gde_Gp";
    QTest::newRow("subgrupo -> subgrupo principal") << "TSubgrupo"
                                                    << "Cod_Sgp_Pcp"
                                                    << "TSubgrupo_Principal"
                                                    << "Cod_Sgp_Pcp";
    QTest::newRow("família -> subgrupo") << "TFamilia"
                                         << "Cod_Sgp"
                                         << "TSubgrupo"
                                         << "Cod_Sgp";
    QTest::newRow("ocupação -> família") << "TOcupacao"
                                         << "cod_familia"
                                         << "TFamilia"
                                         << "cod_familia";
    QTest::newRow("ocupação -> CIUO88") << "TOcupacao"
                                        << "Cod_Gp_Base_CIUO88"
                                        << "TGrupo_Base_CIUO88"
                                        << "Cod_Gp_Base_CIUO88";
    QTest::newRow("sinônimo -> ocupação") << "TSinonimo"
                                          << "cod_int_ocup"
                                          << "TOcupacao"
                                          << "cod_int_ocup";
    QTest::newRow("texto -> família") << "TTemplate"
                                      << "cod_familia"
                                      << "TFamilia"
                                      << "cod_familia";
    QTest::newRow("afinidade -> família") << "TAfinidade"
                                          << "cod_familia"
                                          << "TFamilia"
                                          << "cod_familia";
    QTest::newRow("afinidade -> família afim") << "TAfinidade"
                                               << "cod_familia_afim"
                                               << "TFamilia"
                                               << "cod_familia";
    QTest::newRow("correspondência -> ocupação") << "TOcup_2000_94"
                                                 << "cod_int_ocup"
                                                 << "TOcupacao"
                                                 << "cod_int_ocup";
    QTest::newRow("correspondência -> ZEL94") << "TOcup_2000_94"
                                              << "Cod_Ocup_Zel94"
                                              << "TOcupacao94"
                                              << "Cod_Ocup_Zel94";
}

void TesteGerador::referencias() {
    QFETCH(QString, tabela);
    QFETCH(QString, coluna);
    QFETCH(QString, tabelaReferida);
    QFETCH(QString, colunaReferida);
    for (const Amostra *amostra : {&m_amostra, &m_amostra3}) {
        const QStringList referidos = (*amostra)[tabelaReferida].valores(colunaReferida);
        const QSet<QString> existentes(referidos.begin(), referidos.end());
        for (const QString &v : (*amostra)[tabela].valores(coluna))
            QVERIFY2(existentes.contains(v), qPrintable(v));
    }
}

void TesteGerador::grandesGruposSemLacunas() {
    QStringList esperados;
    for (int i = 0; i < 10; ++i)
        esperados << QString::number(i);
    QCOMPARE(m_amostra["TGrande_Grupo"].valores("Cod_Gde_Gp"), esperados);
    QCOMPARE(m_amostra3["TGrande_Grupo"].valores("Cod_Gde_Gp"), esperados);
}

// Every major group, principal subgroup, subgroup and family has children,
// and every code begins with its parent's code.
void TesteGerador::arvoreCompleta() {
    struct Nivel {
        QString tabela, codigo, tabelaFilha, colunaPai;
    };
    const QList<Nivel> niveis = {
        {"TGrande_Grupo", "Cod_Gde_Gp", "TSubgrupo_Principal", "Cod_Gde_Gp"},
        {"TSubgrupo_Principal", "Cod_Sgp_Pcp", "TSubgrupo", "Cod_Sgp_Pcp"},
        {"TSubgrupo", "Cod_Sgp", "TFamilia", "Cod_Sgp"},
        {"TFamilia", "cod_familia", "TOcupacao", "cod_familia"},
    };
    for (const Nivel &n : niveis) {
        const QHash<QString, int> filhos = contar(m_amostra[n.tabelaFilha], n.colunaPai);
        for (const QString &codigo : m_amostra[n.tabela].valores(n.codigo))
            QVERIFY2(filhos.value(codigo) > 0, qPrintable(n.tabela + u" "_s + codigo));
    }
    const TabelaCsv &sgp = m_amostra["TSubgrupo_Principal"];
    for (const QStringList &linha : sgp.linhas)
        QVERIFY(linha[0].startsWith(linha[2]));
    const TabelaCsv &sg = m_amostra["TSubgrupo"];
    for (const QStringList &linha : sg.linhas)
        QVERIFY(linha[0].startsWith(linha[2]));
}

// The families named in the generator's table of demonstrations.
void TesteGerador::familiasDemonstrativas_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("coluna");
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<int>("linhas");
    QTest::newRow("30 ocupações") << "TOcupacao"
                                  << "cod_familia"
                                  << "0121" << 30;
    QTest::newRow("12 ocupações") << "TOcupacao"
                                  << "cod_familia"
                                  << "5151" << 12;
    QTest::newRow("13 ocupações") << "TOcupacao"
                                  << "cod_familia"
                                  << "1221" << 13;
    QTest::newRow("sem texto") << "TTemplate"
                               << "cod_familia"
                               << "0231" << 0;
    QTest::newRow("um texto") << "TTemplate"
                              << "cod_familia"
                              << "0121" << 1;
    QTest::newRow("dois textos") << "TTemplate"
                                 << "cod_familia"
                                 << "0131" << 2;
    QTest::newRow("subgrupo de 5 famílias") << "TFamilia"
                                            << "Cod_Sgp"
                                            << "941" << 5;
    QTest::newRow("subgrupo de 12 famílias") << "TFamilia"
                                             << "Cod_Sgp"
                                             << "354" << 12;
}

void TesteGerador::familiasDemonstrativas() {
    QFETCH(QString, tabela);
    QFETCH(QString, coluna);
    QFETCH(QString, codigo);
    QFETCH(int, linhas);
    QCOMPARE(contar(m_amostra[tabela], coluna).value(codigo), linhas);
}

void TesteGerador::sinonimosPorOcupacao_data() {
    QTest::addColumn<int>("minimo");
    QTest::addColumn<int>("maximo");
    QTest::newRow("nenhum") << 0 << 0;
    QTest::newRow("um") << 1 << 1;
    QTest::newRow("dois") << 2 << 2;
    QTest::newRow("muitos") << 6 << 99;
}

// Occupations with that many synonyms exist, and they are not rare.
void TesteGerador::sinonimosPorOcupacao() {
    QFETCH(int, minimo);
    QFETCH(int, maximo);
    const QHash<QString, int> sinonimos = contar(m_amostra["TSinonimo"], "cod_int_ocup");
    int ocupacoes = 0;
    for (const QString &o : m_amostra["TOcupacao"].valores("cod_int_ocup"))
        if (sinonimos.value(o) >= minimo && sinonimos.value(o) <= maximo)
            ++ocupacoes;
    QVERIFY2(ocupacoes >= 10, qPrintable(QString::number(ocupacoes)));
}

void TesteGerador::ocupacoesDemonstrativas_data() {
    QTest::addColumn<QString>("codigo"); // family code and occupation number
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<int>("linhas");
    QTest::newRow("sem sinônimos") << "022105"
                                   << "TSinonimo" << 0;
    QTest::newRow("um sinônimo") << "011305"
                                 << "TSinonimo" << 1;
    QTest::newRow("dois sinônimos") << "011103"
                                    << "TSinonimo" << 2;
    QTest::newRow("oito sinônimos") << "011101"
                                    << "TSinonimo" << 8;
    QTest::newRow("ligada a duas ocupações ZEL94") << "011103"
                                                   << "TOcup_2000_94" << 2;
    QTest::newRow("sem correspondência ZEL94") << "033301"
                                               << "TOcup_2000_94" << 0;
}

// The occupations named in the generator's table of demonstrations: rows of
// `tabela` that refer to them.
void TesteGerador::ocupacoesDemonstrativas() {
    QFETCH(QString, codigo);
    QFETCH(QString, tabela);
    QFETCH(int, linhas);
    QString interno;
    for (const QStringList &o : m_amostra["TOcupacao"].linhas)
        if (o[1] + o[2] == codigo)
            interno = o[0];
    QVERIFY(!interno.isEmpty());
    QCOMPARE(contar(m_amostra[tabela], "cod_int_ocup").value(interno), linhas);
}

// The codes the help pages and their pictures quote as examples: family
// 5151 and its occupations 05 and 10.
void TesteGerador::exemplosDasPaginas() {
    QStringList codigos;
    for (const QStringList &o : m_amostra["TOcupacao"].linhas)
        codigos << o[1] + o[2];
    for (const QString &codigo : {u"515105"_s, u"515110"_s})
        QVERIFY2(codigos.contains(codigo), qPrintable(codigo));
}

// Families whose code begins with 0 list synonyms in stored order; the sample
// must make that order visibly differ from the alphabetical one.
void TesteGerador::sinonimosDoGrupoZeroForaDeOrdemAlfabetica() {
    QHash<QString, QString> familiaDe;
    for (const QStringList &o : m_amostra["TOcupacao"].linhas)
        familiaDe.insert(o[0], o[1]);
    QMap<QString, QMap<int, QString>> porOcupacao;
    for (const QStringList &s : m_amostra["TSinonimo"].linhas)
        if (familiaDe.value(s[0]).startsWith(u'0'))
            porOcupacao[s[0]].insert(s[2].toInt(), s[1]);
    int foraDeOrdem = 0;
    for (const QMap<int, QString> &sinonimos : std::as_const(porOcupacao)) {
        QStringList guardada = sinonimos.values();
        QStringList alfabetica = guardada;
        alfabetica.sort();
        if (guardada != alfabetica)
            ++foraDeOrdem;
    }
    QVERIFY2(foraDeOrdem >= 3, qPrintable(QString::number(foraDeOrdem)));
}

void TesteGerador::afinidades_data() {
    QTest::addColumn<QString>("familia");
    QTest::addColumn<QString>("afim");
    QTest::addColumn<int>("sentidoInverso"); // rows stored as (afim, familia)
    QTest::newRow("uma vez, menor código primeiro") << "0131"
                                                    << "0132" << 0;
    QTest::newRow("uma vez, maior código primeiro") << "0122"
                                                    << "0121" << 0;
    QTest::newRow("nos dois sentidos") << "0111"
                                       << "0112" << 1;
}

// Pairs of related families, each stored once as (familia, afim) and as
// many times the other way round as the case says.
void TesteGerador::afinidades() {
    QFETCH(QString, familia);
    QFETCH(QString, afim);
    QFETCH(int, sentidoInverso);
    const QStringList pares = chaves(m_amostra["TAfinidade"], {"cod_familia", "cod_familia_afim"});
    QCOMPARE(pares.count(familia + u'\x1f' + afim), 1);
    QCOMPARE(pares.count(afim + u'\x1f' + familia), sentidoInverso);
    for (const QStringList &a : m_amostra["TAfinidade"].linhas)
        QVERIFY(a[0] != a[1]);
}

void TesteGerador::ocupacoes94_data() {
    QTest::addColumn<QString>("codigo");
    QTest::addColumn<QString>("situacao");
    QTest::addColumn<QStringList>("familias"); // of the 2002 occupations linked to it
    QTest::newRow("em vigor") << "00101"
                              << "AT" << QStringList{"0111"};
    QTest::newRow("excluída") << "32034"
                              << "EX" << QStringList{"3548"};
    QTest::newRow("90 nos caracteres 4 e 5") << "00190"
                                             << "AT" << QStringList{"0113"};
    QTest::newRow("começando com X") << "X0021"
                                     << "AT" << QStringList{"0121"};
    QTest::newRow("ligada a duas famílias") << "00603"
                                            << "AT" << QStringList{"0231", "0232"};
}

void TesteGerador::ocupacoes94() {
    QFETCH(QString, codigo);
    QFETCH(QString, situacao);
    QFETCH(QStringList, familias);
    QString situacaoGuardada;
    for (const QStringList &o : m_amostra["TOcupacao94"].linhas)
        if (o[0] == codigo)
            situacaoGuardada = o[2];
    QCOMPARE(situacaoGuardada, situacao);
    QHash<QString, QString> familiaDe;
    for (const QStringList &o : m_amostra["TOcupacao"].linhas)
        familiaDe.insert(o[0], o[1]);
    QSet<QString> ligadas;
    for (const QStringList &c : m_amostra["TOcup_2000_94"].linhas)
        if (c[1] == codigo)
            ligadas.insert(familiaDe.value(c[0]));
    QCOMPARE(ligadas, QSet<QString>(familias.begin(), familias.end()));
}

void TesteGerador::codigos94ComNoventaSaoMinoria() {
    const QStringList codigos = m_amostra["TOcupacao94"].valores("Cod_Ocup_Zel94");
    const qsizetype comNoventa = std::count_if(
        codigos.begin(), codigos.end(), [](const QString &c) { return c.mid(3, 2) == u"90"_s; });
    QVERIFY(comNoventa > 0);
    QVERIFY2(comNoventa * 10 < codigos.size(), qPrintable(QString::number(comNoventa)));
    for (const QString &c : codigos)
        QVERIFY2(c.size() >= 4 && c.size() <= 6, qPrintable(c));
}

// Digits only, but for the occupations the previous edition admitted
// provisionally: "X" and digits, a few of them.
void TesteGerador::codigos94ComX() {
    const QStringList codigos = m_amostra["TOcupacao94"].valores("Cod_Ocup_Zel94");
    const QRegularExpression formato(u"^X?[0-9]+$"_s);
    qsizetype comX = 0;
    for (const QString &c : codigos) {
        QVERIFY2(formato.match(c).hasMatch(), qPrintable(c));
        comX += c.startsWith(u'X');
    }
    QVERIFY(comX > 0);
    QVERIFY2(comX * 20 < codigos.size(), qPrintable(QString::number(comX)));
}

// International base groups to which no 2002 occupation corresponds: a
// conversion from them finds nothing.
void TesteGerador::gruposCiuo88SemCorrespondencia() {
    const QStringList usados = m_amostra["TOcupacao"].valores("Cod_Gp_Base_CIUO88");
    const QSet<QString> comOcupacao(usados.begin(), usados.end());
    for (const QString &grupo : {u"2304"_s, u"5515"_s}) {
        QVERIFY(m_amostra["TGrupo_Base_CIUO88"].valores("Cod_Gp_Base_CIUO88").contains(grupo));
        QVERIFY(!comOcupacao.contains(grupo));
    }
}

void TesteGerador::titulosLongos_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("coluna");
    QTest::newRow("família") << "TFamilia"
                             << "tit_familia";
    QTest::newRow("ocupação") << "TOcupacao"
                              << "nom_ocup";
    QTest::newRow("sinônimo") << "TSinonimo"
                              << "nom_sin";
    QTest::newRow("ocupação ZEL94") << "TOcupacao94"
                                    << "Nom_Ocup94";
    QTest::newRow("grupo CIUO88") << "TGrupo_Base_CIUO88"
                                  << "Tit_Grp_Base_CIUO88";
}

// Titles long enough to be cut in a list (more than 62 characters), some as
// long as real titles run (100 to 140), none longer.
void TesteGerador::titulosLongos() {
    QFETCH(QString, tabela);
    QFETCH(QString, coluna);
    const QStringList titulos = m_amostra[tabela].valores(coluna);
    QVERIFY(std::any_of(titulos.begin(), titulos.end(),
                        [](const QString &t) { return t.size() > 62; }));
    QVERIFY(std::any_of(titulos.begin(), titulos.end(),
                        [](const QString &t) { return t.size() >= 100; }));
    for (const QString &t : titulos)
        QVERIFY2(t.size() <= 140, qPrintable(t));
}

void TesteGerador::titulosRepetidosRaros_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<QString>("coluna");
    QTest::newRow("subgrupos") << "TSubgrupo"
                               << "Tit_Sgp";
    QTest::newRow("famílias") << "TFamilia"
                              << "tit_familia";
    QTest::newRow("ocupações") << "TOcupacao"
                               << "nom_ocup";
    QTest::newRow("sinônimos") << "TSinonimo"
                               << "nom_sin";
    QTest::newRow("ocupações ZEL94") << "TOcupacao94"
                                     << "Nom_Ocup94";
    QTest::newRow("grupos CIUO88") << "TGrupo_Base_CIUO88"
                                   << "Tit_Grp_Base_CIUO88";
}

// Also in the scaled sample, whose copies carry the number of their series.
void TesteGerador::titulosRepetidosRaros() {
    QFETCH(QString, tabela);
    QFETCH(QString, coluna);
    for (const Amostra *amostra : {&m_amostra, &m_amostra3}) {
        const QStringList titulos = (*amostra)[tabela].valores(coluna);
        QVERIFY2(repetidos(titulos) * 100 <= titulos.size(),
                 qPrintable(QString::number(repetidos(titulos))));
    }
}

// Summary descriptions of two to four sentences; per-family texts in full
// sentences with every placeholder filled.
void TesteGerador::textosDasFamilias() {
    for (const QString &descricao : m_amostra["TFamilia"].valores("descr_familia")) {
        const qsizetype frases = descricao.count(QRegularExpression(u"\\.( |$)"_s));
        QVERIFY2(frases >= 2 && frases <= 4, qPrintable(descricao));
        QVERIFY2(descricao.front().isUpper() && !descricao.contains(u'{'), qPrintable(descricao));
    }
    for (const QStringList &linha : m_amostra["TTemplate"].linhas) {
        for (int c = 1; c < 4; ++c) {
            QVERIFY2(linha[c].front().isUpper() && linha[c].endsWith(u'.'), qPrintable(linha[c]));
            QVERIFY2(!linha[c].contains(u'{'), qPrintable(linha[c]));
        }
    }
}

void TesteGerador::buscasPorTitulo_data() {
    QTest::addColumn<QString>("palavra");
    QTest::addColumn<int>("minimo");
    QTest::addColumn<QString>("titulo"); // a title the search must find
    QTest::newRow("de") << "de" << 132 << "Pedreiro de acabamento";
    QTest::newRow("operador") << "operador" << 132 << "Operador de empilhadeira";
    QTest::newRow("técnico") << "técnico" << 132 << "Técnico em enfermagem";
    QTest::newRow("tecnico sem acento") << "tecnico" << 132 << "Técnico em enfermagem";
    QTest::newRow("medico sem acento") << "medico" << 40 << "Médico clínico";
    QTest::newRow("MÉDICO em maiúsculas") << "MÉDICO" << 40 << "Médico pediatra";
    QTest::newRow("cirurgiões-dentistas") << "dentista" << 10 << "Cirurgiões-dentistas";
}

// The quick search of every screen, run on the imported sample.
void TesteGerador::buscasPorTitulo() {
    QFETCH(QString, palavra);
    QFETCH(int, minimo);
    QFETCH(QString, titulo);
    Consulta consulta;
    consulta.definirSql(fncSqlBuscaRapida());
    consulta.definirBanco(m_dados);
    consulta.fechar();
    consulta.definirBusca(u"%"_s + palavra + u"%"_s);
    consulta.abrir();
    QVERIFY2(consulta.totalLinhas() >= minimo, qPrintable(QString::number(consulta.totalLinhas())));
    bool achou = false;
    for (; !consulta.fimDados(); consulta.proximo())
        achou = achou || consulta.campo(u"titulo"_s) == titulo;
    QVERIFY(achou);
}

void TesteGerador::mesmaEscalaMesmosBytes() {
    const QString outra = m_raiz.filePath(u"outra"_s);
    QString erro;
    QVERIFY2(gerador::gerarAmostra(outra, 1, &erro), qPrintable(erro));
    for (const esquema::Tabela &t : esquema::tabelas()) {
        QFile a(m_csv1 + u"/"_s + t.nome + u".csv"_s);
        QFile b(outra + u"/"_s + t.nome + u".csv"_s);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QVERIFY2(a.readAll() == b.readAll(), qPrintable(t.nome));
    }
}

void TesteGerador::escala_data() {
    QTest::addColumn<QString>("tabela");
    QTest::addColumn<int>("fator");
    QTest::addColumn<int>("codigos"); // how many codes its key's width allows
    for (const esquema::Tabela &t : esquema::tabelas()) {
        const int codigos = t.nome == u"TSubgrupo_Principal"_s ? 100 : 0;
        QTest::newRow(qPrintable(t.nome))
            << t.nome << (t.nome == u"TGrande_Grupo"_s ? 1 : 3) << codigos;
    }
}

// At escala 3 every table but the major groups holds three times the rows
// (as far as the codes of its width go), the escala-1 rows come first
// unchanged, the codes keep their widths, and the titles of the copies say
// which series they belong to.
void TesteGerador::escala() {
    QFETCH(QString, tabela);
    QFETCH(int, fator);
    QFETCH(int, codigos);
    const QList<QStringList> &um = m_amostra[tabela].linhas;
    const QList<QStringList> &tres = m_amostra3[tabela].linhas;
    const qsizetype esperadas =
        codigos > 0 ? std::min<qsizetype>(um.size() * fator, codigos) : um.size() * fator;
    QCOMPARE(tres.size(), esperadas);
    QCOMPARE(tres.mid(0, um.size()), um);
    const QString fora = codigoForaDaLargura(m_amostra3, tabela);
    QVERIFY2(fora.isEmpty(), qPrintable(fora));
    const esquema::Tabela *t = esquema::tabela(tabela);
    for (size_t c = 0; c < t->colunas.size(); ++c) {
        const QString &nome = t->colunas[c].nome;
        if (!nome.startsWith(u"tit"_s, Qt::CaseInsensitive) &&
            !nome.startsWith(u"nom"_s, Qt::CaseInsensitive))
            continue;
        static const QRegularExpression serie(u" \\(série [23]\\)$"_s);
        for (const QStringList &linha : tres.mid(um.size()))
            QVERIFY2(serie.match(linha[qsizetype(c)]).hasMatch(), qPrintable(linha[qsizetype(c)]));
    }
}

void TesteGerador::escalaTresImporta() {
    QString erro;
    const QString dados = m_raiz.filePath(u"dados3"_s);
    QVERIFY2(importador::importar(m_csv3, dados, &erro), qPrintable(erro));
    Consulta consulta;
    consulta.definirSql(fncSqlBuscaRapida());
    consulta.definirBanco(dados);
    consulta.fechar();
    consulta.definirBusca(u"%operador%"_s);
    consulta.abrir();
    const int tres = consulta.totalLinhas();
    consulta.definirBanco(m_dados);
    consulta.fechar();
    consulta.definirBusca(u"%operador%"_s);
    consulta.abrir();
    QCOMPARE(tres, consulta.totalLinhas() * 3);
}

namespace {

// How many rows `sql` finds in the database of `dados` with `busca`.
int encontrados(const QString &dados, const QStringList &sql, const QString &busca) {
    Consulta consulta;
    consulta.definirSql(sql);
    consulta.definirBanco(dados);
    consulta.fechar();
    consulta.definirBusca(busca);
    consulta.abrir();
    return consulta.totalLinhas();
}

int codigos94ComNoventa(const Amostra &amostra) {
    int n = 0;
    for (const QString &codigo : amostra["TOcupacao94"].valores("Cod_Ocup_Zel94"))
        n += codigo.mid(3, 2) == u"90"_s;
    return n;
}

} // namespace

void TesteGerador::escalasMaiores_data() {
    QTest::addColumn<int>("escala");
    QTest::newRow("10") << 10;
    // Past the family codes: copies of occupations fill free numbers.
    QTest::newRow("20") << 20;
}

// Larger escalas import without a warning and, while the codes last, hold N
// times the families; the occupations and synonyms, and the titles a search
// finds among them, are always N times as many; so are the ZEL94 codes with
// "90" at characters 4-5, as far as their 1,000 codes go.
void TesteGerador::escalasMaiores() {
    QFETCH(int, escala);
    const QString csv = m_raiz.filePath(u"escala"_s + QString::number(escala));
    const QString dados = csv + u"-dados"_s;
    QString erro;
    QStringList avisos;
    QVERIFY2(gerador::gerarAmostra(csv, escala, &erro), qPrintable(erro));
    QVERIFY2(importador::importar(csv, dados, &erro, &avisos), qPrintable(erro));
    QCOMPARE(avisos, QStringList());
    const Amostra amostra = lerAmostra(csv);
    for (const char *tabela : {"TOcupacao", "TSinonimo"})
        QCOMPARE(amostra[tabela].linhas.size(), escala * m_amostra[tabela].linhas.size());
    const qsizetype familias = m_amostra["TFamilia"].linhas.size();
    QCOMPARE(amostra["TFamilia"].linhas.size(), std::min<qsizetype>(escala * familias, 10000));
    QCOMPARE(codigos94ComNoventa(amostra), std::min(escala * codigos94ComNoventa(m_amostra), 1000));

    const QStringList ocupacoesESinonimos =
        fncSqlBuscaTitulo(false, true, true, false, false, false);
    for (const QString &busca : {u"%operador%"_s, u"%de%"_s})
        QCOMPARE(encontrados(dados, ocupacoesESinonimos, busca),
                 escala * encontrados(m_dados, ocupacoesESinonimos, busca));
    if (escala * familias <= 10000)
        QCOMPARE(encontrados(dados, fncSqlBuscaRapida(), u"%técnico%"_s),
                 escala * encontrados(m_dados, fncSqlBuscaRapida(), u"%técnico%"_s));
}

// Past the escala at which the occupation codes would run out, a clear
// refusal that names the limit, and nothing written.
void TesteGerador::limiteDaEscala() {
    const qsizetype ocupacoes = m_amostra["TOcupacao"].linhas.size();
    const int limite = int(10000 * 100 / ocupacoes);
    const QString destino = m_raiz.filePath(u"alem-do-limite"_s);
    QString erro;
    QVERIFY(!gerador::gerarAmostra(destino, limite + 1, &erro));
    QCOMPARE(erro, u"a escala %1 passa do limite de %2: as %3 ocupações da amostra, %1 vezes, "_s
                   u"não caberiam nos códigos de ocupação (10000 famílias de 4 algarismos, 100 "_s
                   u"números de 2 algarismos em cada)"_s.arg(limite + 1)
                       .arg(limite)
                       .arg(ocupacoes));
    QVERIFY(!QFileInfo::exists(destino));
}

void TesteGerador::falhas_data() {
    QTest::addColumn<QString>("destino"); // relative to the temporary root
    QTest::addColumn<int>("escala");
    QTest::newRow("escala zero") << "zero" << 0;
    QTest::newRow("escala negativa") << "negativa" << -2;
    QTest::newRow("destino dentro de um arquivo") << "arquivo/csv" << 1;
    QTest::newRow("escala além dos códigos de ocupação") << "grande" << 1000;
}

void TesteGerador::falhas() {
    QFETCH(QString, destino);
    QFETCH(int, escala);
    QFile arquivo(m_raiz.filePath(u"arquivo"_s));
    QVERIFY(arquivo.open(QIODevice::WriteOnly));
    arquivo.close();
    QString erro;
    QVERIFY(!gerador::gerarAmostra(m_raiz.filePath(destino), escala, &erro));
    QVERIFY(!erro.isEmpty());
}

QTEST_GUILESS_MAIN(TesteGerador)
#include "tst_gerador.moc"
