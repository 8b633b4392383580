// The title index against reading every title: the same rows in the same
// order, on the sample classification at its normal size and at ten times it.

#include "consulta.h"
#include "erro.h"
#include "fixtures.h"
#include "gerador.h"
#include "importador.h"
#include "unit_global.h"

#include <QRandomGenerator>
#include <QTest>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

struct Banco {
    QString dados;    // imported now, with the index
    QString anterior; // the same data as imported before the index
    QStringList titulos;
};

struct Comando {
    const char *nome;
    QStringList sql;
};

// Every statement that searches titles.
QList<Comando> comandos() {
    return {
        {"busca rápida", fncSqlBuscaRapida()},
        {"busca por título, seis fontes", fncSqlBuscaTitulo(true, true, true, true, true, true)},
        {"busca por título, sinônimos e descrição",
         fncSqlBuscaTitulo(false, false, true, false, false, true)},
        {"títulos A-Z", fncSqlTitulosAZ()},
        {"conversão por título ZEL2002", fncSqlTabuaTituloBase2002()},
        {"conversão por título ZEL94", fncSqlTabuaTituloBase94()},
        {"conversão por título CIUO88", fncSqlTabuaTituloCiuo88()},
    };
}

QStringList lerTitulos(const QString &dados) {
    QStringList titulos;
    sqlite3 *db = nullptr;
    sqlite3_open_v2((dados + u"/zel2002.db"_s).toUtf8().constData(), &db, SQLITE_OPEN_READONLY,
                    nullptr);
    sqlite3_stmt *comando = nullptr;
    sqlite3_prepare_v2(db,
                       "SELECT tit_familia FROM TFamilia UNION ALL SELECT nom_ocup FROM TOcupacao "
                       "UNION ALL SELECT nom_sin FROM TSinonimo UNION ALL SELECT Nom_Ocup94 FROM "
                       "TOcupacao94 UNION ALL SELECT Tit_Grp_Base_CIUO88 FROM TGrupo_Base_CIUO88",
                       -1, &comando, nullptr);
    while (sqlite3_step(comando) == SQLITE_ROW)
        titulos << QString::fromUtf8(
            reinterpret_cast<const char *>(sqlite3_column_text(comando, 0)));
    sqlite3_finalize(comando);
    sqlite3_close(db);
    return titulos;
}

// The sample at `escala` times its size, imported, and its copy without the
// index.
Banco importarAmostra(int escala) {
    const QString raiz = fixtures::novoDiretorio();
    QString erro;
    if (!gerador::gerarAmostra(raiz + u"/csv"_s, escala, &erro) ||
        !importador::importar(raiz + u"/csv"_s, raiz + u"/dados"_s, &erro))
        qFatal("%s", qPrintable(erro));
    const QString dados = raiz + u"/dados"_s;
    return {dados, fixtures::anteriorAoIndice(dados), lerTitulos(dados)};
}

const Banco &banco(int escala) {
    static QMap<int, Banco> bancos;
    if (!bancos.contains(escala))
        bancos.insert(escala, importarAmostra(escala));
    return bancos[escala];
}

// Patterns as the screens make them from what users type, and more: words,
// fragments, one and two letters, first letters, '%' and '_' anywhere,
// accents and capitals, quotes, text that matches nothing.
class Padroes {
public:
    explicit Padroes(const QStringList &titulos) : m_titulos(titulos) {}

    QString proximo() {
        const QString titulo = m_titulos[int(m_aleatorio.bounded(m_titulos.size()))];
        const QString pedaco = fragmento(titulo, 1 + int(m_aleatorio.bounded(7)));
        switch (m_aleatorio.bounded(11)) {
        case 0: {
            const QStringList palavras = titulo.split(u' ', Qt::SkipEmptyParts);
            return u"%"_s + palavras[int(m_aleatorio.bounded(palavras.size()))] + u"%"_s;
        }
        case 1:
            return u"%"_s + pedaco + u"%"_s;
        case 2:
            return titulo.left(1 + int(m_aleatorio.bounded(3))) + u"%"_s;
        case 3: {
            QString comCuringa = pedaco;
            comCuringa[int(m_aleatorio.bounded(comCuringa.size()))] = u'_';
            return u"%"_s + comCuringa + u"%"_s;
        }
        case 4:
            return u"%"_s + pedaco + u"%"_s + fragmento(titulo, 3) + u"%"_s;
        case 5:
            return u"%"_s + variar(pedaco) + u"%"_s;
        case 6:
            return m_aleatorio.bounded(2) ? titulo : titulo + u"%"_s;
        case 7:
            return u"%"_s + pedaco + u"'%"_s;
        case 8:
            return u"%"_s + pedaco + u"qzx%"_s;
        case 9:
            return u"_"_s + pedaco + u"%"_s;
        default: {
            static const QStringList especiais = {
                u""_s,      u"%"_s,    u"%%"_s,  u"_"_s,     u"%_%"_s,           u"__"_s,
                u"%a%"_s,   u"%de%"_s, u"a%"_s,  u"%'%"_s,   u"%''%"_s,          u"%MÉDICO%"_s,
                u"%ção%"_s, u"%Ç%"_s,  u"% %"_s, u"%(%"_s,   u"%série 1%"_s,     u"%é_ie%"_s,
                u"%\"%"_s,  u"%\\%"_s, u"%ß%"_s, u"%αβγ%"_s, u"%operador%de%"_s, u"%o_e_a_o_%"_s,
                u"___%"_s};
            return especiais[int(m_aleatorio.bounded(especiais.size()))];
        }
        }
    }

private:
    QString fragmento(const QString &titulo, int tamanho) {
        tamanho = std::min<int>(tamanho, int(titulo.size()));
        return titulo.mid(int(m_aleatorio.bounded(titulo.size() - tamanho + 1)), tamanho);
    }

    // Capitals and accents where the title has none, or the reverse.
    QString variar(QString texto) {
        static const QMap<QChar, QChar> acentos = {{u'a', u'á'}, {u'e', u'ê'}, {u'o', u'õ'},
                                                   {u'c', u'ç'}, {u'i', u'Í'}, {u'á', u'a'},
                                                   {u'é', u'e'}, {u'ç', u'C'}, {u'ã', u'Ã'}};
        for (QChar &c : texto) {
            if (m_aleatorio.bounded(2))
                c = acentos.value(c, c);
            if (m_aleatorio.bounded(3) == 0)
                c = c.toUpper();
        }
        return texto;
    }

    const QStringList &m_titulos;
    QRandomGenerator m_aleatorio{17};
};

// Every row as its values joined by "|", in the order of the result.
QStringList linhas(const QString &dados, const QStringList &sql, const QString &padrao,
                   bool *usouIndice = nullptr) {
    Consulta consulta;
    consulta.definirSql(sql);
    consulta.definirBanco(dados);
    consulta.fechar();
    consulta.definirBusca(padrao);
    consulta.abrir();
    if (usouIndice)
        *usouIndice = consulta.usouIndice();
    QStringList todas;
    for (; !consulta.fimDados(); consulta.proximo()) {
        QStringList valores;
        for (const QString &coluna : consulta.colunas())
            valores << consulta.campo(coluna);
        todas << valores.join(u'|');
    }
    return todas;
}

} // namespace

class TesteIndice : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { Consulta::definirUsoDoIndice(true); }
    void mesmasLinhas_data();
    void mesmasLinhas();
    void quemResponde_data();
    void quemResponde();
    void listaDanificada_data();
    void listaDanificada();
    void espacos_data();
    void espacos();
};

// Each pattern through a statement of the catalogue, in turn, three ways:
// answered as the query object chooses (from the index where the pattern
// allows), by reading every title, and on the database as imported before
// the index. At ten times the size fewer patterns, each read in full.
void TesteIndice::mesmasLinhas_data() {
    // Built with the sanitizers every comparison runs many times slower; a
    // tenth of the patterns still takes every path of the index and the scan.
#ifdef ZEL_SANITIZADO
    constexpr int parte = 10;
#else
    constexpr int parte = 1;
#endif
    QTest::addColumn<int>("escala");
    QTest::addColumn<int>("padroes");
    QTest::newRow("tamanho normal") << 1 << 2100 / parte;
    QTest::newRow("dez vezes") << 10 << 280 / parte;
}

void TesteIndice::mesmasLinhas() {
    QFETCH(int, escala);
    QFETCH(int, padroes);
    const Banco &b = banco(escala);
    const QList<Comando> todos = comandos();
    Padroes gerador(b.titulos);
    int peloIndice = 0;
    for (int i = 0; i < padroes; ++i) {
        const QString padrao = gerador.proximo();
        const Comando &comando = todos[i % todos.size()];
        const QString caso = QString::fromUtf8(comando.nome) + u", \""_s + padrao + u"\""_s;
        bool usouIndice = false;
        const QStringList escolhido = linhas(b.dados, comando.sql, padrao, &usouIndice);
        Consulta::definirUsoDoIndice(false);
        const QStringList lendoTudo = linhas(b.dados, comando.sql, padrao);
        Consulta::definirUsoDoIndice(true);
        const QStringList anterior = linhas(b.anterior, comando.sql, padrao);
        if (escolhido != lendoTudo || escolhido != anterior)
            QFAIL(
                qPrintable(caso + u": %1 linhas pelo índice, %2 lendo tudo, %3 no banco anterior"_s
                                      .arg(escolhido.size())
                                      .arg(lendoTudo.size())
                                      .arg(anterior.size())));
        peloIndice += usouIndice;
    }
    // Both ways were taken often.
    QVERIFY2(peloIndice > padroes / 3 && peloIndice < padroes * 9 / 10,
             qPrintable(QString::number(peloIndice)));
}

// Three or more characters between wildcards, or a first character that is
// not one, let the index answer; anything shorter reads every title.
void TesteIndice::quemResponde_data() {
    QTest::addColumn<QString>("padrao");
    QTest::addColumn<bool>("peloIndice");
    QTest::newRow("palavra") << u"%médico%"_s << true;
    QTest::newRow("três letras") << u"%Téc%"_s << true;
    QTest::newRow("uma letra") << u"%a%"_s << false;
    QTest::newRow("duas letras") << u"%de%"_s << false;
    QTest::newRow("duas letras e acento") << u"%çã%"_s << false;
    QTest::newRow("primeira letra") << u"m%"_s << true;
    QTest::newRow("curingas entre letras") << u"%m_d_c%"_s << false;
    QTest::newRow("três letras depois de um curinga") << u"%m_dic%"_s << true;
    QTest::newRow("só curingas") << u"%_%"_s << false;
    QTest::newRow("vazio") << QString() << false;
}

void TesteIndice::quemResponde() {
    QFETCH(QString, padrao);
    QFETCH(bool, peloIndice);
    bool usouIndice = false;
    linhas(fixtures::banco(u"basica"_s), fncSqlBuscaRapida(), padrao, &usouIndice);
    QCOMPARE(usouIndice, peloIndice);
}

// A list of the index that cannot be read is the database's damage, told as
// such, not a search that finds less.
void TesteIndice::listaDanificada_data() {
    QTest::addColumn<QString>("lista");
    QTest::newRow("forma desconhecida") << u"ffffff"_s;
    QTest::newRow("diferença cortada") << u"0081"_s;
    QTest::newRow("diferença zero") << u"000100"_s;
    QTest::newRow("bits sem a primeira linha") << u"0100ff"_s;
    QTest::newRow("bits sem bit algum") << u"01010000"_s;
}

void TesteIndice::listaDanificada() {
    QFETCH(QString, lista);
    const QString dados = fixtures::Classificacao(u"basica"_s).criar();
    sqlite3 *db = nullptr;
    sqlite3_open((dados + u"/zel2002.db"_s).toUtf8().constData(), &db);
    const QByteArray comando = "UPDATE zel_trigramas SET linhas = x'" + lista.toLatin1() + "'";
    QCOMPARE(sqlite3_exec(db, comando.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(db);
    try {
        linhas(dados, fncSqlBuscaRapida(), u"%médico%"_s);
        QFAIL("a busca terminou");
    } catch (const ErroBanco &erro) {
        QVERIFY2(erro.texto().startsWith(u"O banco de dados está danificado"_s),
                 qPrintable(erro.texto()));
    }
}

// A title holding another blank than the space bar's (a non-breaking or a
// thin space pasted from elsewhere) is found by a search typed with spaces,
// and by one holding that blank, from the index and reading every title.
void TesteIndice::espacos_data() {
    QTest::addColumn<QString>("sinonimo");
    QTest::addColumn<QString>("padrao");
    QTest::newRow("inseparável, busca com espaço")
        << u"Técnico\u00a0de\u00a0acústica"_s << u"%tecnico de acus%"_s;
    QTest::newRow("fino, busca com espaço") << u"Técnico\u2009de acústica"_s << u"%co de a%"_s;
    QTest::newRow("espaço, busca com inseparável")
        << u"Técnico de acústica"_s << u"%técnico\u00a0de%"_s;
    QTest::newRow("começo com inseparável") << u"Técnico\u00a0de acústica"_s << u"técnico d%"_s;
}

void TesteIndice::espacos() {
    QFETCH(QString, sinonimo);
    QFETCH(QString, padrao);
    const QString dados = fixtures::Classificacao(u"basica"_s)
                              .linha(u"TSinonimo"_s, {u"1"_s, sinonimo, u"9"_s})
                              .criar();
    const QString esperado = sinonimo + u"|0111|Sinônimo"_s;
    bool usouIndice = false;
    QCOMPARE(linhas(dados, fncSqlBuscaRapida(), padrao, &usouIndice), QStringList{esperado});
    QVERIFY(usouIndice);
    Consulta::definirUsoDoIndice(false);
    QCOMPARE(linhas(dados, fncSqlBuscaRapida(), padrao), QStringList{esperado});
}

QTEST_GUILESS_MAIN(TesteIndice)
#include "tst_indice.moc"
