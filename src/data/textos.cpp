#include "textos.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <vector>

namespace textos {
namespace {

std::u16string paraUtf16(std::string_view utf8) {
    std::u16string saida(utf8.size(), u'\0');
    int32_t tamanho = 0;
    UErrorCode erro = U_ZERO_ERROR;
    u_strFromUTF8WithSub(reinterpret_cast<UChar *>(saida.data()), int32_t(saida.size()), &tamanho,
                         utf8.data(), int32_t(utf8.size()), 0xFFFD, nullptr, &erro);
    saida.resize(U_SUCCESS(erro) ? size_t(tamanho) : 0);
    return saida;
}

void paraUtf8(const std::u16string &texto, std::string &saida) {
    const size_t inicio = saida.size();
    saida.resize(inicio + texto.size() * 3);
    int32_t tamanho = 0;
    UErrorCode erro = U_ZERO_ERROR;
    u_strToUTF8WithSub(saida.data() + inicio, int32_t(texto.size() * 3), &tamanho,
                       reinterpret_cast<const UChar *>(texto.data()), int32_t(texto.size()), 0xFFFD,
                       nullptr, &erro);
    saida.resize(U_SUCCESS(erro) ? inicio + size_t(tamanho) : inicio);
}

// Case mapping through ICU; `maiuscula` chooses the direction.
std::u16string mudarCaixa(const std::u16string &texto, bool maiuscula) {
    std::u16string saida(texto.size() * 3 + 1, u'\0');
    UErrorCode erro = U_ZERO_ERROR;
    auto *destino = reinterpret_cast<UChar *>(saida.data());
    auto *origem = reinterpret_cast<const UChar *>(texto.data());
    const int32_t tamanho = maiuscula ? u_strToUpper(destino, int32_t(saida.size()), origem,
                                                     int32_t(texto.size()), "pt", &erro)
                                      : u_strToLower(destino, int32_t(saida.size()), origem,
                                                     int32_t(texto.size()), "pt", &erro);
    saida.resize(U_SUCCESS(erro) ? size_t(tamanho) : 0);
    return saida;
}

// The general path: decompose, drop the combining marks, lower the case.
void minusculasSemAcentoIcu(std::string_view utf8, std::string &saida) {
    const std::u16string texto = paraUtf16(utf8);
    UErrorCode erro = U_ZERO_ERROR;
    const UNormalizer2 *nfd = unorm2_getNFDInstance(&erro);
    std::u16string decomposto(texto.size() * 4 + 1, u'\0');
    const int32_t tamanho = unorm2_normalize(
        nfd, reinterpret_cast<const UChar *>(texto.data()), int32_t(texto.size()),
        reinterpret_cast<UChar *>(decomposto.data()), int32_t(decomposto.size()), &erro);
    decomposto.resize(U_SUCCESS(erro) ? size_t(tamanho) : 0);
    std::u16string semMarcas;
    semMarcas.reserve(decomposto.size());
    for (int32_t i = 0; i < int32_t(decomposto.size());) {
        UChar32 c;
        const int32_t antes = i;
        U16_NEXT(decomposto.data(), i, int32_t(decomposto.size()), c);
        if (u_charType(c) != U_NON_SPACING_MARK)
            semMarcas.append(decomposto, size_t(antes), size_t(i - antes));
    }
    paraUtf8(mudarCaixa(semMarcas, false), saida);
}

// Most titles are ASCII with a few letters of the Latin-1 range (two bytes in
// UTF-8 beginning with 0xC3). Those are folded through a table computed once
// with the general path, so both paths always agree. Each folds to at most
// its own two bytes ("É" -> "e", "ß" -> "ß").
struct TabelaLatina {
    std::array<std::string, 64> minusculas; // U+00C0 .. U+00FF
    TabelaLatina() {
        for (int i = 0; i < 64; ++i) {
            const char letra[2] = {char(0xC3), char(0x80 + i)};
            minusculasSemAcentoIcu(std::string_view(letra, 2), minusculas[size_t(i)]);
        }
    }
};

const TabelaLatina &tabelaLatina() {
    static const TabelaLatina tabela;
    return tabela;
}

} // namespace

// The fast path never writes more bytes than it reads: it folds into a
// buffer of the text's size, cut to what was written at the end.
void minusculasSemAcento(std::string_view utf8, std::string &saida) {
    saida.resize(utf8.size());
    char *escrita = saida.data();
    const TabelaLatina &tabela = tabelaLatina();
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            *escrita++ = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
        } else if (c == 0xC3 && i + 1 < utf8.size() &&
                   (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            const std::string &letra =
                tabela.minusculas[static_cast<unsigned char>(utf8[i + 1]) - 0x80];
            escrita = std::copy(letra.begin(), letra.end(), escrita);
            ++i;
        } else {
            saida.clear();
            minusculasSemAcentoIcu(utf8, saida);
            return;
        }
    }
    saida.resize(size_t(escrita - saida.data()));
}

void maiusculas(std::string_view utf8, std::string &saida) {
    saida.clear();
    saida.reserve(utf8.size());
    for (const char byte : utf8) {
        const auto c = static_cast<unsigned char>(byte);
        if (c >= 0x80) {
            saida.clear();
            paraUtf8(mudarCaixa(paraUtf16(utf8), true), saida);
            return;
        }
        saida.push_back(char(c >= 'a' && c <= 'z' ? c - 32 : c));
    }
}

int compararPortugues(std::string_view a, std::string_view b) {
    struct Fechar {
        void operator()(UCollator *c) const { ucol_close(c); }
    };
    static const std::unique_ptr<UCollator, Fechar> colador = [] {
        UErrorCode erro = U_ZERO_ERROR;
        return std::unique_ptr<UCollator, Fechar>(ucol_open("pt", &erro));
    }();
    UErrorCode erro = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(colador.get(), a.data(), int32_t(a.size()),
                                                b.data(), int32_t(b.size()), &erro);
    if (U_FAILURE(erro))
        return a.compare(b);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

} // namespace textos
