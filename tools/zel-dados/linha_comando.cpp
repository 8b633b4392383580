#include "linha_comando.h"

using namespace Qt::StringLiterals;

namespace linha_comando {
namespace {

bool utf8Valido(QByteArrayView bytes) {
    return QString::fromUtf8(bytes).toUtf8() == bytes;
}

// The valid UTF-8 of `bytes` as it is, each other byte as \xHH.
QString mostrar(QByteArrayView bytes) {
    QString texto;
    for (qsizetype i = 0; i < bytes.size();) {
        const auto primeiro = static_cast<unsigned char>(bytes[i]);
        const qsizetype comprimento = primeiro < 0x80   ? 1
                                      : primeiro < 0xE0 ? 2
                                      : primeiro < 0xF0 ? 3
                                                        : 4;
        const QByteArrayView sequencia = bytes.sliced(i, qMin(comprimento, bytes.size() - i));
        if (primeiro == '\\') {
            texto += u"\\\\"_s;
        } else if (utf8Valido(sequencia)) {
            texto += QString::fromUtf8(sequencia);
        } else {
            texto += u"\\x"_s + QString::number(primeiro, 16).toUpper().rightJustified(2, u'0');
            i += 1;
            continue;
        }
        i += sequencia.size();
    }
    return texto;
}

} // namespace

std::optional<Argumentos> lerArgumentos(const QStringList &argumentos, const QStringList &comValor,
                                        const QStringList &flags, QString *erro) {
    Argumentos lidos;
    bool opcoes = true;
    for (qsizetype i = 0; i < argumentos.size(); ++i) {
        const QString &argumento = argumentos[i];
        if (!opcoes || !argumento.startsWith(u"--"_s)) {
            lidos.posicionais << argumento;
            continue;
        }
        if (argumento == u"--"_s) {
            opcoes = false;
            continue;
        }
        const qsizetype igual = argumento.indexOf(u'=');
        const QString nome = argumento.left(igual);
        if (lidos.tem(nome)) {
            *erro = nome + u" foi dado mais de uma vez"_s;
            return std::nullopt;
        }
        if (flags.contains(nome) && igual < 0) {
            lidos.flags.insert(nome);
        } else if (comValor.contains(nome)) {
            if (igual < 0 && i + 1 >= argumentos.size()) {
                *erro = nome + u" precisa de um valor"_s;
                return std::nullopt;
            }
            lidos.valores.insert(nome, igual < 0 ? argumentos[++i] : argumento.mid(igual + 1));
        } else {
            *erro = u"opção desconhecida: "_s + argumento;
            return std::nullopt;
        }
    }
    return lidos;
}

QString argumentosForaDeUtf8(int argc, const char *const *argv) {
    QString mensagem;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argumento(argv[i]);
        if (!utf8Valido(argumento))
            mensagem += u"zel-dados: o argumento \""_s + mostrar(argumento) +
                        u"\" não é UTF-8 válido (os bytes inválidos aparecem como \\xHH)\n"_s;
    }
    if (mensagem.isEmpty())
        return mensagem;
    return mensagem +
           u"Nada foi feito: zel-dados só abre e cria arquivos e diretórios com nomes em UTF-8;\n"_s
           u"renomeie o arquivo ou diretório (por exemplo: convmv -f latin1 -t utf8 --notest NOME)\n"_s
           u"e dê em UTF-8 os textos das opções, como o de --busca.\n"_s;
}

} // namespace linha_comando
