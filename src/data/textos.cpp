#include "textos.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <memory>
#include <unicode/uchar.h>
#include <unicode/ucol.h>
#include <unicode/ucoleitr.h>
#include <unicode/unorm2.h>
#include <unicode/uset.h>
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
        const int8_t tipo = u_charType(c);
        if (tipo == U_SPACE_SEPARATOR)
            semMarcas += u' ';
        else if (tipo != U_NON_SPACING_MARK)
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
    saida.resize(utf8.size() + 8); // room for the last block's eight bytes
    char *escrita = saida.data();
    const TabelaLatina &tabela = tabelaLatina();
    size_t i = 0;
    while (i < utf8.size()) {
        // Up to eight bytes at a time: 0x20 added to each byte from 'A' to
        // 'Z', up to the first one that is not ASCII.
        const size_t bloco = std::min<size_t>(8, utf8.size() - i);
        uint64_t bytes = 0;
        if (bloco == 8)
            std::memcpy(&bytes, utf8.data() + i, 8);
        else
            for (size_t b = 0; b < bloco; ++b)
                bytes |= uint64_t(static_cast<unsigned char>(utf8[i + b]))
                         << (std::endian::native == std::endian::little ? 8 * b : 56 - 8 * b);
        constexpr uint64_t um = 0x0101010101010101u;
        const uint64_t altos = bytes & (um * 0x80);
        const uint64_t desdeA = (bytes & (um * 0x7F)) + um * (0x80 - 'A');
        const uint64_t depoisDeZ = (bytes & (um * 0x7F)) + um * (0x80 - 'Z' - 1);
        bytes |= ((desdeA & ~depoisDeZ) & (um * 0x80)) >> 2;
        const size_t ascii = altos == 0 ? bloco
                                        : size_t(std::endian::native == std::endian::little
                                                     ? std::countr_zero(altos)
                                                     : std::countl_zero(altos)) /
                                              8;
        std::memcpy(escrita, &bytes, 8);
        escrita += ascii;
        i += ascii;
        if (ascii == bloco)
            continue;
        if (static_cast<unsigned char>(utf8[i]) == 0xC3 && i + 1 < utf8.size() &&
            (static_cast<unsigned char>(utf8[i + 1]) & 0xC0) == 0x80) {
            const std::string &letra =
                tabela.minusculas[static_cast<unsigned char>(utf8[i + 1]) - 0x80];
            escrita = std::copy(letra.begin(), letra.end(), escrita);
            i += 2;
        } else {
            saida.clear();
            minusculasSemAcentoIcu(utf8, saida);
            return;
        }
    }
    saida.resize(size_t(escrita - saida.data()));
}

namespace {

std::string_view ateNul(std::string_view texto) {
    return texto.substr(0, texto.find('\0'));
}

bool continuacao(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The character at `i` (advanced past it) as the engine's LIKE reads UTF-8:
// a byte below 0xC0 is a character of its own; a byte from 0xC0 takes every
// continuation byte after it, and what cannot be a character of its own
// (an overlong form, a surrogate, U+FFFE, U+FFFF) reads as U+FFFD.
uint32_t caractere(std::string_view texto, size_t &i) {
    uint32_t c = static_cast<unsigned char>(texto[i++]);
    if (c < 0xC0)
        return c;
    static constexpr uint8_t mascaras[8] = {0x1F, 0x1F, 0x1F, 0x1F, 0x0F, 0x0F, 0x07, 0x03};
    c &= c >= 0xFE ? 0 : c >= 0xFC ? 0x01 : mascaras[(c - 0xC0) >> 3];
    while (i < texto.size() && continuacao(texto[i]))
        c = (c << 6) + (0x3F & static_cast<unsigned char>(texto[i++]));
    if (c < 0x80 || (c & 0xFFFFF800) == 0xD800 || (c & 0xFFFFFFFE) == 0xFFFE)
        c = 0xFFFD;
    return c;
}

// The classic match with one point to come back to: at each '%' the rest of
// the pattern is tried from the next character of the text, one further each
// time the rest fails.
bool comoLike(std::string_view texto, std::string_view padrao) {
    size_t t = 0;
    size_t p = 0;
    size_t depoisDoCuringa = std::string_view::npos;
    size_t retomada = 0;
    while (true) {
        if (p < padrao.size() && padrao[p] == '%') {
            depoisDoCuringa = ++p;
            retomada = t;
            continue;
        }
        if (t == texto.size())
            break;
        if (p < padrao.size()) {
            size_t p2 = p;
            size_t t2 = t;
            const uint32_t c = caractere(padrao, p2);
            const uint32_t c2 = caractere(texto, t2);
            if (c == '_' || c == c2) {
                p = p2;
                t = t2;
                continue;
            }
        }
        if (depoisDoCuringa == std::string_view::npos)
            return false;
        p = depoisDoCuringa;
        caractere(texto, retomada);
        t = retomada;
    }
    while (p < padrao.size() && padrao[p] == '%')
        ++p;
    return p == padrao.size();
}

// Valid UTF-8 without U+FFFD, U+FFFE or U+FFFF, which the engine reads
// alike: every character of such a run is found where its bytes are.
bool semAmbiguidade(std::string_view texto) {
    static constexpr uint32_t menores[5] = {0, 0, 0x80, 0x800, 0x10000};
    for (size_t i = 0; i < texto.size();) {
        const auto c = static_cast<unsigned char>(texto[i]);
        const size_t n = c < 0x80                 ? 1
                         : c >= 0xC2 && c <= 0xDF ? 2
                         : c >= 0xE0 && c <= 0xEF ? 3
                         : c >= 0xF0 && c <= 0xF4 ? 4
                                                  : 0;
        if (n == 0 || i + n > texto.size())
            return false;
        uint32_t valor = c & (0xFFu >> (n + 1));
        for (size_t k = 1; k < n; ++k) {
            if (!continuacao(texto[i + k]))
                return false;
            valor = valor << 6 | (static_cast<unsigned char>(texto[i + k]) & 0x3Fu);
        }
        if (n > 1 && (valor < menores[n] || valor > 0x10FFFF ||
                      (valor >= 0xD800 && valor <= 0xDFFF) || (valor >= 0xFFFD && valor <= 0xFFFF)))
            return false;
        i += n;
    }
    return true;
}

} // namespace

PadraoLike::PadraoLike(std::string_view padrao) : m_padrao(ateNul(padrao)) {
    const size_t inicio = m_padrao.find_first_not_of('%');
    if (inicio == std::string::npos)
        return;
    const size_t fim = m_padrao.find_last_not_of('%') + 1;
    m_trecho = m_padrao.substr(inicio, fim - inicio);
    m_simples = m_trecho.find_first_of("%_") == std::string::npos && semAmbiguidade(m_trecho);
    m_antes = inicio > 0;
    m_depois = fim < m_padrao.size();
    m_terminaEmAscii = static_cast<unsigned char>(m_trecho.back()) < 0x80;
    m_mantidoAoDobrar = std::all_of(m_trecho.begin(), m_trecho.end(), [](char byte) {
        const auto c = static_cast<unsigned char>(byte);
        return c < 0x80 && !(c >= 'A' && c <= 'Z');
    });
}

// A run found where its bytes are is found as characters unless the text
// goes on with continuation bytes, which the engine reads as part of the
// run's last character.
bool PadraoLike::terminaAli(std::string_view texto, size_t fim) const {
    return m_terminaEmAscii || fim == texto.size() || !continuacao(texto[fim]);
}

bool PadraoLike::casa(std::string_view texto) const {
    texto = ateNul(texto);
    if (!m_simples)
        return comoLike(texto, m_padrao);
    if (!m_antes)
        return m_depois ? texto.starts_with(m_trecho) && terminaAli(texto, m_trecho.size())
                        : texto == m_trecho;
    if (!m_depois)
        return texto.ends_with(m_trecho);
    for (const char *achado = texto.data(), *fim = texto.data() + texto.size();
         (achado = static_cast<const char *>(
              memmem(achado, size_t(fim - achado), m_trecho.data(), m_trecho.size())));
         ++achado)
        if (terminaAli(texto, size_t(achado - texto.data()) + m_trecho.size()))
            return true;
    return false;
}

bool PadraoLike::casaDobrado(std::string_view titulo, std::string &dobrado) const {
    // The folding keeps ASCII characters other than capitals as they are and
    // where they stand: a title that matches such a run as it is matches it
    // folded. Worth a look for a run of one or two characters, which most
    // titles hold as they are (the title index does not answer such a
    // pattern, so every title is compared); a longer run often begins with a
    // capital or holds an accent in the title.
    if (m_simples && m_mantidoAoDobrar && m_trecho.size() < 3 && casa(titulo))
        return true;
    minusculasSemAcento(titulo, dobrado);
    return casa(dobrado);
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

namespace {

struct FecharColador {
    void operator()(UCollator *c) const { ucol_close(c); }
};

const UCollator *colador() {
    static const std::unique_ptr<UCollator, FecharColador> portugues = [] {
        UErrorCode erro = U_ZERO_ERROR;
        return std::unique_ptr<UCollator, FecharColador>(ucol_open("pt", &erro));
    }();
    return portugues.get();
}

// Two titles of a sorted list mostly differ, at the primary level (the letter
// itself, without case or accent), at a character below U+0100 that comes
// right after the bytes they share. The collator's own primary weights of
// those characters, read once, decide such a pair without the collator. A
// character has a weight here only when it makes exactly one collation
// element with a primary weight, in its 16-bit form; others ("Æ", "ß",
// controls) have none, and so has every character when the collator's
// settings would let something else than the primary weights decide first.
// A character that begins a contraction ("l" of "l·") has its weight only
// where the next character cannot continue one, and a character that
// continues one only where the character before cannot begin one.
class PesosPrimarios {
public:
    explicit PesosPrimarios(const UCollator *c) {
        if (!c || !decidemSozinhos(c))
            return;
        std::array<bool, 256> semPeso{};
        marcarContracoes(c, semPeso);
        UErrorCode erro = U_ZERO_ERROR;
        UCollationElements *elementos = ucol_openElements(c, nullptr, 0, &erro);
        for (UChar u = 1; u < 256 && U_SUCCESS(erro); ++u)
            if (!semPeso[u])
                m_pesos[u] = pesoUnico(elementos, u);
        ucol_closeElements(elementos);
    }

    // The weight of the character at `i` (advanced past it), or 0.
    uint16_t ler(std::string_view texto, size_t &i) const {
        const size_t inicio = i;
        const int c = latino(texto, i);
        if (c < 0 || m_pesos[size_t(c)] == 0)
            return 0;
        if (m_inicia[size_t(c)] && i < texto.size()) {
            size_t j = i;
            const int seguinte = latino(texto, j);
            if (seguinte < 0 || m_continua[size_t(seguinte)])
                return 0;
        }
        if (m_continua[size_t(c)] && inicio > 0) {
            size_t k = inicio - 1;
            while (k > 0 && (static_cast<unsigned char>(texto[k]) & 0xC0) == 0x80)
                --k;
            const int anterior = latino(texto, k);
            if (anterior < 0 || m_inicia[size_t(anterior)])
                return 0;
        }
        return m_pesos[size_t(c)];
    }

private:
    // Variable characters that count, digits compared as characters, the
    // scripts in their usual order.
    static bool decidemSozinhos(const UCollator *c) {
        UErrorCode erro = U_ZERO_ERROR;
        const bool naoIgnoraveis =
            ucol_getAttribute(c, UCOL_ALTERNATE_HANDLING, &erro) == UCOL_NON_IGNORABLE;
        const bool semNumeros = ucol_getAttribute(c, UCOL_NUMERIC_COLLATION, &erro) == UCOL_OFF;
        if (U_FAILURE(erro))
            return false;
        const int32_t reordenacoes = ucol_getReorderCodes(c, nullptr, 0, &erro);
        return naoIgnoraveis && semNumeros && reordenacoes == 0;
    }

    // The character below U+0100 at `i` (advanced past it), or -1 for any
    // other.
    static int latino(std::string_view texto, size_t &i) {
        const auto c = static_cast<unsigned char>(texto[i]);
        if (c < 0x80) {
            ++i;
            return c;
        }
        if ((c == 0xC2 || c == 0xC3) && i + 1 < texto.size() &&
            (static_cast<unsigned char>(texto[i + 1]) & 0xC0) == 0x80) {
            const unsigned ponto = ((c & 0x1Fu) << 6) | (texto[i + 1] & 0x3Fu);
            i += 2;
            return int(ponto);
        }
        return -1;
    }

    // Where each character stands in the collator's contractions; one that
    // cannot be told stays without a weight.
    void marcarContracoes(const UCollator *c, std::array<bool, 256> &semPeso) {
        UErrorCode erro = U_ZERO_ERROR;
        USet *contracoes = uset_openEmpty();
        ucol_getContractionsAndExpansions(c, contracoes, nullptr, true, &erro);
        std::array<UChar, 64> texto;
        for (int32_t k = 0; k < uset_getItemCount(contracoes); ++k) {
            UChar32 inicio = 0;
            UChar32 fim = 0;
            erro = U_ZERO_ERROR;
            const int32_t tamanho = uset_getItem(contracoes, k, &inicio, &fim, texto.data(),
                                                 int32_t(texto.size()), &erro);
            if (U_FAILURE(erro)) { // a string longer than the buffer: none counts
                semPeso.fill(true);
                break;
            }
            if (tamanho == 0)
                for (UChar32 u = inicio; u <= std::min<UChar32>(fim, 255); ++u)
                    semPeso[size_t(u)] = true;
            for (int32_t j = 0; j < tamanho; ++j)
                if (texto[size_t(j)] < 256)
                    (j == 0 ? m_inicia : m_continua)[texto[size_t(j)]] = true;
        }
        uset_close(contracoes);
    }

    static uint16_t pesoUnico(UCollationElements *elementos, UChar u) {
        constexpr int32_t continuacao = 0xC0;
        UErrorCode erro = U_ZERO_ERROR;
        ucol_setText(elementos, &u, 1, &erro);
        uint16_t peso = 0;
        int primarios = 0;
        for (int32_t e = ucol_next(elementos, &erro); e != UCOL_NULLORDER && U_SUCCESS(erro);
             e = ucol_next(elementos, &erro)) {
            if ((e & continuacao) == continuacao)
                primarios = 2;
            else if (ucol_primaryOrder(e) != 0) {
                peso = uint16_t(ucol_primaryOrder(e));
                ++primarios;
            }
        }
        return primarios == 1 && U_SUCCESS(erro) ? peso : 0;
    }

    std::array<uint16_t, 256> m_pesos{};
    std::array<bool, 256> m_inicia{};
    std::array<bool, 256> m_continua{};
};

// The order decided by the primary weights of the characters after the
// shared bytes: -1 or 1, or 0 when they do not decide it.
// Where two texts first differ (the shorter's size when one begins the
// other), eight bytes at a time: titles of a sorted list share long starts.
size_t primeiraDiferenca(std::string_view a, std::string_view b) {
    const size_t n = std::min(a.size(), b.size());
    size_t i = 0;
    for (; i + 8 <= n; i += 8) {
        uint64_t x = 0;
        uint64_t y = 0;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y) {
            const uint64_t diferenca = x ^ y;
            return i + size_t(std::endian::native == std::endian::little
                                  ? std::countr_zero(diferenca)
                                  : std::countl_zero(diferenca)) /
                           8;
        }
    }
    while (i < n && a[i] == b[i])
        ++i;
    return i;
}

int compararPrimarios(std::string_view a, std::string_view b) {
    static const PesosPrimarios pesos(colador());
    size_t i = primeiraDiferenca(a, b);
    if (i == a.size() && i == b.size())
        return 0;
    const auto meioDeLetra = [](std::string_view t, size_t k) {
        return k < t.size() && (static_cast<unsigned char>(t[k]) & 0xC0) == 0x80;
    };
    while (i > 0 && (meioDeLetra(a, i) || meioDeLetra(b, i)))
        --i;
    size_t j = i;
    while (i < a.size() && j < b.size()) {
        const uint16_t pa = pesos.ler(a, i);
        const uint16_t pb = pesos.ler(b, j);
        if (pa == 0 || pb == 0)
            return 0;
        if (pa != pb)
            return pa < pb ? -1 : 1;
    }
    // One title ends: a further character with a weight puts the other after it.
    if (i < a.size())
        return pesos.ler(a, i) != 0 ? 1 : 0;
    if (j < b.size())
        return pesos.ler(b, j) != 0 ? -1 : 0;
    return 0;
}

} // namespace

int compararPortugues(std::string_view a, std::string_view b) {
    if (const int r = compararPrimarios(a, b); r != 0)
        return r;
    if (a == b) // the same text: equal, without asking the collator
        return 0;
    UErrorCode erro = U_ZERO_ERROR;
    const UCollationResult r = ucol_strcollUTF8(colador(), a.data(), int32_t(a.size()), b.data(),
                                                int32_t(b.size()), &erro);
    if (U_FAILURE(erro))
        return a.compare(b);
    return r == UCOL_LESS ? -1 : (r == UCOL_GREATER ? 1 : 0);
}

} // namespace textos
