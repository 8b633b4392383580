#include "gerador_montagem.h"

#include <QSet>

using namespace Qt::StringLiterals;

// Feminine and inclusive forms of occupation titles, which the sample lists
// as synonyms ("Costureiro sob medida" -> "Costureira sob medida",
// "Operador de empilhadeira" -> "Operador(a) de empilhadeira"). Only the
// head noun and the adjectives right after it change; the words from the
// first preposition (or capitalised word) on stay as they are.
namespace gerador {

bool ehPreposicao(const QString &palavra) {
    static const QSet<QString> preposicoes = {
        u"de"_s,  u"do"_s,   u"da"_s, u"dos"_s, u"das"_s, u"em"_s,  u"no"_s, u"na"_s,  u"nos"_s,
        u"nas"_s, u"para"_s, u"a"_s,  u"à"_s,   u"ao"_s,  u"aos"_s, u"e"_s,  u"por"_s, u"sob"_s};
    return preposicoes.contains(palavra);
}

namespace {

// Nouns (ranks among them) without a feminine in use, or with one that is
// not the occupation ("impressora" is the machine, "hortelã" the herb), and
// the elements that keep a compound invariable ("faz-tudo", "meio-fio").
bool semFeminino(const QString &minuscula) {
    static const QSet<QString> palavras = {
        u"sargento"_s,   u"soldado"_s,  u"cabo"_s,     u"membro"_s,   u"piloto"_s,
        u"copiloto"_s,   u"prático"_s,  u"bispo"_s,    u"frade"_s,    u"monge"_s,
        u"rabino"_s,     u"diácono"_s,  u"marido"_s,   u"major"_s,    u"brigadeiro"_s,
        u"impressor"_s,  u"peão"_s,     u"barman"_s,   u"sushiman"_s, u"maître"_s,
        u"martelinho"_s, u"modelo"_s,   u"otorrino"_s, u"radio"_s,    u"hortelão"_s,
        u"cavalariço"_s, u"lixeiro"_s,  u"pedreiro"_s, u"barreiro"_s, u"secador"_s,
        u"torneiro"_s,   u"meirinho"_s, u"imediato"_s, u"escanção"_s, u"tudo"_s,
        u"meio"_s};
    return palavras.contains(minuscula);
}

QString irregular(const QString &minuscula) {
    static const QHash<QString, QString> formas = {
        {u"ator"_s, u"atriz"_s},          {u"músico"_s, u"musicista"_s},
        {u"maestro"_s, u"maestrina"_s},   {u"garçom"_s, u"garçonete"_s},
        {u"poeta"_s, u"poetisa"_s},       {u"juiz"_s, u"juíza"_s},
        {u"imperador"_s, u"imperatriz"_s}};
    return formas.value(minuscula);
}

// Adjectives in -or (and nouns used as adjectives) that have one form for
// both genders.
bool invariavel(const QString &minuscula) {
    static const QSet<QString> palavras = {
        u"superior"_s, u"inferior"_s, u"anterior"_s, u"posterior"_s, u"exterior"_s,
        u"interior"_s, u"maior"_s,    u"menor"_s,    u"sênior"_s,    u"padrão"_s};
    return palavras.contains(minuscula);
}

bool ehSigla(const QString &palavra) {
    return palavra.size() > 1 && palavra == palavra.toUpper();
}

QString femininoDaPalavra(const QString &palavra, bool cabeca);

// A compound noun agrees in every element ("Cirurgião-dentista" ->
// "Cirurgiã-dentista"); a compound adjective only in the last one
// ("materno-infantil", "médico-legal" stay as they are).
QString femininoDoComposto(const QString &palavra, bool cabeca) {
    QStringList partes = palavra.split(u'-');
    for (qsizetype i = cabeca ? 0 : partes.size() - 1; i < partes.size(); ++i) {
        partes[i] = femininoDaPalavra(partes[i], cabeca);
        if (partes[i].isEmpty())
            return {};
    }
    return partes.join(u'-');
}

// The feminine of one word of a title, the head noun or an adjective that
// follows it; empty when it has none.
QString femininoDaPalavra(const QString &palavra, bool cabeca) {
    if (palavra.contains(u'-'))
        return femininoDoComposto(palavra, cabeca);
    if (ehSigla(palavra))
        return palavra;
    const QString minuscula = palavra.toLower();
    if (semFeminino(minuscula))
        return {};
    QString forma = irregular(minuscula);
    if (forma.isEmpty() && invariavel(minuscula)) {
        forma = minuscula;
    } else if (forma.isEmpty()) {
        if (minuscula.endsWith(u"ão"_s))
            forma = minuscula.chopped(2) + u"ã"_s;
        else if (minuscula.endsWith(u"or"_s))
            forma = minuscula + u'a';
        else if (minuscula.endsWith(u"ês"_s))
            forma = minuscula.chopped(2) + u"esa"_s;
        else if (minuscula.endsWith(u'o'))
            forma = minuscula.chopped(1) + u'a';
        else
            forma = minuscula;
    }
    return palavra.front().isUpper() ? forma.left(1).toUpper() + forma.mid(1) : forma;
}

// The words of a title and how many of them, from the start, agree in gender:
// the head noun and what follows it up to the first preposition, except that
// a second noun joined by "e" agrees too ("Cortador e dobrador de aço").
struct Cabeca {
    QStringList palavras;
    int concordam = 0;
};

Cabeca cabecaDe(const QString &titulo) {
    Cabeca c{titulo.split(u' '), 0};
    while (c.concordam < c.palavras.size()) {
        const QString &p = c.palavras[c.concordam];
        if (c.concordam > 0 && ((ehPreposicao(p) && p != u"e"_s) || p.front().isUpper()))
            break;
        ++c.concordam;
    }
    return c;
}

} // namespace

QString formaFeminina(const QString &titulo) {
    Cabeca c = cabecaDe(titulo);
    for (int i = 0; i < c.concordam; ++i) {
        c.palavras[i] = femininoDaPalavra(c.palavras[i], i == 0);
        if (c.palavras[i].isEmpty())
            return {};
    }
    const QString forma = c.palavras.join(u' ');
    return forma == titulo ? QString() : forma;
}

QString formaInclusiva(const QString &titulo) {
    Cabeca c = cabecaDe(titulo);
    QString &primeira = c.palavras[0];
    if (c.concordam != 1 || primeira.contains(u'-') || semFeminino(primeira.toLower()) ||
        !(primeira.endsWith(u'o') || primeira.endsWith(u"or"_s)) || primeira.endsWith(u"ão"_s))
        return {};
    primeira += u"(a)"_s;
    return c.palavras.join(u' ');
}

} // namespace gerador
