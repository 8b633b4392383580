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
//   order: 0312-01 (Enfermeiro encarregado, Enfermeiro chefe, Enfermeiro
//   coordenador);
// - occupations with no synonym, one, two and eight: 0221-05, 0113-05,
//   0111-03, 0111-01;
// - families with 30, 12 and 13 occupations: 0121, 5151, 1221 (5151 and
//   515105 are the examples of the help pages);
// - families with 0, 1 and 2 TTemplate rows: 0231, 0121, 0131;
// - related pairs stored once, either way round: 0131-0132 and 0122-0121;
//   a pair stored in both directions: 0111-0112;
// - subgroups with 5 and 12 families: 941, and 354 (3541-3549, 3551-3553);
// - ZEL94 occupations in force and excluded: 00101, 32034 (Datilógrafo);
// - a correspondence with "90" at characters 4-5: 00190 (to 0113-05);
// - a ZEL94 code beginning with X: X0021 (to 0121-08 and 0121-09);
// - a 2002 occupation linked to two ZEL94 occupations: 0111-03 (00102, 00103);
// - a ZEL94 occupation linked to 2002 ones of two families: 00603 (0231, 0232);
// - an occupation without correspondence, so not in the A-Z index: 0333-01;
// - CIUO88 base groups no occupation points to: 2304, 5515;
// - titles longer than 62 characters: family 8241, occupation 0442-02; and
//   titles of 100 to 140 characters among the families, occupations,
//   synonyms, ZEL94 occupations and CIUO88 groups;
// - more than 131 hits in a title search: "de", "operador", "técnico";
//   accents ignored by the search: "medico" finds "Médico clínico".
namespace gerador {

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

} // namespace gerador
