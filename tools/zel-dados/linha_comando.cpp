#include "linha_comando.h"

using namespace Qt::StringLiterals;

namespace linha_comando {

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

} // namespace linha_comando
