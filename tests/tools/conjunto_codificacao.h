#pragma once

#include "codificador.h"

#include <QString>
#include <QStringList>
#include <map>
#include <vector>

// The test set of the coder, built from a classification's own titles and
// synonyms (the CSV files `zel-dados gerar` writes), each written as people
// write titles: without accents, in capitals, in the feminine or the plural,
// with a typing error, with a small word more or less, words in another
// order, punctuation and blanks, and the harder cases of several of these at
// once or a missing first word. Each text keeps its true occupation codes.
namespace conjunto {

struct Caso {
    QString texto;
    QStringList codigos; // every occupation the original text belongs to
    QString alteracao;   // the kind of change, one of `alteracoes()`
};

// The kinds of change: "exato" (the text as it is), then the single changes,
// then the harder ones.
QStringList alteracoes();
QStringList alteracoesSimples();
QStringList alteracoesDificeis();
// The single changes that change the words (gender or number, a typing
// error, a small word, the order), not only what normalization takes away.
QStringList alteracoesNasPalavras();

// Every title and synonym of the classification in `diretorioCsv` once as it
// is and once under each kind of change (a text a change cannot alter, such
// as a one-word text losing its first word, is left out of that kind). The
// same `semente` gives the same set.
std::vector<Caso> gerar(const QString &diretorioCsv, unsigned semente);

// Answers that are not job titles, as forms get them.
QStringList foraDaClassificacao();

// How the coder did on the cases of one kind: how many cases, how many had
// a true code in the row (not "não encontrado"), among the first three
// candidates, how many found nothing and how many were "ambíguo".
struct Medida {
    int casos = 0;
    int primeiro = 0;
    int tres = 0;
    int naoEncontrado = 0;
    int ambiguo = 0;
};

struct Avaliacao {
    std::map<QString, Medida> porAlteracao;
    // The answers that were not exact, by the best candidate's score in
    // tenths (7: from 0.70 to 0.79): how many, and how many had a true code
    // first, whatever their status.
    std::map<int, Medida> porPontuacao;
};

// Codes every case (three candidates each) and counts.
Avaliacao avaliar(Codificador &codificador, const std::vector<Caso> &casos);

} // namespace conjunto
