// `zel-dados converter` agrees with the conversion by code screen: every code
// of the sample classification, in each of the four pairs (and codes the
// screen refuses or finds nothing for), converted by the command in one file
// and one by one on the screen, driven through its widgets.

#include "apoio_conversao.h"
#include "botao_figura.h"
#include "csv.h"
#include "fixtures.h"
#include "gerador.h"
#include "importador.h"
#include "navegacao.h"
#include "paginador.h"
#include "programa.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormTabua.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

// What a conversion lists, in order, each item once: "code title", the code
// without the hyphen of an occupation, the title in capitals (the screen
// writes some lists so); and how the row fared.
struct Lista {
    QString situacao;
    QStringList itens;
};

QString item(QString codigo, const QString &titulo) {
    return codigo.remove(u'-') + u' ' + titulo.toUpper();
}

// The command's answer for every code of `codigos`, run once over all of them.
QList<Lista> doComando(const QString &dados, const QString &de, const QString &para,
                       const QStringList &codigos) {
    QTemporaryDir dir;
    QByteArray entrada = "linha,codigo\n";
    for (qsizetype i = 0; i < codigos.size(); ++i)
        csv::acrescentarLinha(entrada, {QString::number(i), codigos[i]});
    QFile arquivo(dir.filePath(u"codigos.csv"_s));
    arquivo.open(QIODevice::WriteOnly);
    arquivo.write(entrada);
    arquivo.close();
    const QString saida = dir.filePath(u"saida.csv"_s);
    QProcess processo;
    processo.start(QStringLiteral(ZEL_DADOS),
                   {u"converter"_s, dados, u"--de"_s, de, u"--para"_s, para, arquivo.fileName(),
                    u"--coluna"_s, u"codigo"_s, u"--saida"_s, saida, u"--expandir"_s});
    processo.waitForFinished(120000);
    QList<Lista> listas(codigos.size());
    if (processo.exitCode() != 0) {
        qWarning() << processo.readAllStandardError();
        return listas;
    }
    const QList<QStringList> linhas = fixtures::lerCsv(saida);
    for (qsizetype i = 1; i < linhas.size(); ++i) {
        const QStringList &l = linhas[i];
        Lista &lista = listas[l[0].toInt()];
        lista.situacao = l[5];
        if (!l[2].isEmpty())
            lista.itens << item(l[2], l[3]);
    }
    return listas;
}

const QString avisoInvalido =
    u"O código digitado\rnão parece ser válido\rex: 1234, 12345 ou 123466"_s;
const QString avisoVazio = u"Você deve informar um\rcódigo para conversão"_s;
const QString avisoNada = u"Não foi encontrado\rnenhum registro para busca"_s;

void escolherBase(QComboBox *lista, const QString &base) {
    lista->setCurrentIndex(lista->findText(base));
}

// What the conversion by code screen answers for `codigo`: its notice, or
// every row of every page of the conversion results and the note of an
// excluded occupation.
Lista daTela(const QString &de, const QString &para, const QString &codigo) {
    Tobj_Form_FormTabua *tabua = obj_Form_FormTabua;
    apoio_conversao::irPara(tabua);
    escolherBase(tabua->obj_Combo_De, de);
    escolherBase(tabua->obj_Combo_Para, para);
    tabua->obj_Edit_ConverteCodigo->setText(codigo);
    programa::clicar(tabua->obj_Bt_Converter_Ok);
    const QStringList avisos = programa::avisos();
    if (avisos == QStringList{avisoInvalido} || avisos == QStringList{avisoVazio})
        return {u"código inválido"_s, {}};
    if (avisos == QStringList{avisoNada})
        return {u"sem correspondência"_s, {}};
    if (!avisos.isEmpty() || navegacao::telaAtual() != obj_Form_FormRespostaTabua)
        return {u"tela inesperada: "_s + avisos.join(u" / "_s), {}};
    Tobj_Form_FormRespostaTabua *resposta = obj_Form_FormRespostaTabua;
    const int total = resposta->obj_Lb_Total->text().mid(1).chopped(1).toInt();
    QStringList linhas;
    while (linhas.size() < total) {
        const QStringList pagina = apoio_conversao::linhasDaGrade();
        if (pagina.isEmpty())
            break;
        linhas << pagina;
        resposta->paginador->prcMoverProximaPagina();
    }
    Lista lista;
    for (QString linha : linhas) {
        linha.remove(u"<b>"_s).remove(u"</b>"_s);
        const QString texto = item(linha.section(u" - "_s, 0, 0), linha.section(u" - "_s, 1));
        if (!lista.itens.contains(texto))
            lista.itens << texto;
    }
    lista.situacao = resposta->obj_Lb_Ocup_Excluida->isVisible() ? u"excluída"_s
                     : lista.itens.size() > 1                    ? u"várias"_s
                                                                 : u"convertido"_s;
    return lista;
}

} // namespace

class TesteConversaoArquivo : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void comandoConcordaComATela_data();
    void comandoConcordaComATela();

private:
    QTemporaryDir m_dir;
    QString m_dados;
    QList<QList<QStringList>> m_tabelas;
    QMap<QString, QStringList> m_codigos; // of each base, and codes of no base
};

void TesteConversaoArquivo::initTestCase() {
    const QString csv = m_dir.filePath(u"csv"_s);
    m_dados = m_dir.filePath(u"dados"_s);
    QString erro;
    QVERIFY2(gerador::gerarAmostra(csv, 1, &erro), qPrintable(erro));
    QVERIFY2(importador::importar(csv, m_dados, &erro), qPrintable(erro));
    const auto coluna = [&](const QString &tabela, int indice) {
        QStringList valores;
        const QList<QStringList> linhas = fixtures::lerCsv(csv + u'/' + tabela + u".csv"_s);
        for (qsizetype i = 1; i < linhas.size(); ++i)
            valores << linhas[i][indice];
        return valores;
    };
    QStringList ocupacoes;
    for (const QStringList &linha : fixtures::lerCsv(csv + u"/TOcupacao.csv"_s).mid(1))
        ocupacoes << linha[1] + linha[2];
    m_codigos[u"ZEL2002"_s] = coluna(u"TFamilia"_s, 0) + ocupacoes;
    m_codigos[u"ZEL94"_s] = coluna(u"TOcupacao94"_s, 0);
    m_codigos[u"CIUO88"_s] = coluna(u"TGrupo_Base_CIUO88"_s, 0);
    // What the screen refuses, finds nothing for, or reads in its own way:
    // no code, too short or long, a letter, five characters, an occupation
    // number its family does not have, a small "x" where the codes have "X".
    QStringList outros = {u""_s,      u"123"_s,    u"1234567"_s, u"12a4"_s,
                          u"01110"_s, u"011199"_s, u"9999"_s,    u"999999"_s};
    for (const QString &codigo : m_codigos[u"ZEL94"_s])
        if (codigo.contains(u'X')) {
            outros << codigo.toLower();
            break;
        }
    m_codigos[u"outros"_s] = outros;
    programa::calarElevacao();
    programa::instalar(m_dados);
    programa::iniciar();
}

void TesteConversaoArquivo::cleanup() {
    programa::encerrarTeste();
}

void TesteConversaoArquivo::comandoConcordaComATela_data() {
    QTest::addColumn<QString>("de");
    QTest::addColumn<QString>("para");
    QTest::newRow("ZEL2002 para ZEL94") << "ZEL2002"
                                        << "ZEL94";
    QTest::newRow("ZEL2002 para CIUO88") << "ZEL2002"
                                         << "CIUO88";
    QTest::newRow("ZEL94 para ZEL2002") << "ZEL94"
                                        << "ZEL2002";
    QTest::newRow("CIUO88 para ZEL2002") << "CIUO88"
                                         << "ZEL2002";
}

void TesteConversaoArquivo::comandoConcordaComATela() {
    QFETCH(QString, de);
    QFETCH(QString, para);
    const QStringList codigos = m_codigos[de] + m_codigos[u"outros"_s];
    const QList<Lista> comando = doComando(m_dados, de, para, codigos);
    QHash<QString, int> situacoes;
    for (qsizetype i = 0; i < codigos.size(); ++i) {
        const Lista tela = daTela(de, para, codigos[i]);
        const QString onde = u"código \""_s + codigos[i] + u"\""_s;
        QVERIFY2(comando[i].situacao == tela.situacao,
                 qPrintable(onde + u": "_s + comando[i].situacao + u" / tela: "_s + tela.situacao));
        QVERIFY2(comando[i].itens == tela.itens,
                 qPrintable(onde + u": "_s + comando[i].itens.join(u" | "_s) + u" / tela: "_s +
                            tela.itens.join(u" | "_s)));
        ++situacoes[tela.situacao];
    }
    qInfo() << de << "->" << para << codigos.size() << "códigos:" << situacoes;
}

QTEST_MAIN(TesteConversaoArquivo)
#include "tst_conversao_arquivo.moc"
