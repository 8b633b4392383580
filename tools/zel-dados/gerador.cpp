#include "gerador.h"

#include "gerador_montagem.h"

using namespace Qt::StringLiterals;

// The sample classification is built from the curated source in dataset/
// (embedded as resources): the tree and its occupations first, then the base
// groups each occupation points to, the family texts, related families and
// the previous edition; at escala N the rows are then copied N - 1 times.
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
