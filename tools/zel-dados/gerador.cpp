#include "gerador.h"

#include "gerador_montagem.h"

using namespace Qt::StringLiterals;

// The sample classification is built from the curated source in dataset/
// (embedded as resources): the tree and its occupations first, then the base
// groups each occupation points to, the family texts, related families and
// the previous edition; at escala N the rows are then copied N - 1 times.
//
// Where the escala-1 sample shows each case the screens must handle
// (tests/tools/tst_gerador.cpp checks these places):
//
// - family codes beginning with 0, synonyms stored out of alphabetical
//   order: 0101 (General de exército, General de divisão, General de brigada);
// - occupations with no synonym, one, two and eight: 0113-05, 0103-10,
//   0112-15, 2231-57;
// - families with 30, 12 and 13 occupations: 2231, 2142, 2145;
// - families with 0, 1 and 2 TTemplate rows: 1112, 2231, 0201;
// - related pairs stored once, either way round: 1111-1112 and 0112-0111;
//   a pair stored in both directions: 0101-0102;
// - subgroups with 5 and 12 families: 225, and 234 (2341-2349, 2351-2353);
// - ZEL94 occupations in force and excluded: 00110, 40365 (Datilógrafo);
// - a correspondence with "90" at characters 4-5: 00190 (to 0103-25);
// - a 2002 occupation linked to two ZEL94 occupations: 0101-15 (00120, 00130);
// - a ZEL94 occupation linked to 2002 ones of two families: 00370 (0202, 0203);
// - an occupation without correspondence, so not in the A-Z index: 1211-15;
// - titles longer than 62 characters: family 1413, occupation 8331-15;
// - more than 131 hits in a title search: "de", "operador", "técnico";
//   accents ignored by the search: "medico" finds "Médico clínico".
bool gerarAmostra(const QString &diretorio, int escala, QString *erro) {
    using namespace gerador;
    if (escala < 1) {
        *erro = u"a escala deve ser 1 ou mais"_s;
        return false;
    }
    Fonte fonte;
    Tabelas tabelas;
    Familias familias;
    if (!lerFonte(&fonte, erro) || !montarEstrutura(fonte, &tabelas, &familias, erro) ||
        !montarCiuo88(fonte, &familias, &tabelas, erro))
        return false;
    escreverFamilias(fonte, familias, &tabelas);
    montarAfinidades(familias, &tabelas);
    return montarZel94(fonte, familias, &tabelas, erro) && ampliar(escala, &tabelas, erro) &&
           gravarCsv(tabelas, diretorio, erro);
}
