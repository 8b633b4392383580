#include "csv.h"

#include <algorithm>
#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

bool continuacao(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the UTF-8 sequence that begins with `primeiro` and goes on
// with `resto`, or 0 when it is not a valid one: overlong forms, surrogates,
// code points past U+10FFFF, stray continuation bytes and sequences cut short
// are all refused.
int comprimentoUtf8(unsigned char primeiro, const char *resto, qsizetype disponivel) {
    int comprimento = 0;
    unsigned char minimo = 0x80; // bounds of the second byte
    unsigned char maximo = 0xBF;
    if (primeiro >= 0xC2 && primeiro <= 0xDF) {
        comprimento = 2;
    } else if (primeiro >= 0xE0 && primeiro <= 0xEF) {
        comprimento = 3;
        if (primeiro == 0xE0)
            minimo = 0xA0;
        else if (primeiro == 0xED)
            maximo = 0x9F;
    } else if (primeiro >= 0xF0 && primeiro <= 0xF4) {
        comprimento = 4;
        if (primeiro == 0xF0)
            minimo = 0x90;
        else if (primeiro == 0xF4)
            maximo = 0x8F;
    } else {
        return 0;
    }
    if (disponivel < comprimento - 1)
        return 0;
    const auto segundo = static_cast<unsigned char>(resto[0]);
    if (segundo < minimo || segundo > maximo)
        return 0;
    for (int i = 1; i < comprimento - 1; ++i)
        if (!continuacao(static_cast<unsigned char>(resto[i])))
            return 0;
    return comprimento;
}

QString hexadecimal(uint valor, int digitos) {
    return QString::number(valor, 16).toUpper().rightJustified(digitos, u'0');
}

} // namespace

LeitorCsv::LeitorCsv(QByteArray dados) : m_dados(std::move(dados)), m_fim(true) {}

LeitorCsv::LeitorCsv(Fonte fonte) : m_fonte(std::move(fonte)) {}

void LeitorCsv::definirSeparador(char separador) {
    m_separador = separador;
}

bool LeitorCsv::garantir(qsizetype n) {
    while (m_dados.size() - m_pos < n && !m_fim) {
        // What was taken is dropped: the fields read so far are kept apart.
        m_dados.remove(0, m_pos);
        m_base += m_pos;
        m_pos = 0;
        constexpr qsizetype bloco = 1 << 16;
        const qsizetype antes = m_dados.size();
        m_dados.resize(antes + bloco);
        const qsizetype lidos = m_fonte(m_dados.data() + antes, bloco);
        m_dados.resize(antes + std::max<qsizetype>(lidos, 0));
        if (lidos < 0) {
            m_errnoLeitura = errno;
            m_fim = true;
        } else if (lidos == 0) {
            m_fim = true;
        }
    }
    return m_dados.size() - m_pos >= n;
}

void LeitorCsv::pularMarcaDeOrdem() {
    if (m_comecou)
        return;
    m_comecou = true;
    garantir(3);
    if (QByteArrayView(m_dados).sliced(m_pos).startsWith("\xEF\xBB\xBF")) {
        m_marcaDeOrdem = true;
        m_pos += 3;
    }
}

char LeitorCsv::separadorDoCabecalho() {
    pularMarcaDeOrdem();
    int virgulas = 0;
    int pontosEVirgulas = 0;
    bool entreAspas = false;
    for (qsizetype i = 0; garantir(i + 1); ++i) {
        const char c = m_dados[m_pos + i];
        if (c == '"')
            entreAspas = !entreAspas;
        else if (entreAspas)
            continue;
        else if (c == '\n')
            break;
        else if (c == ',')
            ++virgulas;
        else if (c == ';')
            ++pontosEVirgulas;
    }
    return pontosEVirgulas > virgulas ? ';' : ',';
}

bool LeitorCsv::falhar(const QString &motivo, qsizetype byte, int campo) {
    m_erro = motivo;
    m_linhaErro = m_linha;
    m_campoErro = campo;
    m_byteErro = byte;
    return false;
}

bool LeitorCsv::acrescentarCaractere(unsigned char primeiro, QByteArray &campo, int indiceCampo) {
    const qsizetype inicio = m_pos - 1;
    const qsizetype byte = m_base + inicio;
    if (primeiro < 0x80) {
        if (primeiro < 0x20 || primeiro == 0x7F)
            return falhar(u"caractere de controle U+"_s + hexadecimal(primeiro, 4), byte,
                          indiceCampo);
        campo += char(primeiro);
        return true;
    }
    const int comprimento =
        comprimentoUtf8(primeiro, m_dados.constData() + m_pos, m_dados.size() - m_pos);
    if (comprimento == 0)
        return falhar(u"o byte 0x"_s + hexadecimal(primeiro, 2) +
                          u" não forma texto UTF-8 válido"_s,
                      byte, indiceCampo);
    // U+0080 to U+009F, the second set of control characters.
    if (primeiro == 0xC2 && static_cast<unsigned char>(m_dados[m_pos]) < 0xA0)
        return falhar(u"caractere de controle U+"_s +
                          hexadecimal(static_cast<unsigned char>(m_dados[m_pos]), 4),
                      byte, indiceCampo);
    campo.append(m_dados.constData() + inicio, comprimento);
    m_pos = inicio + comprimento;
    return true;
}

void LeitorCsv::acrescentarCorrida(QByteArray &campo) {
    const qsizetype inicio = m_pos - 1;
    qsizetype fim = m_pos;
    while (fim < m_dados.size()) {
        const char c = m_dados[fim];
        if (c < 0x20 || c > 0x7E || c == '"' || c == m_separador)
            break;
        ++fim;
    }
    campo.append(m_dados.constData() + inicio, fim - inicio);
    m_pos = fim;
}

std::optional<QStringList> LeitorCsv::proximo() {
    pularMarcaDeOrdem();
    if (!m_erro.isEmpty() || !garantir(1)) {
        if (m_errnoLeitura != 0 && m_erro.isEmpty())
            falhar(u"a leitura falhou"_s, bytesLidos(), 0);
        return std::nullopt;
    }
    m_linhaRegistro = m_linha;
    QStringList campos;
    QByteArray campo;
    bool entreAspas = false;
    bool campoComAspas = false;
    int linhaAspas = 0; // where the open quote is
    qsizetype byteAspas = 0;
    auto fecharCampo = [&] {
        campos << QString::fromUtf8(campo);
        campo.clear();
        campoComAspas = false;
    };
    const auto aspasForaDoLugar = [&] {
        if (campoComAspas && linhaAspas != m_linha) {
            // A quote left open took the lines after it into the field until
            // some later quote closed it: the fault is where it was opened.
            falhar(u"aspas abertas e não fechadas nesta linha; o campo só termina na linha %1, "
                   u"com aspas fora do lugar"_s.arg(m_linha),
                   byteAspas, int(campos.size()));
            m_linhaErro = linhaAspas;
        } else {
            falhar(u"aspas fora do lugar"_s, m_base + m_pos - 1, int(campos.size()));
        }
        return std::nullopt;
    };
    // Up to three bytes after the one taken are held: the longest look
    // ahead (the rest of a UTF-8 sequence) needs them.
    while (garantir(4) || m_pos < m_dados.size()) {
        const auto c = static_cast<unsigned char>(m_dados[m_pos++]);
        const bool simples = c >= 0x20 && c <= 0x7E && c != '"' && c != m_separador;
        if (simples && (entreAspas || !campoComAspas)) {
            acrescentarCorrida(campo);
            continue;
        }
        if (entreAspas) {
            if (c == '"') {
                if (m_pos < m_dados.size() && m_dados[m_pos] == '"') {
                    campo += '"';
                    ++m_pos;
                } else {
                    entreAspas = false;
                }
            } else if (c == '\n' || c == '\r' || c == '\t') {
                if (c == '\n')
                    ++m_linha;
                campo += char(c);
            } else if (!acrescentarCaractere(c, campo, int(campos.size()))) {
                return std::nullopt;
            }
            continue;
        }
        if (c == static_cast<unsigned char>(m_separador)) {
            fecharCampo();
        } else if (c == '\n' || c == '\r') {
            if (c == '\r') {
                if (m_pos >= m_dados.size() || m_dados[m_pos] != '\n') {
                    falhar(u"linha terminada só por CR; as linhas devem terminar com LF ou CRLF"_s,
                           m_base + m_pos - 1, int(campos.size()));
                    return std::nullopt;
                }
                ++m_pos;
            }
            m_crlf = c == '\r';
            ++m_linha;
            fecharCampo();
            return campos;
        } else if (c == '"') {
            if (!campo.isEmpty() || campoComAspas)
                return aspasForaDoLugar();
            entreAspas = true;
            campoComAspas = true;
            linhaAspas = m_linha;
            byteAspas = m_base + m_pos - 1;
        } else if (campoComAspas) {
            return aspasForaDoLugar();
        } else if (c == '\t') {
            campo += char(c);
        } else if (!acrescentarCaractere(c, campo, int(campos.size()))) {
            return std::nullopt;
        }
    }
    if (m_errnoLeitura != 0) {
        falhar(u"a leitura falhou"_s, bytesLidos(), int(campos.size()));
        return std::nullopt;
    }
    if (entreAspas) {
        falhar(u"aspas abertas até o fim do arquivo"_s, byteAspas, int(campos.size()));
        m_linhaErro = linhaAspas;
        return std::nullopt;
    }
    fecharCampo();
    return campos;
}

namespace csv {

void acrescentarLinha(QByteArray &saida, const QStringList &campos, char separador,
                      std::string_view fimDeLinha) {
    acrescentarCampos(saida, campos, separador);
    saida.append(fimDeLinha.data(), qsizetype(fimDeLinha.size()));
}

void acrescentarCampos(QByteArray &saida, const QStringList &campos, char separador) {
    for (qsizetype i = 0; i < campos.size(); ++i) {
        if (i > 0)
            saida.append(separador);
        const QString &valor = campos[i];
        bool aspas = false;
        bool ascii = true;
        for (const QChar c : valor) {
            aspas = aspas || c == QLatin1Char(separador) || c == u'"' || c == u'\r' || c == u'\n';
            ascii = ascii && c.unicode() < 0x80;
        }
        if (!aspas && ascii) { // most fields: each character is its byte
            const qsizetype inicio = saida.size();
            saida.resize(inicio + valor.size());
            std::transform(valor.begin(), valor.end(), saida.begin() + inicio,
                           [](QChar c) { return char(c.unicode()); });
            continue;
        }
        if (!aspas) {
            saida.append(valor.toUtf8());
            continue;
        }
        QString dobrado = valor;
        dobrado.replace(u"\""_s, u"\"\""_s);
        saida.append('"').append(dobrado.toUtf8()).append('"');
    }
}

} // namespace csv
