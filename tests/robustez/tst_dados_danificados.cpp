// Damaged data under every action that reads it: a missing or empty data
// directory, a truncated, empty or corrupted database, one that lacks a table
// or a column, a database file that cannot be read, and a page or a picture
// of a page missing or unreadable. Each is reported once, in words a user
// understands with the engine's own message kept; the screen stays on view
// with its inputs as they were, and the same action works once the data is
// good again.

#include "apoio_busca.h"
#include "apoio_paginas.h"
#include "apoio_robustez.h"
#include "botao_figura.h"
#include "exigir.h"
#include "fixtures.h"
#include "grade.h"
#include "grade_html.h"
#include "memo.h"
#include "navegacao.h"
#include "paginador.h"
#include "programa.h"
#include "rotulo_link.h"
#include "unit_FormBusca.h"
#include "unit_FormBuscaCodigo.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormBuscaTituloAZ.h"
#include "unit_FormDescricao.h"
#include "unit_FormDescricaoCaracteristicas.h"
#include "unit_FormDescricaoConversao.h"
#include "unit_FormInicial.h"
#include "unit_FormRespostaBusca.h"
#include "unit_FormRespostaBuscaCodigo.h"
#include "unit_FormRespostaTabua.h"
#include "unit_FormRespostaTabuaTitulo.h"
#include "unit_FormTabua.h"
#include "unit_FormTabuaTitulo.h"
#include "unit_global.h"
#include "visualizador_html.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

// ------------------------------------------------------------ the damage

enum class Dano {
    SemDiretorio,
    DiretorioVazio,
    TruncadoNaMetade,
    TruncadoNoCabecalho,
    ArquivoVazio,
    PaginasSobrescritas,
    SemTabela,
    SemColuna,
    DiretorioNoLugar,
    SemPermissao,
};

const std::pair<Dano, const char *> danos[] = {
    {Dano::SemDiretorio, "sem o diretório dados"},
    {Dano::DiretorioVazio, "diretório dados vazio"},
    {Dano::TruncadoNaMetade, "banco cortado na metade"},
    {Dano::TruncadoNoCabecalho, "banco cortado no cabeçalho"},
    {Dano::ArquivoVazio, "banco vazio"},
    {Dano::PaginasSobrescritas, "páginas das tabelas sobrescritas"},
    {Dano::SemTabela, "sem a tabela"},
    {Dano::SemColuna, "sem a coluna"},
    {Dano::DiretorioNoLugar, "diretório no lugar do banco"},
    {Dano::SemPermissao, "banco sem permissão de leitura"},
};

QString banco; // the good database file
QString dados; // the installation's data directory

QString arquivoDados() {
    return dados + u"/zel2002.db"_s;
}

// A copy without QFile::copy's wait for the disk: the tests copy hundreds
// of files.
void copiar(const QString &de, const QString &para) {
    QFile origem(de);
    QFile destino(para);
    QVERIFY(origem.open(QIODevice::ReadOnly));
    QVERIFY(destino.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(destino.write(origem.readAll()), origem.size());
}

// The data as installed: the good database alone in its directory.
void reparar() {
    QDir(dados).removeRecursively();
    QFile::setPermissions(dados, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QDir().mkpath(dados);
    EXIGIR(copiar(banco, arquivoDados()));
}

void substituirBanco(const QString &outro) {
    QVERIFY(QFile::remove(arquivoDados()));
    EXIGIR(copiar(outro + u"/zel2002.db"_s, arquivoDados()));
}

void truncar(qint64 bytes) {
    QFile arquivo(arquivoDados());
    QVERIFY(arquivo.resize(bytes));
}

// The root page of every table and index overwritten with garbage (in this
// small database every page but the schema's): each statement reads one of
// them, while the file still opens and the statements still prepare.
void sobrescreverPaginas() {
    sqlite3 *db = nullptr;
    sqlite3_open_v2(arquivoDados().toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt *consulta = nullptr;
    sqlite3_prepare_v2(db, "SELECT page_size FROM pragma_page_size", -1, &consulta, nullptr);
    sqlite3_step(consulta);
    const qint64 tamanhoPagina = sqlite3_column_int64(consulta, 0);
    sqlite3_finalize(consulta);
    sqlite3_prepare_v2(db, "SELECT rootpage FROM sqlite_schema WHERE rootpage > 1", -1, &consulta,
                       nullptr);
    QList<qint64> paginas;
    while (sqlite3_step(consulta) == SQLITE_ROW)
        paginas << sqlite3_column_int64(consulta, 0);
    sqlite3_finalize(consulta);
    sqlite3_close(db);
    QVERIFY(tamanhoPagina > 0 && !paginas.isEmpty());
    QFile arquivo(arquivoDados());
    QVERIFY(arquivo.open(QIODevice::ReadWrite));
    for (const qint64 pagina : paginas) {
        arquivo.seek((pagina - 1) * tamanhoPagina);
        arquivo.write(QByteArray(tamanhoPagina, char(0xA5)));
    }
}

// chmod does not keep the superuser from reading: such rows are skipped.
bool legivelApesarDaPermissao(const QString &caminho) {
    QFile arquivo(caminho);
    return arquivo.open(QIODevice::ReadOnly);
}

void danificar(Dano dano, const QString &tabela, const QString &coluna) {
    switch (dano) {
    case Dano::SemDiretorio:
        QVERIFY(QDir(dados).removeRecursively());
        break;
    case Dano::DiretorioVazio:
        QVERIFY(QFile::remove(arquivoDados()));
        break;
    case Dano::TruncadoNaMetade:
        EXIGIR(truncar(QFileInfo(arquivoDados()).size() / 2));
        break;
    case Dano::TruncadoNoCabecalho:
        EXIGIR(truncar(1000));
        break;
    case Dano::ArquivoVazio:
        EXIGIR(truncar(0));
        break;
    case Dano::PaginasSobrescritas:
        EXIGIR(sobrescreverPaginas());
        break;
    case Dano::SemTabela:
        EXIGIR(substituirBanco(fixtures::semTabela(u"basica"_s, tabela)));
        break;
    case Dano::SemColuna:
        EXIGIR(substituirBanco(fixtures::semColuna(u"basica"_s, tabela, coluna)));
        break;
    case Dano::DiretorioNoLugar:
        QVERIFY(QFile::remove(arquivoDados()));
        QVERIFY(QDir().mkdir(arquivoDados()));
        break;
    case Dano::SemPermissao:
        // A new file: the one the program holds open stays readable to it.
        EXIGIR(substituirBanco(QFileInfo(banco).path()));
        QVERIFY(QFile::setPermissions(arquivoDados(), {}));
        break;
    }
}

// What the user is told: the message begins with `inicio` and ends with
// `fim`, the engine's words compared without regard to case.
struct Mensagem {
    QString inicio;
    QString fim;
};

Mensagem mensagemEsperada(Dano dano, const QString &tabela, const QString &coluna) {
    const QString arquivo = fncCaminhoDados() + u"/zel2002.db"_s;
    const auto motor = [&](const QString &explicacao, const QString &mensagem, const QString &fim) {
        return Mensagem{explicacao + u": "_s + arquivo + u"\n("_s + mensagem, fim + u")"_s};
    };
    const auto exata = [](const QString &texto) { return Mensagem{texto, texto}; };
    const QString danificado = u"O banco de dados está danificado"_s;
    const QString estrutura = u"O banco de dados não tem a estrutura que o programa espera"_s;
    const QString ilegivel = u"O banco de dados não pôde ser lido"_s;
    switch (dano) {
    case Dano::SemDiretorio:
        return exata(u"O diretório de dados não foi encontrado: "_s + fncCaminhoDados());
    case Dano::DiretorioVazio:
        return exata(u"O banco de dados não foi encontrado: "_s + arquivo);
    case Dano::TruncadoNaMetade:
    case Dano::TruncadoNoCabecalho:
    case Dano::PaginasSobrescritas:
        return motor(danificado, u"database disk image is malformed"_s, QString());
    case Dano::ArquivoVazio:
        return motor(danificado, u"file is not a database"_s, QString());
    case Dano::SemTabela:
        return motor(estrutura, u"no such table: "_s, tabela);
    case Dano::SemColuna:
        return motor(estrutura, u"no such column: "_s, coluna);
    case Dano::DiretorioNoLugar:
        return motor(ilegivel, u"disk I/O error"_s, QString());
    case Dano::SemPermissao:
        return motor(u"Sem permissão para ler o banco de dados"_s,
                     u"unable to open database file"_s, QString());
    }
    return {};
}

// ------------------------------------------------------------ the actions

// An action of a screen that reads the database: what it needs, how the user
// gets ready for it (on good data) and does it, on which screen the user is
// left, and how to see that it worked.
struct Acao {
    const char *nome;
    IdTela tela;
    QString tabela; // a table the action reads, and one of its columns
    QString coluna;
    std::function<void()> preparar;
    std::function<void()> executar;
    std::function<bool()> pronto;
    // Doing it again once the data is good, where that differs from
    // `executar` (a letter or an entry the failed attempt already chose).
    std::function<void()> repetir = {};
    // Inputs that the action itself sets: the lists it chooses from or fills.
    QStringList proprios = {};
};

bool naTela(TelaPrincipal *tela) {
    return navegacao::telaAtual() == tela;
}

void procurar(QLineEdit *caixa, const QString &texto) {
    robustez::substituir(caixa, texto);
    programa::enter(caixa);
}

// The first title of a result grid, without its bold or italic, in small
// letters.
QString primeiroTitulo(const Grade &grade) {
    return grade_html::textoVisivel(grade.celula(0, 1)).toLower();
}

void novaBusca() {
    programa::clicar(obj_Form_FormBuscaEstrutura->obj_Bt_NovaBusca);
}

void escolherItem(QComboBox *lista, int indice) {
    EXIGIR(robustez::escolher(lista, lista->itemText(indice)));
}

// The family 2111 on the description screen, from a code search.
void abrirFamilia() {
    apoio_busca::irPara(obj_Form_FormInicial);
    procurar(obj_Form_FormInicial->obj_Edit_BuscaCodigo, u"2111"_s);
    apoio_busca::duploClique(*obj_Form_FormRespostaBuscaCodigo->obj_SortGrid_BuscaTitulosAZ, 1);
}

void prepararConversao() {
    apoio_busca::irPara(obj_Form_FormTabua);
    EXIGIR(robustez::escolher(obj_Form_FormTabua->obj_Combo_De, u"ZEL2002"_s));
    robustez::substituir(obj_Form_FormTabua->obj_Edit_ConverteCodigo, u"2111"_s);
    EXIGIR(robustez::escolher(obj_Form_FormTabua->obj_Combo_Para, u"ZEL94"_s));
}

void prepararConversaoPorTitulo() {
    apoio_busca::irPara(obj_Form_FormTabuaTitulo);
    EXIGIR(robustez::escolher(obj_Form_FormTabuaTitulo->obj_Combo_De, u"ZEL2002"_s));
    robustez::substituir(obj_Form_FormTabuaTitulo->obj_Edit_ConverteTitulo, u"médico"_s);
}

// The first row of the conversion-by-title list that can be converted.
Tobj_Form_FormRespostaTabuaTitulo::Linha &linhaConvertivel() {
    for (auto &linha : obj_Form_FormRespostaTabuaTitulo->linhasTitulos)
        if (!linha.obj_Combo_De->isHidden())
            return linha;
    return obj_Form_FormRespostaTabuaTitulo->linhasTitulos[0];
}

const QStringList listasDaEstrutura = {u"obj_ComboBoxGrandeGrupo"_s, u"obj_ComboBoxSGP"_s,
                                       u"obj_ComboBoxSubGrupo"_s};

const QList<Acao> &acoes() {
    static const QList<Acao> todas = {
        {"busca rápida", IdTela::FormBusca, u"TSinonimo"_s, u"nom_sin"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBusca);
             robustez::substituir(obj_Form_FormBusca->obj_Edit_BuscaRapida, u"médico"_s);
         },
         [] { programa::enter(obj_Form_FormBusca->obj_Edit_BuscaRapida); },
         [] { return naTela(obj_Form_FormRespostaBusca); }},
        {"título na tela inicial", IdTela::FormInicial, u"TOcupacao"_s, u"nom_ocup"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormInicial);
             robustez::substituir(obj_Form_FormInicial->obj_Edit_BuscaTitulo, u"médico"_s);
         },
         [] { programa::enter(obj_Form_FormInicial->obj_Edit_BuscaTitulo); },
         [] { return naTela(obj_Form_FormRespostaBusca); }},
        {"código na tela inicial", IdTela::FormInicial, u"TFamilia"_s, u"tit_familia"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormInicial);
             robustez::substituir(obj_Form_FormInicial->obj_Edit_BuscaCodigo, u"2111"_s);
         },
         [] { programa::enter(obj_Form_FormInicial->obj_Edit_BuscaCodigo); },
         [] { return naTela(obj_Form_FormRespostaBuscaCodigo); }},
        {"busca por título em todas as fontes", IdTela::FormBusca, u"TTemplate"_s, u"form_exp"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBusca);
             if (!obj_Form_FormBusca->obj_Chk_Filtro_Todos->isChecked())
                 obj_Form_FormBusca->obj_Chk_Filtro_Todos->click();
             robustez::substituir(obj_Form_FormBusca->obj_Edit_BuscaTitulo, u"médico"_s);
         },
         [] { programa::enter(obj_Form_FormBusca->obj_Edit_BuscaTitulo); },
         [] { return naTela(obj_Form_FormRespostaBusca); }},
        {"busca por código", IdTela::FormBuscaCodigo, u"TOcupacao"_s, u"nom_ocup"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBuscaCodigo);
             robustez::substituir(obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo, u"211101"_s);
         },
         [] { programa::enter(obj_Form_FormBuscaCodigo->obj_Edit_BuscaCodigo); },
         [] { return naTela(obj_Form_FormRespostaBuscaCodigo); }},
        {"estrutura: grande grupo",
         IdTela::FormBuscaEstrutura,
         u"TSubgrupo_Principal"_s,
         u"Tit_Sgp_Pcp"_s,
         [] { apoio_busca::irPara(obj_Form_FormBuscaEstrutura); },
         [] {
             novaBusca();
             escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxGrandeGrupo, 2);
         },
         [] { return obj_Form_FormBuscaEstrutura->obj_ComboBoxSGP->count() == 2; },
         {},
         listasDaEstrutura},
        {"estrutura: subgrupo principal", IdTela::FormBuscaEstrutura, u"TSubgrupo"_s, u"Tit_Sgp"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBuscaEstrutura);
             novaBusca();
             escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxGrandeGrupo, 2);
         },
         [] { escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxSGP, 0); },
         [] { return obj_Form_FormBuscaEstrutura->obj_ComboBoxSubGrupo->count() == 1; },
         [] { escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxSGP, 1); }, listasDaEstrutura},
        {"estrutura: subgrupo", IdTela::FormBuscaEstrutura, u"TFamilia"_s, u"Tit_Familia"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBuscaEstrutura);
             novaBusca();
             escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxGrandeGrupo, 2);
             escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxSGP, 0);
         },
         [] { escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxSubGrupo, 0); },
         [] {
             return !obj_Form_FormBuscaEstrutura->obj_SortGrid_BuscaEstrutura->celula(0, 1)
                         .isEmpty();
         },
         [] {
             escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxSGP, 1);
             escolherItem(obj_Form_FormBuscaEstrutura->obj_ComboBoxSubGrupo, 0);
         },
         listasDaEstrutura},
        {"A-Z: letra", IdTela::FormBuscaTituloAZ, u"TOcupacao94"_s, u"Tp_Situacao"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBusca);
             apoio_busca::irPara(obj_Form_FormBuscaTituloAZ);
         },
         [] { programa::clicar(obj_Form_FormBuscaTituloAZ->obj_Bt_BuscaTitulosAZ[u'M' - u'A']); },
         [] {
             return primeiroTitulo(*obj_Form_FormBuscaTituloAZ->obj_SortGrid_BuscaTitulosAZ)
                 .startsWith(u'p');
         },
         // The letter clicked stays disabled after the error: the user takes another.
         [] { programa::clicar(obj_Form_FormBuscaTituloAZ->obj_Bt_BuscaTitulosAZ[u'P' - u'A']); }},
        {"A-Z: palavra", IdTela::FormBuscaTituloAZ, u"TOcupacao94"_s, u"Tp_Situacao"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBusca);
             apoio_busca::irPara(obj_Form_FormBuscaTituloAZ);
             robustez::substituir(obj_Form_FormBuscaTituloAZ->obj_Edit_BuscaTitulosAZ, u"co"_s);
         },
         [] { programa::enter(obj_Form_FormBuscaTituloAZ->obj_Edit_BuscaTitulosAZ); },
         [] {
             return primeiroTitulo(*obj_Form_FormBuscaTituloAZ->obj_SortGrid_BuscaTitulosAZ)
                 .contains(u"co"_s);
         }},
        {"A-Z: ao abrir", IdTela::FormBuscaTituloAZ, u"TSinonimo"_s, u"nom_sin"_s,
         [] {
             apoio_busca::irPara(obj_Form_FormBuscaTituloAZ);
             programa::clicar(obj_Form_FormBuscaTituloAZ->obj_Bt_BuscaTitulosAZ[u'T' - u'A']);
             apoio_busca::irPara(obj_Form_FormBusca);
         },
         [] { programa::clicar(obj_Form_FormBusca->links()[3]); },
         [] {
             return primeiroTitulo(*obj_Form_FormBuscaTituloAZ->obj_SortGrid_BuscaTitulosAZ)
                 .startsWith(u"árbitro"_s);
         },
         [] {
             apoio_busca::irPara(obj_Form_FormBusca);
             programa::clicar(obj_Form_FormBusca->links()[3]);
         }},
        {"família: descrição", IdTela::FormDescricao, u"TTemplate"_s, u"descr_excecao"_s,
         [] {
             abrirFamilia();
             apoio_busca::irPara(obj_Form_FormRespostaBuscaCodigo);
         },
         [] {
             apoio_busca::duploClique(
                 *obj_Form_FormRespostaBuscaCodigo->obj_SortGrid_BuscaTitulosAZ, 1);
         },
         [] {
             return obj_Form_FormDescricao->obj_SortGrid_Tabua_Codigo->celula(0, 0).contains(
                 u"2111-01"_s);
         },
         [] {
             apoio_busca::irPara(obj_Form_FormRespostaBuscaCodigo);
             apoio_busca::duploClique(
                 *obj_Form_FormRespostaBuscaCodigo->obj_SortGrid_BuscaTitulosAZ, 1);
         }},
        {"família: características", IdTela::FormDescricaoCaracteristicas, u"TTemplate"_s,
         u"Form_Exp"_s, abrirFamilia, [] { programa::clicar(obj_Form_FormDescricao->links()[1]); },
         [] {
             return naTela(obj_Form_FormDescricaoCaracteristicas) &&
                    !obj_Form_FormDescricaoCaracteristicas->obj_MemoFormacao->toPlainText()
                         .isEmpty();
         },
         [] {
             apoio_busca::irPara(obj_Form_FormDescricao);
             programa::clicar(obj_Form_FormDescricao->links()[1]);
         }},
        {"família: conversão", IdTela::FormDescricaoConversao, u"TOcupacao94"_s, u"Nom_ocup94"_s,
         [] {
             abrirFamilia();
             programa::clicar(obj_Form_FormDescricao->links()[2]);
             EXIGIR(
                 robustez::escolher(obj_Form_FormDescricaoConversao->obj_Combo_Para, u"ZEL94"_s));
         },
         [] { programa::clicar(obj_Form_FormDescricaoConversao->obj_Bt_Ok); },
         [] { return naTela(obj_Form_FormRespostaTabua); }},
        {"conversão por código", IdTela::FormTabua, u"TOcupacao94"_s, u"Nom_ocup94"_s,
         prepararConversao, [] { programa::clicar(obj_Form_FormTabua->obj_Bt_Converter_Ok); },
         [] { return naTela(obj_Form_FormRespostaTabua); }},
        {"resultado da conversão", IdTela::FormRespostaTabua, u"TFamilia"_s, u"tit_familia"_s,
         [] {
             prepararConversao();
             programa::clicar(obj_Form_FormTabua->obj_Bt_Converter_Ok);
         },
         [] { abrirEFecharSobre(navegacao::telaAtual()); },
         [] {
             return obj_Form_FormRespostaTabua->findChild<QLabel *>(u"obj_Lb_BemVindo"_s)->text() ==
                    u"2111 - Médicos"_s;
         }},
        {"conversão por título", IdTela::FormTabuaTitulo, u"TSinonimo"_s, u"nom_sin"_s,
         prepararConversaoPorTitulo,
         [] { programa::clicar(obj_Form_FormTabuaTitulo->obj_Bt_Converter_Procurar); },
         [] { return naTela(obj_Form_FormRespostaTabuaTitulo); }},
        {"conversão de um título achado", IdTela::FormRespostaTabuaTitulo, u"TOcupacao94"_s,
         u"Nom_ocup94"_s,
         [] {
             prepararConversaoPorTitulo();
             programa::clicar(obj_Form_FormTabuaTitulo->obj_Bt_Converter_Procurar);
             EXIGIR(robustez::escolher(linhaConvertivel().obj_Combo_De, u"ZEL94"_s));
         },
         [] { programa::clicar(linhaConvertivel().obj_Bt_Ok); },
         [] { return naTela(obj_Form_FormRespostaTabua); }},
    };
    return todas;
}

void verificarMensagem(const QStringList &erros, const Mensagem &esperada) {
    QVERIFY2(erros.size() == 1, qPrintable(erros.join(u" | "_s)));
    QVERIFY2(erros[0].startsWith(esperada.inicio), qPrintable(erros[0]));
    QVERIFY2(erros[0].endsWith(esperada.fim, Qt::CaseInsensitive), qPrintable(erros[0]));
}

// ------------------------------------------------------------ open lists

// A result screen that lists what another screen found: how it is reached,
// its first row, and its pager when the list has more than one page.
struct Lista {
    const char *nome;
    void (*abrir)();
    IdTela tela;
    QString (*primeira)();
    Paginador *(*paginador)();
};

const Lista listas[] = {
    {"títulos achados",
     [] {
         apoio_busca::irPara(obj_Form_FormInicial);
         procurar(obj_Form_FormInicial->obj_Edit_BuscaTitulo, u"a"_s);
     },
     IdTela::FormRespostaBusca,
     [] { return obj_Form_FormRespostaBusca->obj_SortGrid_BuscaTitulosAZ->celula(0, 1); },
     [] { return obj_Form_FormRespostaBusca->paginador; }},
    {"códigos achados",
     [] {
         apoio_busca::irPara(obj_Form_FormInicial);
         procurar(obj_Form_FormInicial->obj_Edit_BuscaCodigo, u"2111"_s);
     },
     IdTela::FormRespostaBuscaCodigo,
     [] { return obj_Form_FormRespostaBuscaCodigo->obj_SortGrid_BuscaTitulosAZ->celula(1, 1); },
     [] { return static_cast<Paginador *>(nullptr); }},
    {"títulos para converter",
     [] {
         prepararConversaoPorTitulo();
         robustez::substituir(obj_Form_FormTabuaTitulo->obj_Edit_ConverteTitulo, u"m"_s);
         programa::clicar(obj_Form_FormTabuaTitulo->obj_Bt_Converter_Procurar);
     },
     IdTela::FormRespostaTabuaTitulo,
     [] { return obj_Form_FormRespostaTabuaTitulo->linhasTitulos[0].obj_Lb_Titulo->text(); },
     [] { return obj_Form_FormRespostaTabuaTitulo->paginador; }},
};

// ------------------------------------------------------------ the pages

struct Pagina {
    const char *nome;
    IdTela tela;
    QString arquivo;
};

const Pagina paginas[] = {
    {"tela inicial", IdTela::FormInicial, u"inicial.htm"_s},
    {"informações", IdTela::FormInformacoes, u"info_zel.htm"_s},
    {"regulamentação", IdTela::FormRegulamentacao, u"regulamentacao.htm"_s},
    {"legislação", IdTela::FormLegislacao, u"legislacao.htm"_s},
};

enum class DanoPagina { Ausente, DiretorioNoLugar, SemPermissao, FiguraAusente, FiguraCorrompida };

VisualizadorHtml *visualizador(TelaPrincipal *tela) {
    return tela->findChild<VisualizadorHtml *>(u"obj_WebBrowser"_s);
}

// The first picture of the page, as its file in the installation.
QString primeiraFigura(const QString &pagina) {
    QFile arquivo(pagina);
    if (!arquivo.open(QIODevice::ReadOnly))
        return QString();
    const QRegularExpressionMatch achado =
        QRegularExpression(u"<img src=\"([^\"]+)\""_s).match(QString::fromUtf8(arquivo.readAll()));
    return QFileInfo(pagina).dir().filePath(achado.captured(1));
}

// The screen reached from the home screen, its page read again.
void mostrarPagina(TelaPrincipal *tela) {
    apoio_busca::irPara(obj_Form_FormBusca);
    apoio_busca::irPara(tela);
}

} // namespace

class TesteDadosDanificados : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void novaBuscaNaoLeOBanco();
    void acaoComDadosDanificados_data();
    void acaoComDadosDanificados();
    void listasAbertasNaoDependemDoBanco_data();
    void listasAbertasNaoDependemDoBanco();
    void paginaDanificada_data();
    void paginaDanificada();

private:
    void copiarPaginas();

    QTemporaryDir m_raiz;
    QString m_html;
};

void TesteDadosDanificados::initTestCase() {
    banco = fixtures::banco(u"basica"_s) + u"/zel2002.db"_s;
    dados = m_raiz.path() + u"/dados"_s;
    reparar();
    robustez::iniciar(dados);
    // The pages are copies the tests may damage.
    m_html = diretorioPrograma() + u"/html"_s;
    QVERIFY(QFile::remove(m_html));
    copiarPaginas();
}

// The project's pages and their pictures, as installed.
void TesteDadosDanificados::copiarPaginas() {
    QDir(m_html).removeRecursively();
    const QDir origem(QStringLiteral(ZEL_DIR_HTML));
    QDir().mkpath(m_html + u"/imagens"_s);
    for (const QString &arquivo : origem.entryList({u"*.htm"_s, u"*.css"_s}, QDir::Files))
        EXIGIR(copiar(origem.filePath(arquivo), m_html + u"/"_s + arquivo));
    for (const QString &figura : QDir(origem.filePath(u"imagens"_s)).entryList(QDir::Files))
        EXIGIR(copiar(origem.filePath(u"imagens/"_s + figura), m_html + u"/imagens/"_s + figura));
}

void TesteDadosDanificados::init() {
    reparar();
    programa::avisos();
    programa::erros();
}

void TesteDadosDanificados::cleanup() {
    programa::encerrarTeste();
}

void TesteDadosDanificados::acaoComDadosDanificados_data() {
    QTest::addColumn<int>("acao");
    QTest::addColumn<Dano>("dano");
    for (int i = 0; i < acoes().size(); ++i)
        for (const auto &[dano, nome] : danos)
            QTest::addRow("%s, %s", acoes()[i].nome, nome) << i << dano;
}

// The action's error is reported once; nothing else is said, the screen
// stays on view with the inputs the user gave, the cursor is the normal
// one, and with the data good again the same action works.
void TesteDadosDanificados::acaoComDadosDanificados() {
    QFETCH(int, acao);
    QFETCH(Dano, dano);
    const Acao &a = acoes()[acao];
    a.preparar();
    QCOMPARE(programa::erros(), QStringList());
    programa::avisos();
    EXIGIR(danificar(dano, a.tabela, a.coluna));
    if (dano == Dano::SemPermissao && legivelApesarDaPermissao(arquivoDados()))
        QSKIP("quem roda os testes lê o arquivo mesmo sem permissão (superusuário)");
    TelaPrincipal *tela = navegacao::tela(a.tela);
    const QStringList antes = robustez::entradas(tela, a.proprios);

    a.executar();
    EXIGIR(verificarMensagem(programa::erros(), mensagemEsperada(dano, a.tabela, a.coluna)));
    QCOMPARE(programa::avisos(), QStringList());
    QCOMPARE(navegacao::telaAtual(), tela);
    QVERIFY(tela->isVisible());
    QCOMPARE(robustez::entradas(tela, a.proprios), antes);
    QVERIFY(!QGuiApplication::overrideCursor());

    reparar();
    (a.repetir ? a.repetir : a.executar)();
    QCOMPARE(programa::erros(), QStringList());
    QCOMPARE(programa::avisos(), QStringList());
    QVERIFY(a.pronto());
}

// Starting the structure browser over reads nothing, whether a major group
// was chosen or not, the first time too, when the list still shows its
// prompt: without data it says nothing, and every list is left without a
// choice. (Runs first, while the browser is as the program created it.)
void TesteDadosDanificados::novaBuscaNaoLeOBanco() {
    Tobj_Form_FormBuscaEstrutura *estrutura = obj_Form_FormBuscaEstrutura;
    apoio_busca::irPara(estrutura);
    QCOMPARE(estrutura->obj_ComboBoxGrandeGrupo->currentIndex(), -1);
    QVERIFY(!estrutura->obj_ComboBoxGrandeGrupo->placeholderText().isEmpty());
    const auto comecarDeNovo = [estrutura] {
        EXIGIR(danificar(Dano::SemDiretorio, QString(), QString()));
        novaBusca();
        QCOMPARE(programa::erros(), QStringList());
        QCOMPARE(estrutura->obj_ComboBoxGrandeGrupo->currentIndex(), -1);
        QCOMPARE(estrutura->obj_ComboBoxGrandeGrupo->count(), 4);
        QCOMPARE(estrutura->obj_ComboBoxSGP->count(), 0);
        QCOMPARE(estrutura->obj_ComboBoxSubGrupo->count(), 0);
    };
    comecarDeNovo();
    reparar();
    escolherItem(estrutura->obj_ComboBoxGrandeGrupo, 2);
    QCOMPARE(estrutura->obj_ComboBoxSGP->count(), 2);
    comecarDeNovo();
}

void TesteDadosDanificados::listasAbertasNaoDependemDoBanco_data() {
    QTest::addColumn<int>("lista");
    QTest::addColumn<Dano>("dano");
    for (int i = 0; i < int(std::size(listas)); ++i)
        for (const auto &[dano, nome] : danos)
            QTest::addRow("%s, %s", listas[i].nome, nome) << i << dano;
}

// A list on view was read whole when it was found: its pages, and the
// fill that runs when the screen is activated again, need the database no
// more.
void TesteDadosDanificados::listasAbertasNaoDependemDoBanco() {
    QFETCH(int, lista);
    QFETCH(Dano, dano);
    const Lista &l = listas[lista];
    l.abrir();
    QCOMPARE(navegacao::telaAtual(), navegacao::tela(l.tela));
    const QString primeira = l.primeira();
    QVERIFY(!primeira.isEmpty());
    EXIGIR(danificar(dano, u"TSinonimo"_s, u"nom_sin"_s));

    if (Paginador *paginador = l.paginador()) {
        programa::clicar(paginador->obj_Bt_RespostaBusca_Mais);
        QVERIFY(l.primeira() != primeira);
        programa::clicar(paginador->obj_Bt_RespostaBusca_Menos);
    }
    abrirEFecharSobre(navegacao::telaAtual());
    QCOMPARE(l.primeira(), primeira);
    QCOMPARE(programa::erros(), QStringList());
}

void TesteDadosDanificados::paginaDanificada_data() {
    QTest::addColumn<int>("pagina");
    QTest::addColumn<DanoPagina>("dano");
    const std::pair<DanoPagina, const char *> danosPagina[] = {
        {DanoPagina::Ausente, "página ausente"},
        {DanoPagina::DiretorioNoLugar, "diretório no lugar da página"},
        {DanoPagina::SemPermissao, "página sem permissão de leitura"},
        {DanoPagina::FiguraAusente, "figura ausente"},
        {DanoPagina::FiguraCorrompida, "figura corrompida"},
    };
    for (int i = 0; i < int(std::size(paginas)); ++i)
        for (const auto &[dano, nome] : danosPagina)
            QTest::addRow("%s, %s", paginas[i].nome, nome) << i << dano;
}

// A page that cannot be read is the viewer's error, with its path: the
// viewer keeps what it showed. A picture that cannot be read is reported
// with its path, and the page is shown without it. Either way the screen
// stays on view, and the page comes back whole once its files are.
void TesteDadosDanificados::paginaDanificada() {
    QFETCH(int, pagina);
    QFETCH(DanoPagina, dano);
    copiarPaginas();
    TelaPrincipal *tela = navegacao::tela(paginas[pagina].tela);
    const QString arquivo = m_html + u"/"_s + paginas[pagina].arquivo;
    const QString figura = primeiraFigura(arquivo);
    VisualizadorHtml *vista = visualizador(tela);
    mostrarPagina(tela);
    QCOMPARE(programa::erros(), QStringList());
    const QString texto = vista->toPlainText();
    QVERIFY(!texto.trimmed().isEmpty());

    QString esperado;
    switch (dano) {
    case DanoPagina::Ausente:
        QVERIFY(QFile::remove(arquivo));
        esperado = u"Can't locate file: "_s + arquivo;
        break;
    case DanoPagina::DiretorioNoLugar:
        QVERIFY(QFile::remove(arquivo));
        QVERIFY(QDir().mkdir(arquivo));
        esperado = u"Can't locate file: "_s + arquivo;
        break;
    case DanoPagina::SemPermissao:
        QVERIFY(QFile::setPermissions(arquivo, {}));
        esperado = u"Can't locate file: "_s + arquivo;
        if (legivelApesarDaPermissao(arquivo))
            QSKIP("quem roda os testes lê o arquivo mesmo sem permissão (superusuário)");
        break;
    case DanoPagina::FiguraAusente:
        QVERIFY(QFile::remove(figura));
        esperado = u"A figura da página não pôde ser lida: "_s + figura;
        break;
    case DanoPagina::FiguraCorrompida: {
        QFile corrompida(figura);
        QVERIFY(corrompida.open(QIODevice::ReadWrite));
        corrompida.seek(corrompida.size() / 2);
        corrompida.write(QByteArray(corrompida.size(), char(0xA5)));
        esperado = u"A figura da página não pôde ser lida: "_s + figura;
        break;
    }
    }
    const bool semPagina = esperado.startsWith(u"Can't"_s);
    if (semPagina)
        vista->setPlainText(u"o que a vista mostrava"_s);

    mostrarPagina(tela);
    QCOMPARE(programa::erros(), QStringList{esperado});
    QCOMPARE(programa::avisos(), QStringList());
    QCOMPARE(navegacao::telaAtual(), tela);
    QVERIFY(tela->isVisible());
    QCOMPARE(vista->toPlainText(), semPagina ? u"o que a vista mostrava"_s : texto);

    copiarPaginas();
    mostrarPagina(tela);
    QCOMPARE(programa::erros(), QStringList());
    QCOMPARE(vista->toPlainText(), texto);
}

QTEST_MAIN(TesteDadosDanificados)
#include "tst_dados_danificados.moc"
