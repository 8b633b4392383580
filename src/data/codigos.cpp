#include "codigos.h"

#include <algorithm>

namespace codigos {
namespace {

// Only the ASCII digits: other scripts' digits are refused too.
bool digito(QChar c) {
    return c >= u'0' && c <= u'9';
}

Falha verificar(QStringView codigo, bool (*tamanhoAceito)(qsizetype), bool (*aceito)(QChar)) {
    if (codigo.isEmpty())
        return Falha::Vazio;
    if (!tamanhoAceito(codigo.size()))
        return Falha::Tamanho;
    return std::all_of(codigo.begin(), codigo.end(), aceito) ? Falha::Nenhuma : Falha::Caractere;
}

} // namespace

Falha verificarCodigoBusca(QStringView codigo) {
    return verificar(
        codigo, [](qsizetype n) { return n == 4 || n == 6; }, digito);
}

Falha verificarCodigoConversao(QStringView codigo) {
    return verificar(
        codigo, [](qsizetype n) { return n >= 4 && n <= 6; },
        [](QChar c) { return digito(c) || c == u'X' || c == u'x'; });
}

} // namespace codigos
