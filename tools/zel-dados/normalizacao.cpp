#include "normalizacao.h"

#include "textos.h"

#include <algorithm>
#include <array>
#include <numeric>

using namespace Qt::StringLiterals;

namespace normalizacao {
namespace {

bool terminaCom(std::string_view palavra, std::string_view fim) {
    return palavra.size() >= fim.size() && palavra.substr(palavra.size() - fim.size()) == fim;
}

// Articles, prepositions and their contractions, conjunctions: words people
// add or leave out at will ("técnico em enfermagem", "técnico enfermagem").
constexpr std::array pequenas = {
    std::string_view("as"),   std::string_view("os"),    std::string_view("da"),
    std::string_view("de"),   std::string_view("do"),    std::string_view("das"),
    std::string_view("dos"),  std::string_view("em"),    std::string_view("na"),
    std::string_view("no"),   std::string_view("nas"),   std::string_view("nos"),
    std::string_view("ao"),   std::string_view("aos"),   std::string_view("para"),
    std::string_view("pra"),  std::string_view("por"),   std::string_view("pela"),
    std::string_view("pelo"), std::string_view("pelas"), std::string_view("pelos"),
    std::string_view("com"),  std::string_view("um"),    std::string_view("uma"),
    std::string_view("ou"),
};

std::string singular(std::string palavra) {
    if (palavra.size() <= 3 || palavra.back() != 's')
        return palavra;
    const auto trocar = [&](size_t tirar, std::string_view por) {
        palavra.resize(palavra.size() - tirar);
        palavra += por;
        return palavra;
    };
    if (terminaCom(palavra, "oes") || terminaCom(palavra, "aes") || terminaCom(palavra, "aos"))
        return trocar(3, "ao");
    if (palavra.size() > 4 && (terminaCom(palavra, "ais") || terminaCom(palavra, "eis") ||
                               terminaCom(palavra, "ois") || terminaCom(palavra, "uis")))
        return trocar(2, "l");
    if (terminaCom(palavra, "ns"))
        return trocar(2, "m");
    if (palavra.size() > 4 &&
        (terminaCom(palavra, "res") || terminaCom(palavra, "zes") || terminaCom(palavra, "ses")))
        return trocar(2, "");
    return trocar(1, "");
}

} // namespace

std::string normalizar(const QString &texto) {
    std::string dobrado;
    textos::minusculasSemAcento(texto.toStdString(), dobrado);
    const QString semAcento = QString::fromStdString(dobrado);
    std::string saida;
    saida.reserve(dobrado.size());
    bool branco = true; // no blank at the start
    for (const QChar c : semAcento) {
        if (c.isLetterOrNumber()) {
            if (c.unicode() < 0x80)
                saida += char(c.unicode());
            else
                saida += QString(c).toStdString();
            branco = false;
        } else if (!branco) {
            saida += ' ';
            branco = true;
        }
    }
    if (!saida.empty() && saida.back() == ' ')
        saida.pop_back();
    return saida;
}

std::string radical(std::string_view palavra) {
    // Twice: a singular that ends in "s" ("ourives", "campones") meets its
    // plural ("ouriveses", "camponeses") one step later.
    std::string r = singular(singular(std::string(palavra)));
    if (r.size() > 4 && terminaCom(r, "ora"))
        r.pop_back(); // professora -> professor
    if (r.size() > 4 && terminaCom(r, "ao"))
        r.resize(r.size() - 2); // cirurgiao, cirurgia -> cirurgi
    else if (r.size() > 3 && (r.back() == 'a' || r.back() == 'o' || r.back() == 'e'))
        r.pop_back(); // medico, medica -> medic
    return r;
}

std::vector<std::string> radicais(std::string_view normalizado) {
    std::vector<std::string> saida;
    size_t inicio = 0;
    while (inicio < normalizado.size()) {
        size_t fim = normalizado.find(' ', inicio);
        if (fim == std::string_view::npos)
            fim = normalizado.size();
        const std::string_view palavra = normalizado.substr(inicio, fim - inicio);
        inicio = fim + 1;
        if (palavra.size() <= 1 ||
            std::find(pequenas.begin(), pequenas.end(), palavra) != pequenas.end())
            continue;
        std::string r = radical(palavra);
        if (std::find(saida.begin(), saida.end(), r) == saida.end())
            saida.push_back(std::move(r));
    }
    return saida;
}

int distancia(std::string_view a, std::string_view b) {
    const size_t n = a.size();
    const size_t m = b.size();
    // Three rows of the table: two back, one back, this one.
    std::vector<int> anterior2(m + 1), anterior(m + 1), atual(m + 1);
    std::iota(anterior.begin(), anterior.end(), 0);
    for (size_t i = 1; i <= n; ++i) {
        atual[0] = int(i);
        for (size_t j = 1; j <= m; ++j) {
            const int custo = a[i - 1] == b[j - 1] ? 0 : 1;
            atual[j] = std::min({anterior[j] + 1, atual[j - 1] + 1, anterior[j - 1] + custo});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                atual[j] = std::min(atual[j], anterior2[j - 2] + 1);
        }
        std::swap(anterior2, anterior);
        std::swap(anterior, atual);
    }
    return anterior[m];
}

} // namespace normalizacao
