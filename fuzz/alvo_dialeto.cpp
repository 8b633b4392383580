// Fuzz target: the SQL dialect adapter and the text functions the engine
// uses. Any text must translate without a crash; a text that holds nothing
// to translate must come back unchanged.

#include "dialeto.h"
#include "textos.h"

#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool contemSemCaixa(const std::string &texto, const char *palavra) {
    std::string minusculo = texto;
    for (char &c : minusculo)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return minusculo.find(palavra) != std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho) {
    const std::string texto(reinterpret_cast<const char *>(dados), tamanho);
    const std::string traduzido = dialeto::traduzir(texto);
    if (texto.find('+') == std::string::npos && !contemSemCaixa(texto, "substring") &&
        !contemSemCaixa(texto, "order") && traduzido != texto)
        std::abort();
    dialeto::declaraParametro(texto, "busca");

    std::string saida;
    textos::minusculasSemAcento(texto, saida);
    textos::maiusculas(texto, saida);
    const size_t meio = tamanho / 2;
    const int ida = textos::compararPortugues(std::string_view(texto).substr(0, meio),
                                              std::string_view(texto).substr(meio));
    const int volta = textos::compararPortugues(std::string_view(texto).substr(meio),
                                                std::string_view(texto).substr(0, meio));
    if ((ida < 0) != (volta > 0) || (ida == 0) != (volta == 0))
        std::abort();
    return 0;
}
