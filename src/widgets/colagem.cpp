#include "colagem.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

#include <unicode/uchar.h>

namespace colagem {
namespace {

bool quebraOuTabulacao(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}

// Accepts every text, changed as textoDeUmaLinha says; the cursor keeps its
// distance from the end of the text, where a paste leaves it.
class Validador : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString &texto, int &cursor) const override {
        const QString limpo = textoDeUmaLinha(texto);
        if (limpo != texto) {
            cursor = std::clamp(int(limpo.size() - (texto.size() - cursor)), 0, int(limpo.size()));
            texto = limpo;
        }
        return Acceptable;
    }
};

} // namespace

QString textoDeUmaLinha(const QString &texto) {
    const QList<uint> caracteres = texto.normalized(QString::NormalizationForm_C).toUcs4();
    QString saida;
    saida.reserve(texto.size());
    bool quebraPendente = false;
    for (const uint c : caracteres) {
        if (quebraOuTabulacao(c)) {
            quebraPendente = !saida.isEmpty();
            continue;
        }
        if (u_hasBinaryProperty(UChar32(c), UCHAR_DEFAULT_IGNORABLE_CODE_POINT))
            continue;
        if (quebraPendente)
            saida += u' ';
        quebraPendente = false;
        saida += QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
    }
    return saida;
}

void limparColagens(QLineEdit *caixa) {
    caixa->setValidator(new Validador(caixa));
}

} // namespace colagem
