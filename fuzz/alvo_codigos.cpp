// Fuzz target: the checks of typed codes. Whatever is typed, a code that
// passes a check becomes statements whose literals it cannot leave: every
// statement built from it keeps the quotes of its own literals only.

#include "codigos.h"
#include "unit_global.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

qsizetype aspas(const QStringList &linhas) {
    return linhas.join(u'\n').count(u'\'');
}

void exigir(bool condicao) {
    if (!condicao)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
    const QString codigo =
        QString::fromUtf8(reinterpret_cast<const char *>(dados), qsizetype(tamanho));

    if (codigos::verificarCodigoBusca(codigo) == codigos::Falha::Nenhuma) {
        exigir(codigo.size() == 4 || codigo.size() == 6);
        if (codigo.size() == 6)
            exigir(aspas(fncSqlBuscaCodigoOcupacao(codigo)) ==
                   aspas(fncSqlBuscaCodigoOcupacao(u"123456"_s)));
    }
    if (codigos::verificarCodigoConversao(codigo) == codigos::Falha::Nenhuma) {
        exigir(codigo.size() >= 4 && codigo.size() <= 6);
        // Compared with a plain code of the same length: the length chooses
        // the statement's variant.
        const QString simples = u"123456"_s.left(codigo.size());
        for (const QString &base : {baseZel2002, baseZel94, baseCiuo88}) {
            exigir(aspas(fncSqlTabuaOrigem(codigo, base)) ==
                   aspas(fncSqlTabuaOrigem(simples, base)));
            for (const QString &para : {baseZel2002, baseZel94, baseCiuo88})
                exigir(aspas(fncSqlConversao(base, para, codigo)) ==
                       aspas(fncSqlConversao(base, para, simples)));
        }
    }
    // Even a code no check lets through stays inside its literals: every
    // quote it holds is doubled.
    exigir(aspas(fncSqlDescricaoSumaria(codigo)) ==
           aspas(fncSqlDescricaoSumaria(u"0121"_s)) + 2 * codigo.count(u'\''));
    return 0;
}
