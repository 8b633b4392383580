#include "conjunto_codificacao.h"

#include "fixtures.h"
#include "normalizacao.h"

#include <QHash>
#include <functional>
#include <random>

using namespace Qt::StringLiterals;

namespace conjunto {
namespace {

using Gerador = std::mt19937;

// The rows of a table of the classification, without the header.
QList<QStringList> lerTabela(const QString &arquivo) {
    return fixtures::lerCsv(arquivo).mid(1);
}

int sorteio(Gerador &g, int n) {
    return std::uniform_int_distribution<int>(0, n - 1)(g);
}

const QStringList pequenas = {u"de"_s, u"da"_s,   u"do"_s, u"das"_s, u"dos"_s,
                              u"em"_s, u"para"_s, u"na"_s, u"no"_s,  u"e"_s};

bool pequena(const QString &palavra) {
    return pequenas.contains(palavra.toLower());
}

QString semAcentos(const QString &texto) {
    QString saida;
    for (const QChar c : texto.normalized(QString::NormalizationForm_D))
        if (!c.isMark())
            saida += c;
    return saida.normalized(QString::NormalizationForm_C);
}

// The head word in the other gender, or in the plural.
QString feminino(const QString &palavra) {
    if (palavra.endsWith(u"ão"_s))
        return palavra.chopped(1); // cirurgião -> cirurgiã
    if (palavra.endsWith(u"or"_s))
        return palavra + u"a"_s; // professora
    if (palavra.endsWith(u"ês"_s))
        return palavra.chopped(2) + u"esa"_s;
    if (palavra.endsWith(u'o'))
        return palavra.chopped(1) + u"a"_s; // médica
    if (palavra.endsWith(u'a'))
        return palavra.chopped(1) + u"o"_s; // enfermeiro
    return palavra;
}

QString plural(const QString &palavra) {
    if (palavra.endsWith(u"ão"_s))
        return palavra.chopped(2) + u"ões"_s;
    if (palavra.endsWith(u'r') || palavra.endsWith(u'z') || palavra.endsWith(u's'))
        return palavra + u"es"_s;
    if (palavra.endsWith(u'l'))
        return palavra.chopped(1) + u"is"_s;
    if (palavra.endsWith(u'm'))
        return palavra.chopped(1) + u"ns"_s;
    return palavra + u"s"_s;
}

QString flexionar(QStringList palavras, Gerador &g) {
    const bool noFeminino = sorteio(g, 2) == 0;
    const QString mudada = noFeminino ? feminino(palavras[0]) : plural(palavras[0]);
    if (mudada == palavras[0])
        return {};
    palavras[0] = mudada;
    return palavras.join(u' ');
}

// One typing error in a word of four letters or more: a letter changed,
// left out, doubled or swapped with the next.
QString digitacao(QStringList palavras, Gerador &g) {
    QList<int> longas;
    for (int i = 0; i < palavras.size(); ++i)
        if (palavras[i].size() >= 4)
            longas << i;
    if (longas.isEmpty())
        return {};
    QString &palavra = palavras[longas[sorteio(g, int(longas.size()))]];
    const int p = sorteio(g, int(palavra.size()) - 1);
    const QChar letra = QChar(u'a' + sorteio(g, 26));
    switch (sorteio(g, 4)) {
    case 0:
        palavra[p] = letra == palavra[p] ? QChar(u'x') : letra;
        break;
    case 1:
        palavra.remove(p, 1);
        break;
    case 2:
        palavra.insert(p, letra);
        break;
    default:
        std::swap(palavra[p], palavra[p + 1]);
    }
    return palavras.join(u' ');
}

// A small word taken out, or "de" put in after the first word.
QString palavraPequena(QStringList palavras, Gerador &g) {
    QList<int> lugares;
    for (int i = 0; i < palavras.size(); ++i)
        if (pequena(palavras[i]))
            lugares << i;
    if (!lugares.isEmpty())
        palavras.removeAt(lugares[sorteio(g, int(lugares.size()))]);
    else if (palavras.size() >= 2)
        palavras.insert(1, u"de"_s);
    else
        return {};
    return palavras.join(u' ');
}

// Two words of meaning swapped (the first with another, as in "família,
// médico").
QString ordem(QStringList palavras, Gerador &g) {
    QList<int> cheias;
    for (int i = 0; i < palavras.size(); ++i)
        if (!pequena(palavras[i]))
            cheias << i;
    if (cheias.size() < 2)
        return {};
    palavras.swapItemsAt(cheias[0], cheias[1 + sorteio(g, int(cheias.size()) - 1)]);
    return palavras.join(u' ');
}

QString pontuacao(QStringList palavras, Gerador &g) {
    switch (sorteio(g, 3)) {
    case 0:
        return palavras.join(u"  "_s) + u"."_s;
    case 1:
        return u"\""_s + palavras.join(u" - "_s) + u"\""_s;
    default:
        return palavras.join(u", "_s) + u";"_s;
    }
}

QString caixa(const QString &texto, Gerador &g) {
    return sorteio(g, 2) == 0 ? texto.toUpper() : texto.toLower();
}

QString semPrimeira(QStringList palavras) {
    palavras.removeFirst();
    while (!palavras.isEmpty() && pequena(palavras.first()))
        palavras.removeFirst();
    return palavras.isEmpty() ? QString() : palavras.join(u' ');
}

using Alteracao = std::function<QString(const QString &, Gerador &)>;

QStringList palavrasDe(const QString &texto) {
    return texto.split(u' ', Qt::SkipEmptyParts);
}

// Several changes, one after the other, of those that change the words.
QString varias(const QString &texto, Gerador &g, int quantas) {
    const std::vector<std::function<QString(QStringList, Gerador &)>> mudancas = {
        flexionar, digitacao, palavraPequena, ordem};
    std::vector<int> ordemDasMudancas = {0, 1, 2, 3};
    std::shuffle(ordemDasMudancas.begin(), ordemDasMudancas.end(), g);
    QString atual = texto;
    int feitas = 0;
    for (const int m : ordemDasMudancas) {
        if (feitas == quantas)
            break;
        const QString mudado = mudancas[size_t(m)](palavrasDe(atual), g);
        if (!mudado.isEmpty()) {
            atual = mudado;
            ++feitas;
        }
    }
    return feitas == quantas ? atual : QString();
}

const std::vector<std::pair<QString, Alteracao>> &todas() {
    static const std::vector<std::pair<QString, Alteracao>> lista = {
        {u"exato"_s, [](const QString &t, Gerador &) { return t; }},
        {u"sem acentos"_s, [](const QString &t, Gerador &) { return semAcentos(t); }},
        {u"caixa"_s, caixa},
        {u"feminino ou plural"_s,
         [](const QString &t, Gerador &g) { return flexionar(palavrasDe(t), g); }},
        {u"um erro de digitação"_s,
         [](const QString &t, Gerador &g) { return digitacao(palavrasDe(t), g); }},
        {u"palavra pequena a mais ou a menos"_s,
         [](const QString &t, Gerador &g) { return palavraPequena(palavrasDe(t), g); }},
        {u"outra ordem"_s, [](const QString &t, Gerador &g) { return ordem(palavrasDe(t), g); }},
        {u"pontuação e brancos"_s,
         [](const QString &t, Gerador &g) { return pontuacao(palavrasDe(t), g); }},
        {u"duas mudanças"_s, [](const QString &t, Gerador &g) { return varias(t, g, 2); }},
        {u"dois erros de digitação"_s,
         [](const QString &t, Gerador &g) {
             const QString um = digitacao(palavrasDe(t), g);
             return um.isEmpty() ? um : digitacao(palavrasDe(um), g);
         }},
        {u"três mudanças"_s, [](const QString &t, Gerador &g) { return varias(t, g, 3); }},
        {u"sem a primeira palavra"_s,
         [](const QString &t, Gerador &) { return semPrimeira(palavrasDe(t)); }},
    };
    return lista;
}

} // namespace

QStringList alteracoes() {
    QStringList nomes;
    for (const auto &[nome, alteracao] : todas())
        nomes << nome;
    return nomes;
}

QStringList alteracoesSimples() {
    return alteracoes().mid(1, 7);
}

QStringList alteracoesNasPalavras() {
    return alteracoes().mid(3, 4);
}

QStringList alteracoesDificeis() {
    return alteracoes().mid(8);
}

std::vector<Caso> gerar(const QString &diretorioCsv, unsigned semente) {
    // Each text with the occupations it belongs to.
    QHash<QString, QString> codigoDaChave;
    std::vector<std::pair<QString, QString>> textos; // text, occupation code
    for (const QStringList &o : lerTabela(diretorioCsv + u"/TOcupacao.csv"_s)) {
        codigoDaChave.insert(o[0], o[1] + o[2]);
        textos.push_back({o[3], o[1] + o[2]});
    }
    for (const QStringList &s : lerTabela(diretorioCsv + u"/TSinonimo.csv"_s))
        textos.push_back({s[1], codigoDaChave.value(s[0])});
    QHash<QString, QStringList> codigosDoTexto;
    for (const auto &[texto, codigo] : textos) {
        QStringList &codigos =
            codigosDoTexto[QString::fromStdString(normalizacao::normalizar(texto))];
        if (!codigos.contains(codigo))
            codigos << codigo;
    }
    std::vector<Caso> casos;
    for (size_t i = 0; i < textos.size(); ++i) {
        const QString &texto = textos[i].first;
        const QStringList codigos =
            codigosDoTexto.value(QString::fromStdString(normalizacao::normalizar(texto)));
        unsigned k = 0;
        for (const auto &[nome, alteracao] : todas()) {
            Gerador g(semente ^ (unsigned(i) * 2654435761u) ^ (++k * 40503u));
            const QString alterado = alteracao(texto, g);
            if (!alterado.isEmpty())
                casos.push_back({alterado, codigos, nome});
        }
    }
    return casos;
}

QStringList foraDaClassificacao() {
    return {u"aposentado"_s,   u"do lar"_s,       u"estudante"_s,
            u"desempregada"_s, u"não sei"_s,      u"nenhuma"_s,
            u"vários"_s,       u"bico"_s,         u"aposentada por invalidez"_s,
            u"não trabalha"_s, u"dona de casa"_s, u"menor de idade"_s};
}

Avaliacao avaliar(Codificador &codificador, const std::vector<Caso> &casos) {
    codificador.definirQuantos(3);
    Avaliacao avaliacao;
    for (const Caso &caso : casos) {
        const Codificador::Resultado &r = codificador.codificar(caso.texto);
        Medida &m = avaliacao.porAlteracao[caso.alteracao];
        ++m.casos;
        const auto certo = [&](size_t i) {
            return i < r.candidatos.size() &&
                   caso.codigos.contains(codificador.ocupacao(r.candidatos[i].ocupacao).codigo);
        };
        const bool achado = r.situacao != Codificador::Situacao::NaoEncontrado;
        m.primeiro += achado && certo(0);
        m.tres += certo(0) || certo(1) || certo(2);
        m.naoEncontrado += !achado;
        m.ambiguo += r.situacao == Codificador::Situacao::Ambiguo;
        if (!r.candidatos.empty() && r.candidatos[0].pontuacao < 1) {
            Medida &faixa = avaliacao.porPontuacao[int(r.candidatos[0].pontuacao * 10)];
            ++faixa.casos;
            faixa.primeiro += certo(0);
        }
    }
    return avaliacao;
}

} // namespace conjunto
