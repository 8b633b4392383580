// The CSV importer: what it accepts, that a refused import names file, line
// and column, ends with status 1 and leaves the previous database as it was,
// and that imports into one directory neither collide nor half-land.

#include "consulta.h"
#include "fixtures.h"
#include "importador.h"
#include "processo.h"
#include "unit_global.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <fcntl.h>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace Qt::StringLiterals;

class TesteImportador : public QObject {
    Q_OBJECT
private slots:
    void recusas_data();
    void recusas();
    void lacunasToleradas_data();
    void lacunasToleradas();
    void formatosAceitos();
    void codigosAceitos();
    void diretorioInexistente();
    void bancoNovoLegivelPorTodos();
    void umaImportacaoPorVez();
    void importacoesSimultaneas();
    void importacaoInterrompida_data();
    void importacaoInterrompida();
    void discoCheio_data();
    void discoCheio();
    void semPermissao();
};

namespace {

using fixtures::novoDiretorio;

// A copy of the basic fixture's CSV files where `arquivo` has `conteudo`, or
// has `conteudo` appended.
QString csvCom(const QString &arquivo, const QByteArray &conteudo, bool acrescentar = false) {
    const QString destino = novoDiretorio();
    const QDir origem(fixtures::fonte(u"basica"_s));
    for (const QString &nome : origem.entryList(QDir::Files))
        QFile::copy(origem.filePath(nome), destino + u"/"_s + nome);
    const QString caminho = destino + u"/"_s + arquivo;
    QFile::setPermissions(caminho, QFile::ReadOwner | QFile::WriteOwner);
    if (conteudo.isNull()) {
        QFile::remove(caminho);
        return destino;
    }
    QFile saida(caminho);
    if (!saida.open(acrescentar ? QIODevice::Append : QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("não foi possível escrever %s", qPrintable(caminho));
    saida.write(conteudo);
    return destino;
}

QByteArray resumo(const QString &arquivo) {
    QFile banco(arquivo);
    if (!banco.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(banco.readAll(), QCryptographicHash::Sha256);
}

// A `dados` directory holding the basic fixture, imported by the tool.
QString dadosBasicos() {
    const QString dados = novoDiretorio() + u"/dados"_s;
    const processo::Saida importacao =
        processo::executar({u"importar"_s, fixtures::fonte(u"basica"_s), dados});
    if (importacao.status != 0)
        qFatal("%s", qPrintable(importacao.erros));
    return dados;
}

QStringList arquivosEm(const QString &dados) {
    return QDir(dados).entryList(QDir::Files | QDir::System | QDir::Hidden);
}

const QStringList soOBanco = {u"zel2002.db"_s};

// A copy of the basic fixture whose TSinonimo.csv is a pipe: an import of it
// holds the directory's lock and waits for what a test writes into the pipe.
QString csvComCano(QString *cano) {
    const QString csv = csvCom(u"TSinonimo.csv"_s, QByteArray());
    *cano = csv + u"/TSinonimo.csv"_s;
    if (::mkfifo(QFile::encodeName(*cano).constData(), 0600) != 0)
        qFatal("mkfifo");
    return csv;
}

// Opens the end of the pipe for writing once an import has opened it for
// reading; true when it is open.
bool abrirCano(const QString &cano, int *escrita) {
    if (*escrita < 0)
        *escrita = ::open(QFile::encodeName(cano).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    return *escrita >= 0;
}

QByteArray sinonimosBasicos() {
    QFile arquivo(fixtures::fonte(u"basica"_s) + u"/TSinonimo.csv"_s);
    arquivo.open(QIODevice::ReadOnly);
    return arquivo.readAll();
}

// The synonyms of occupation 1 (family 0111) in the database of `dados`.
QStringList sinonimosDaPrimeira(const QString &dados) {
    Consulta consulta;
    consulta.definirSql(fncSqlSinonimos(u"0111"_s, u"1"_s));
    consulta.definirBanco(dados);
    consulta.abrir();
    QStringList nomes;
    for (; !consulta.fimDados(); consulta.proximo())
        nomes << consulta.campo(u"sinonimo"_s);
    return nomes;
}

} // namespace

void TesteImportador::recusas_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QByteArray>("conteudo");
    QTest::addColumn<bool>("acrescentar"); // appended to the fixture's file
    QTest::addColumn<QString>("mensagem"); // after the directory of the CSV files

    const QByteArray grandes = "Cod_Gde_Gp,Tit_Gde_Gp\n"; // 22 bytes
    const QString utf8 = u"/TGrande_Grupo.csv, linha 2, coluna Tit_Gde_Gp: o byte 0x%1 não forma "_s
                         u"texto UTF-8 válido (deslocamento %2 do arquivo)"_s;
    const QString controle = u"/TGrande_Grupo.csv, linha 2, coluna Tit_Gde_Gp: caractere de "_s
                             u"controle U+%1 (deslocamento %2 do arquivo)"_s;

    // Files and records.
    QTest::newRow("arquivo ausente")
        << "TSinonimo.csv" << QByteArray() << false << "/TSinonimo.csv: não foi encontrado";
    QTest::newRow("arquivo vazio")
        << "TSinonimo.csv" << QByteArray("") << false << "/TSinonimo.csv, linha 1: arquivo vazio";
    QTest::newRow("coluna ausente")
        << "TFamilia.csv" << QByteArray("cod_familia,tit_familia,Cod_Sgp\n2111,Médicos,211\n")
        << false << "/TFamilia.csv, linha 1, coluna descr_familia: coluna ausente no cabeçalho";
    QTest::newRow("registro com campos a menos")
        << "TAfinidade.csv" << QByteArray("cod_familia,cod_familia_afim\n2111,2112\n2111\n")
        << false << "/TAfinidade.csv, linha 3: o registro tem 1 campo(s), o cabeçalho tem 2";
    QTest::newRow("aspas abertas")
        << "TFamilia.csv"
        << QByteArray("cod_familia,tit_familia,descr_familia,Cod_Sgp\n2111,\"Médicos,x,211\n")
        << false
        << "/TFamilia.csv, linha 2, coluna tit_familia: aspas abertas até o fim do arquivo "
           "(deslocamento 51 do arquivo)";
    QTest::newRow("aspas no meio do campo")
        << "TFamilia.csv"
        << QByteArray("cod_familia,tit_familia,descr_familia,Cod_Sgp\n2111,Mé\"dicos,x,211\n")
        << false
        << "/TFamilia.csv, linha 2, coluna tit_familia: aspas fora do lugar (deslocamento 54 do "
           "arquivo)";
    QTest::newRow("texto depois das aspas")
        << "TGrande_Grupo.csv" << grandes + "0,\"A\"B\n"
        << false
        << "/TGrande_Grupo.csv, linha 2, coluna Tit_Gde_Gp: aspas fora do lugar (deslocamento "
           "27 do arquivo)";
    QTest::newRow("aspas abertas fechadas linhas adiante")
        << "TGrande_Grupo.csv" << grandes + "0,\"Militares\n1,Saúde\n2,\"Educação\"\n"
        << false
        << "/TGrande_Grupo.csv, linha 2, coluna Tit_Gde_Gp: aspas abertas e não fechadas nesta "
           "linha; o campo só termina na linha 4, com aspas fora do lugar (deslocamento 24 do "
           "arquivo)";
    QTest::newRow("coluna repetida no cabeçalho")
        << "TFamilia.csv"
        << QByteArray("cod_familia,tit_familia,descr_familia,Cod_Sgp,Tit_Familia\n"
                      "2111,Médicos,x,211,\n")
        << false
        << "/TFamilia.csv, linha 1, coluna tit_familia: coluna repetida no cabeçalho (campos 2 e "
           "5)";
    QTest::newRow("linhas terminadas só por CR")
        << "TGrande_Grupo.csv" << QByteArray("Cod_Gde_Gp,Tit_Gde_Gp\r0,A\r") << false
        << "/TGrande_Grupo.csv, linha 1, coluna 2: linha terminada só por CR; as linhas devem "
           "terminar com LF ou CRLF (deslocamento 21 do arquivo)";

    // Text that is not UTF-8, and control characters.
    QTest::newRow("uma letra em Latin-1") << "TGrande_Grupo.csv"
                                          << grandes + "0,For\xe7"
                                                       "as armadas\n"
                                          << false << utf8.arg(u"E7"_s, u"27"_s);
    QTest::newRow("arquivo todo em Latin-1")
        << "TGrande_Grupo.csv" << grandes + "0,Militares\n1,Dire\xe7\xe3o e ger\xeancia\n"
        << false
        << u"/TGrande_Grupo.csv, linha 3, coluna Tit_Gde_Gp: o byte 0xE7 não forma texto UTF-8 "_s
           u"válido (deslocamento 40 do arquivo)"_s;
    QTest::newRow("depois da marca de ordem dos bytes") << "TGrande_Grupo.csv"
                                                        << "\xEF\xBB\xBF" + grandes +
                                                               "0,For\xe7"
                                                               "as\n"
                                                        << false << utf8.arg(u"E7"_s, u"30"_s);
    QTest::newRow("forma longa de dois bytes") << "TGrande_Grupo.csv" << grandes + "0,A\xc0\xaf\n"
                                               << false << utf8.arg(u"C0"_s, u"25"_s);
    QTest::newRow("forma longa de três bytes")
        << "TGrande_Grupo.csv" << grandes + "0,A\xe0\x80\xaf\n"
        << false << utf8.arg(u"E0"_s, u"25"_s);
    QTest::newRow("substituto UTF-16") << "TGrande_Grupo.csv" << grandes + "0,A\xed\xa0\x80\n"
                                       << false << utf8.arg(u"ED"_s, u"25"_s);
    QTest::newRow("além de U+10FFFF") << "TGrande_Grupo.csv" << grandes + "0,A\xf4\x90\x80\x80\n"
                                      << false << utf8.arg(u"F4"_s, u"25"_s);
    QTest::newRow("byte de continuação solto") << "TGrande_Grupo.csv" << grandes + "0,A\x80\n"
                                               << false << utf8.arg(u"80"_s, u"25"_s);
    QTest::newRow("sequência cortada no fim do arquivo")
        << "TGrande_Grupo.csv" << grandes + "0,Bombeiro\xc3" << false << utf8.arg(u"C3"_s, u"32"_s);
    QTest::newRow("na segunda linha de um valor entre aspas")
        << "TGrande_Grupo.csv" << grandes + "0,\"Linha um\nlinha \xe7\"\n"
        << false
        << u"/TGrande_Grupo.csv, linha 3, coluna Tit_Gde_Gp: o byte 0xE7 não forma texto UTF-8 "_s
           u"válido (deslocamento 40 do arquivo)"_s;
    QTest::newRow("NUL") << "TGrande_Grupo.csv" << grandes + QByteArray("0,A\0B\n", 6) << false
                         << controle.arg(u"0000"_s, u"25"_s);
    QTest::newRow("NUL entre aspas")
        << "TGrande_Grupo.csv" << grandes + QByteArray("0,\"A\0B\"\n", 8) << false
        << controle.arg(u"0000"_s, u"26"_s);
    QTest::newRow("ESC entre aspas") << "TGrande_Grupo.csv" << grandes + "0,\"A\x1b\"\n"
                                     << false << controle.arg(u"001B"_s, u"26"_s);
    QTest::newRow("DEL") << "TGrande_Grupo.csv" << grandes + "0,A\x7f\n"
                         << false << controle.arg(u"007F"_s, u"25"_s);
    QTest::newRow("controle de U+0080 a U+009F") << "TGrande_Grupo.csv" << grandes + "0,A\xc2\x85\n"
                                                 << false << controle.arg(u"0085"_s, u"25"_s);

    // Codes the code boxes could never look up, and numbers out of range.
    const auto codigo = [](const char *arquivo, int linha, const char *coluna,
                           const QString &motivo) {
        return u"/%1, linha %2, coluna %3: %4"_s.arg(QLatin1String(arquivo))
            .arg(linha)
            .arg(QLatin1String(coluna), motivo);
    };
    const QString digitos = u"o código \"%1\" deve ter só algarismos de 0 a 9"_s;
    QTest::newRow("código vazio") << "TAfinidade.csv" << QByteArray(",2112\n") << true
                                  << "/TAfinidade.csv, linha 6, coluna cod_familia: código vazio";
    QTest::newRow("largura errada")
        << "TSubgrupo.csv" << QByteArray("Cod_Sgp,Tit_Sgp,Cod_Sgp_Pcp\n2111,Médicos,21\n") << false
        << "/TSubgrupo.csv, linha 2, coluna Cod_Sgp: o código \"2111\" deve ter 3 caractere(s)";
    QTest::newRow("família com letra")
        << "TFamilia.csv" << QByteArray("01A2,Família,Descrição,011\n") << true
        << codigo("TFamilia.csv", 9, "cod_familia", digitos.arg(u"01A2"_s));
    QTest::newRow("família com espaço")
        << "TFamilia.csv" << QByteArray(" 102,Família,Descrição,011\n") << true
        << codigo("TFamilia.csv", 9, "cod_familia", digitos.arg(u" 102"_s));
    QTest::newRow("família em algarismos de largura total")
        << "TFamilia.csv" << u"０１０２,Família,Descrição,011\n"_s.toUtf8() << true
        << codigo("TFamilia.csv", 9, "cod_familia", digitos.arg(u"０１０２"_s));
    QTest::newRow("ocupação com letra")
        << "TOcupacao.csv" << QByteArray("12,2111,1X,Médico,2101\n") << true
        << codigo("TOcupacao.csv", 13, "cod_ocup", digitos.arg(u"1X"_s));
    QTest::newRow("ocupação de um algarismo")
        << "TOcupacao.csv" << QByteArray("12,2111,5,Médico,2101\n") << true
        << codigo("TOcupacao.csv", 13, "cod_ocup", u"o código \"5\" deve ter 2 caractere(s)"_s);
    QTest::newRow("grande grupo com letra")
        << "TGrande_Grupo.csv" << QByteArray("A,Outros\n") << true
        << codigo("TGrande_Grupo.csv", 6, "Cod_Gde_Gp", digitos.arg(u"A"_s));
    QTest::newRow("grandes grupos com lacuna")
        << "TGrande_Grupo.csv" << QByteArray("Cod_Gde_Gp,Tit_Gde_Gp\n0,A\n1,B\n3,D\n") << false
        << "/TGrande_Grupo.csv, linha 4, coluna Cod_Gde_Gp: os grandes grupos devem ter os códigos "
           "0, 1, 2 ... sem lacunas; esperado \"2\"";
    QTest::newRow("subgrupo principal com letra")
        << "TSubgrupo_Principal.csv" << QByteArray("2X,Outros,2\n") << true
        << codigo("TSubgrupo_Principal.csv", 8, "Cod_Sgp_Pcp", digitos.arg(u"2X"_s));
    QTest::newRow("grupo CIUO88 com X")
        << "TGrupo_Base_CIUO88.csv" << QByteArray("22X1,Outros\n") << true
        << codigo("TGrupo_Base_CIUO88.csv", 9, "Cod_Gp_Base_CIUO88", digitos.arg(u"22X1"_s));
    QTest::newRow("grupo CIUO88 de três algarismos")
        << "TGrupo_Base_CIUO88.csv" << QByteArray("221,Outros\n") << true
        << codigo("TGrupo_Base_CIUO88.csv", 9, "Cod_Gp_Base_CIUO88",
                  u"o código \"221\" deve ter de 4 a 6 caracteres"_s);
    QTest::newRow("ZEL94 com letra")
        << "TOcupacao94.csv" << QByteArray("0111Y,Velho,AT\n") << true
        << codigo("TOcupacao94.csv", 13, "Cod_Ocup_Zel94",
                  u"o código \"0111Y\" deve ter só algarismos de 0 a 9 ou X"_s);
    QTest::newRow("ZEL94 de sete caracteres")
        << "TOcupacao94.csv" << QByteArray("0111000,Velho,AT\n") << true
        << codigo("TOcupacao94.csv", 13, "Cod_Ocup_Zel94",
                  u"o código \"0111000\" deve ter de 4 a 6 caracteres"_s);
    QTest::newRow("código repetido")
        << "TGrupo_Base_CIUO88.csv"
        << QByteArray("Cod_Gp_Base_CIUO88,Tit_Grp_Base_CIUO88\n2101,Médicos\n2102,Dentistas\n2101,"
                      "Outros\n")
        << false
        << "/TGrupo_Base_CIUO88.csv, linha 4, coluna Cod_Gp_Base_CIUO88: código repetido (já na "
           "linha 2)";
    QTest::newRow("código visível repetido com outro número interno")
        << "TOcupacao.csv" << QByteArray("12,2111,01,Médico de família,2101\n") << true
        << "/TOcupacao.csv, linha 13, coluna cod_familia, cod_ocup: código repetido (já na linha "
           "4)";
    QTest::newRow("sequência não numérica")
        << "TSinonimo.csv" << QByteArray("1,Lente,um\n") << true
        << "/TSinonimo.csv, linha 10, coluna cod_sin: \"um\" não é um número inteiro";
    QTest::newRow("sequência negativa")
        << "TSinonimo.csv" << QByteArray("1,Lente,-1\n") << true
        << "/TSinonimo.csv, linha 10, coluna cod_sin: \"-1\" não é um número inteiro";
    QTest::newRow("sequência grande demais")
        << "TSinonimo.csv" << QByteArray("1,Lente,9223372036854775808\n") << true
        << "/TSinonimo.csv, linha 10, coluna cod_sin: o número \"9223372036854775808\" passa do "
           "maior aceito (9223372036854775807)";

    // References that lead nowhere, where the screens would lose or garble rows.
    const auto referencia = [](const char *arquivo, int linha, const char *coluna,
                               const char *codigo, const char *referido,
                               const char *colunaReferida) {
        return u"/%1, linha %2, coluna %3: o código \"%4\" não está em %5 (coluna %6)"_s
            .arg(QLatin1String(arquivo))
            .arg(linha)
            .arg(QLatin1String(coluna), QLatin1String(codigo), QLatin1String(referido),
                 QLatin1String(colunaReferida));
    };
    QTest::newRow("subgrupo principal de grande grupo ausente")
        << "TSubgrupo_Principal.csv" << QByteArray("91,Órfão,9\n") << true
        << referencia("TSubgrupo_Principal.csv", 8, "Cod_Gde_Gp", "9", "TGrande_Grupo.csv",
                      "Cod_Gde_Gp");
    QTest::newRow("subgrupo de subgrupo principal ausente")
        << "TSubgrupo.csv" << QByteArray("991,Órfão,99\n") << true
        << referencia("TSubgrupo.csv", 8, "Cod_Sgp_Pcp", "99", "TSubgrupo_Principal.csv",
                      "Cod_Sgp_Pcp");
    QTest::newRow("família de subgrupo ausente")
        << "TFamilia.csv" << QByteArray("9991,Órfã,Descrição,999\n") << true
        << referencia("TFamilia.csv", 9, "Cod_Sgp", "999", "TSubgrupo.csv", "Cod_Sgp");
    QTest::newRow("ocupação de família ausente")
        << "TOcupacao.csv" << QByteArray("12,9999,01,Órfã,2101\n") << true
        << referencia("TOcupacao.csv", 13, "cod_familia", "9999", "TFamilia.csv", "cod_familia");
    QTest::newRow("ocupação de grupo CIUO88 ausente")
        << "TOcupacao.csv" << QByteArray("12,2111,20,Médico,9999\n") << true
        << referencia("TOcupacao.csv", 13, "Cod_Gp_Base_CIUO88", "9999", "TGrupo_Base_CIUO88.csv",
                      "Cod_Gp_Base_CIUO88");
    QTest::newRow("sinônimo de ocupação ausente")
        << "TSinonimo.csv" << QByteArray("99,Órfão,1\n") << true
        << referencia("TSinonimo.csv", 10, "cod_int_ocup", "99", "TOcupacao.csv", "cod_int_ocup");
    QTest::newRow("texto de família ausente")
        << "TTemplate.csv" << QByteArray("9999,a,b,c\n") << true
        << referencia("TTemplate.csv", 7, "cod_familia", "9999", "TFamilia.csv", "cod_familia");
    QTest::newRow("correspondência com ZEL94 ausente")
        << "TOcup_2000_94.csv" << QByteArray("1,99990\n") << true
        << referencia("TOcup_2000_94.csv", 16, "Cod_Ocup_Zel94", "99990", "TOcupacao94.csv",
                      "Cod_Ocup_Zel94");
}

// Run as scripts run it: status 1, the message on standard error, the
// previous database byte for byte, and nothing else left in the directory.
void TesteImportador::recusas() {
    QFETCH(QString, arquivo);
    QFETCH(QByteArray, conteudo);
    QFETCH(bool, acrescentar);
    QFETCH(QString, mensagem);
    const QString dados = dadosBasicos();
    const QByteArray antes = resumo(dados + u"/zel2002.db"_s);

    const QString csv = csvCom(arquivo, conteudo, acrescentar);
    const processo::Saida importacao = processo::executar({u"importar"_s, csv, dados});
    QCOMPARE(importacao.status, 1);
    QCOMPARE(importacao.erros, csv + mensagem + u"\n"_s);
    QCOMPARE(resumo(dados + u"/zel2002.db"_s), antes);
    QCOMPARE(arquivosEm(dados), soOBanco);
}

void TesteImportador::lacunasToleradas_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QByteArray>("linhas"); // appended to the fixture's file
    QTest::addColumn<QStringList>("avisos");

    const QString afim = u"/TAfinidade.csv, linha %1, coluna %2: o código \"%3\" não está em "_s
                         u"TFamilia.csv (coluna cod_familia); a linha foi importada, mas as "_s
                         u"telas não a mostram"_s;
    QTest::newRow("família afim ausente")
        << "TAfinidade.csv" << QByteArray("2111,9999\n")
        << QStringList{afim.arg(u"6"_s, u"cod_familia_afim"_s, u"9999"_s)};
    QTest::newRow("família do par ausente")
        << "TAfinidade.csv" << QByteArray("9999,2111\n")
        << QStringList{afim.arg(u"6"_s, u"cod_familia"_s, u"9999"_s)};
    QTest::newRow("correspondência de ocupação ausente")
        << "TOcup_2000_94.csv" << QByteArray("99,00101\n")
        << QStringList{u"/TOcup_2000_94.csv, linha 16, coluna cod_int_ocup: o código \"99\" não "_s
                       u"está em TOcupacao.csv (coluna cod_int_ocup); a linha foi importada, mas "_s
                       u"as telas não a mostram"_s};
    // Many: the first ten one by one, then how many more.
    QByteArray muitas;
    QStringList avisos;
    for (int i = 0; i < 12; ++i) {
        const QString familia = QString::number(9000 + i);
        muitas += "2111," + familia.toLatin1() + "\n";
        if (i < 10)
            avisos << afim.arg(QString::number(6 + i), u"cod_familia_afim"_s, familia);
    }
    avisos << u"/TAfinidade.csv: mais 2 linha(s) com a coluna cod_familia_afim fora de "_s
              u"TFamilia.csv"_s;
    QTest::newRow("muitas famílias afins ausentes") << "TAfinidade.csv" << muitas << avisos;
}

// A gap the screens tolerate is imported with a warning: the rows they show
// stay the same.
void TesteImportador::lacunasToleradas() {
    QFETCH(QString, arquivo);
    QFETCH(QByteArray, linhas);
    QFETCH(QStringList, avisos);
    const QString csv = csvCom(arquivo, linhas, true);
    const QString dados = novoDiretorio();
    const processo::Saida importacao = processo::executar({u"importar"_s, csv, dados});
    QCOMPARE(importacao.status, 0);
    QString esperado;
    for (const QString &aviso : avisos)
        esperado += u"aviso: "_s + csv + aviso + u"\n"_s;
    QCOMPARE(importacao.erros, esperado);

    Consulta consulta;
    consulta.definirSql(fncSqlFamiliasAfins(u"2111"_s));
    consulta.definirBanco(dados);
    consulta.abrir();
    QCOMPARE(consulta.totalLinhas(), 2);
    consulta.definirSql(fncSqlConversao(u"ZEL94"_s, u"ZEL2002"_s, u"00101"_s));
    consulta.definirBanco(dados);
    consulta.definirBusca(u"00101"_s);
    consulta.abrir();
    QCOMPARE(consulta.totalLinhas(), 1);
}

// BOM, CRLF, header names in another case and order, extra columns, quoted
// fields with commas, quotes and line breaks, tabs, blank lines.
void TesteImportador::formatosAceitos() {
    QFile familias(fixtures::fonte(u"basica"_s) + u"/TFamilia.csv"_s);
    QVERIFY(familias.open(QIODevice::ReadOnly));
    QByteArray outras;
    for (const QByteArray &linha : familias.readAll().split('\n').mid(1))
        if (!linha.isEmpty() && !linha.startsWith("2111") && !linha.startsWith("2112")) {
            // cod_familia,tit_familia,descr_familia,Cod_Sgp -> the order of the header below
            const QList<QByteArray> campos = linha.split(',');
            outras += campos.last() + ",Título,x," + campos.first() + ",Descrição.\r\n";
        }
    const QString csv =
        csvCom(u"TFamilia.csv"_s,
               "\xEF\xBB\xBF"
               "COD_SGP,Tit_Familia,extra,Cod_Familia,Descr_Familia\r\n"
               "211,Médicos,x,2111,\"Atendem pacientes, \"\"sempre\"\";\r\ne\toperam.\"\r\n"
               "\r\n"
               "211,Cirurgiões-dentistas,y,2112,Tratam dentes.\r\n" +
                   outras);
    const QString dados = novoDiretorio();
    QString erro;
    QVERIFY2(importador::importar(csv, dados, &erro), qPrintable(erro));
    Consulta consulta;
    consulta.definirSql(fncSqlDescricaoSumaria(u"2111"_s));
    consulta.definirBanco(dados);
    consulta.abrir();
    QCOMPARE(consulta.campo(u"descricao"_s), u"Atendem pacientes, \"sempre\";\r\ne\toperam."_s);
    consulta.definirSql(fncSqlFamiliasDoSubgrupo(u"211"_s));
    consulta.abrir();
    QCOMPARE(consulta.totalLinhas(), 2);
}

// The widest codes the conversion box takes: ZEL94 codes of 4 to 6
// characters with X, CIUO88 groups of 4 to 6 digits; the largest sequence.
void TesteImportador::codigosAceitos() {
    const QString dados =
        fixtures::Classificacao(u"basica"_s)
            .linha(u"TOcupacao94"_s, {u"0111X"_s, u"Com X"_s, u"AT"_s})
            .linha(u"TOcupacao94"_s, {u"0112"_s, u"Quatro"_s, u"AT"_s})
            .linha(u"TOcupacao94"_s, {u"01130x"_s, u"Seis"_s, u"AT"_s})
            .linha(u"TGrupo_Base_CIUO88"_s, {u"222100"_s, u"Seis"_s})
            .linha(u"TSinonimo"_s, {u"1"_s, u"Último"_s, u"9223372036854775807"_s})
            .criar();
    const QList<QPair<QString, QString>> procurados = {{u"0111X"_s, u"ZEL94"_s},
                                                       {u"0112"_s, u"ZEL94"_s},
                                                       {u"01130x"_s, u"ZEL94"_s},
                                                       {u"222100"_s, u"CIUO88"_s}};
    for (const auto &[codigo, base] : procurados) {
        Consulta consulta;
        consulta.definirSql(fncSqlTabuaOrigem(codigo, base));
        consulta.definirBanco(dados);
        consulta.abrir();
        QVERIFY2(consulta.totalLinhas() == 1, qPrintable(codigo));
    }
    QCOMPARE(sinonimosDaPrimeira(dados).last(), u"Último"_s);
}

void TesteImportador::diretorioInexistente() {
    const QString dados = novoDiretorio();
    QString erro;
    QVERIFY(!importador::importar(u"/nao/existe"_s, dados, &erro));
    QCOMPARE(erro, u"/nao/existe: não foi encontrado"_s);
    const QString arquivo = fixtures::fonte(u"basica"_s) + u"/TFamilia.csv"_s;
    QVERIFY(!importador::importar(fixtures::fonte(u"basica"_s), arquivo + u"/dados"_s, &erro));
    QCOMPARE(erro, arquivo + u"/dados: uma parte do caminho não é um diretório"_s);
}

// The temporary file becomes the database: it is created as any new file,
// so that every user who may read the directory may read the database.
void TesteImportador::bancoNovoLegivelPorTodos() {
    const mode_t mascara = ::umask(022);
    const QString dados = dadosBasicos();
    ::umask(mascara);
    struct stat info {};
    QCOMPARE(::stat(QFile::encodeName(dados + u"/zel2002.db"_s).constData(), &info), 0);
    QCOMPARE(info.st_mode & 0777, mode_t(0644));
}

// An import that holds the directory (it waits for the pipe it reads): a
// second one is refused at once, readers read the previous database, and the
// first one's data is installed when it ends.
void TesteImportador::umaImportacaoPorVez() {
    const QString dados = dadosBasicos();
    const QByteArray antes = resumo(dados + u"/zel2002.db"_s);
    QString cano;
    const QString csv = csvComCano(&cano);
    QProcess primeira;
    processo::iniciar(primeira, {u"importar"_s, csv, dados});
    int escrita = -1;
    QTRY_VERIFY_WITH_TIMEOUT(abrirCano(cano, &escrita), 30000);

    const processo::Saida segunda =
        processo::executar({u"importar"_s, fixtures::fonte(u"basica"_s), dados});
    QCOMPARE(segunda.status, 1);
    QCOMPARE(segunda.erros,
             dados +
                 u": outra importação está em andamento neste diretório; nada foi alterado\n"_s);
    const processo::Saida leitura =
        processo::executar({u"consultar"_s, dados, u"fncSqlSinonimos"_s, u"0111"_s, u"1"_s});
    QCOMPARE(leitura.status, 0);
    QCOMPARE(leitura.saida, u"sinonimo\tcod_sin\nLente catedrático\t1\nDoutor titular\t2\n"_s);
    QCOMPARE(resumo(dados + u"/zel2002.db"_s), antes);

    const QByteArray sinonimos = sinonimosBasicos() + "1,Professor emérito,3\n";
    QCOMPARE(::write(escrita, sinonimos.constData(), size_t(sinonimos.size())),
             ssize_t(sinonimos.size()));
    ::close(escrita);
    const processo::Saida fim = processo::terminar(primeira);
    QCOMPARE(fim.erros, QString());
    QCOMPARE(fim.status, 0);
    QCOMPARE(sinonimosDaPrimeira(dados),
             (QStringList{u"Lente catedrático"_s, u"Doutor titular"_s, u"Professor emérito"_s}));
    QCOMPARE(arquivosEm(dados), soOBanco);
}

// Two imports of different data started together, again and again: each ends
// installed or refused because of the other; what is installed is the data of
// one that succeeded; a reader meanwhile always finds a whole database.
void TesteImportador::importacoesSimultaneas() {
    const QString dados = dadosBasicos();
    const QString outra = csvCom(u"TSinonimo.csv"_s, "1,Professor emérito,3\n", true);
    const QStringList sinonimosOutra = {u"Lente catedrático"_s, u"Doutor titular"_s,
                                        u"Professor emérito"_s};
    const QString recusa =
        dados + u": outra importação está em andamento neste diretório; nada foi alterado\n"_s;
    for (int rodada = 0; rodada < 5; ++rodada) {
        QProcess basica;
        QProcess segunda;
        processo::iniciar(basica, {u"importar"_s, fixtures::fonte(u"basica"_s), dados});
        processo::iniciar(segunda, {u"importar"_s, outra, dados});
        while (basica.state() != QProcess::NotRunning || segunda.state() != QProcess::NotRunning) {
            QCOMPARE(sinonimosDaPrimeira(dados).size() >= 2, true);
            QCoreApplication::processEvents();
        }
        const processo::Saida a = processo::terminar(basica);
        const processo::Saida b = processo::terminar(segunda);
        for (const processo::Saida *s : {&a, &b})
            QVERIFY2(s->status == 0 || (s->status == 1 && s->erros == recusa),
                     qPrintable(s->erros));
        QVERIFY(a.status == 0 || b.status == 0);
        const QStringList instalados = sinonimosDaPrimeira(dados);
        if (a.status != 0)
            QCOMPARE(instalados, sinonimosOutra);
        else if (b.status != 0)
            QCOMPARE(instalados.size(), 2);
        else
            QVERIFY(instalados == sinonimosOutra || instalados.size() == 2);
        QCOMPARE(arquivosEm(dados), soOBanco);
    }
}

void TesteImportador::importacaoInterrompida_data() {
    QTest::addColumn<int>("sinal");
    QTest::newRow("SIGINT") << SIGINT;
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGHUP") << SIGHUP;
    QTest::newRow("SIGKILL") << SIGKILL;
}

// Ended while it works: the previous database as it was; the temporary file
// removed at once, or, after SIGKILL, by the next import.
void TesteImportador::importacaoInterrompida() {
    QFETCH(int, sinal);
    const QString dados = dadosBasicos();
    const QByteArray antes = resumo(dados + u"/zel2002.db"_s);
    QString cano;
    const QString csv = csvComCano(&cano);
    QProcess importacao;
    processo::iniciar(importacao, {u"importar"_s, csv, dados});
    int escrita = -1;
    QTRY_VERIFY_WITH_TIMEOUT(abrirCano(cano, &escrita), 30000);
    QCOMPARE(arquivosEm(dados).size(), 2);
    QVERIFY(arquivosEm(dados).at(1).startsWith(u"zel2002.db.novo-"_s));

    ::kill(pid_t(importacao.processId()), sinal);
    const processo::Saida fim = processo::terminar(importacao);
    ::close(escrita);
    QVERIFY(!fim.terminou);
    QCOMPARE(resumo(dados + u"/zel2002.db"_s), antes);
    if (sinal != SIGKILL) {
        QCOMPARE(arquivosEm(dados), soOBanco);
        return;
    }
    QCOMPARE(arquivosEm(dados).size(), 2);
    const processo::Saida seguinte =
        processo::executar({u"importar"_s, fixtures::fonte(u"basica"_s), dados});
    QCOMPARE(seguinte.status, 0);
    QCOMPARE(arquivosEm(dados), soOBanco);
}

enum class Falta {
    Disco,      // a disk that fills up
    Limite,     // a limit on the size of the files the process writes
    LimiteSinal // the same, where the system ends the process at the limit
};
Q_DECLARE_METATYPE(Falta)

void TesteImportador::discoCheio_data() {
    QTest::addColumn<Falta>("falta");
    QTest::addColumn<QString>("motivo"); // empty: the process is ended
    QTest::newRow("disco cheio") << Falta::Disco << "disco cheio";
    QTest::newRow("limite do tamanho dos arquivos")
        << Falta::Limite << "arquivo maior que o limite permitido";
    QTest::newRow("processo terminado no limite") << Falta::LimiteSinal << QString();
}

// A database that does not fit: the import says so, naming the database, and
// the previous one stays; no part is left.
void TesteImportador::discoCheio() {
    QFETCH(Falta, falta);
    QFETCH(QString, motivo);
    QTemporaryDir raiz;
    QVERIFY(QDir(raiz.path()).mkdir(u"disco"_s));
    std::optional<processo::DiscoPequeno> disco;
    QString dados;
    if (falta == Falta::Disco) {
        // Room for the previous database and half of a new one.
        disco.emplace(raiz.path() + u"/disco"_s, 200);
        if (!disco->montado())
            QSKIP("este processo não pode montar um sistema de arquivos");
        dados = raiz.path() + u"/disco/dados"_s;
        QString erro;
        QVERIFY2(importador::importar(fixtures::fonte(u"basica"_s), dados, &erro),
                 qPrintable(erro));
    } else {
        dados = dadosBasicos();
    }
    const QByteArray antes = resumo(dados + u"/zel2002.db"_s);
    const processo::Saida importacao =
        processo::executar({u"importar"_s, fixtures::fonte(u"basica"_s), dados}, [falta] {
            if (falta == Falta::Disco)
                return;
            const rlimit limite{16384, 16384};
            ::setrlimit(RLIMIT_FSIZE, &limite);
            if (falta == Falta::Limite)
                ::signal(SIGXFSZ, SIG_IGN);
        });
    if (motivo.isEmpty()) {
        QVERIFY(!importacao.terminou);
    } else {
        QCOMPARE(importacao.status, 1);
        QCOMPARE(importacao.erros, dados + u"/zel2002.db: "_s + motivo +
                                       u" (o banco novo não pôde ser gravado; o anterior ficou "_s
                                       u"como estava)\n"_s);
    }
    QCOMPARE(resumo(dados + u"/zel2002.db"_s), antes);
    QCOMPARE(arquivosEm(dados), soOBanco);
}

// A directory the user may not write: refused naming it, nothing changed.
void TesteImportador::semPermissao() {
    const QString dados = dadosBasicos();
    const QByteArray antes = resumo(dados + u"/zel2002.db"_s);
    // Open to everyone but for writing into `dados`.
    const auto abrir =
        QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
    QVERIFY(QFile::setPermissions(QFileInfo(dados).path(), abrir));
    QVERIFY(QFile::setPermissions(dados, abrir & ~QFile::WriteOwner));
    const QString csv = csvCom(u"TAfinidade.csv"_s, "cod_familia,cod_familia_afim\n");
    QVERIFY(QFile::setPermissions(csv, abrir));
    for (const QString &nome : QDir(csv).entryList(QDir::Files))
        QVERIFY(QFile::setPermissions(csv + u"/"_s + nome, QFile::ReadOwner | QFile::ReadOther));
    const processo::Saida importacao =
        processo::executarSemPrivilegios({u"importar"_s, csv, dados});
    QFile::setPermissions(dados, abrir);
    QCOMPARE(importacao.status, 1);
    QCOMPARE(importacao.erros, dados + u": sem permissão\n"_s);
    QCOMPARE(resumo(dados + u"/zel2002.db"_s), antes);
    QCOMPARE(arquivosEm(dados), soOBanco);
}

QTEST_GUILESS_MAIN(TesteImportador)
#include "tst_importador.moc"
