#include "grade_html.h"

using namespace Qt::StringLiterals;

namespace grade_html {

namespace {

enum class Marca { Nenhuma, AbreNegrito, FechaNegrito, AbreItalico, FechaItalico };

// The tag that starts at `i` (where texto[i] == '<'), and its length.
Marca marcaEm(const QString &texto, qsizetype i, qsizetype &comprimento) {
    const qsizetype resta = texto.size() - i;
    qsizetype j = i + 1;
    bool fecha = false;
    if (resta >= 4 && texto[j] == u'/') {
        fecha = true;
        ++j;
    }
    if (j + 1 >= texto.size() || texto[j + 1] != u'>')
        return Marca::Nenhuma;
    const char16_t letra = texto[j].toLower().unicode();
    if (letra != u'b' && letra != u'i')
        return Marca::Nenhuma;
    comprimento = j + 2 - i;
    if (letra == u'b')
        return fecha ? Marca::FechaNegrito : Marca::AbreNegrito;
    return fecha ? Marca::FechaItalico : Marca::AbreItalico;
}

// The character the entity at `i` (where texto[i] == '&') stands for, and
// the entity's length; a null character when no entity starts there.
QChar entidadeEm(const QString &texto, qsizetype i, qsizetype &comprimento) {
    static constexpr struct {
        QStringView nome;
        char16_t caractere;
    } entidades[] = {{u"&amp;", u'&'}, {u"&lt;", u'<'}, {u"&gt;", u'>'}};
    for (const auto &entidade : entidades)
        if (QStringView(texto).sliced(i).startsWith(entidade.nome)) {
            comprimento = entidade.nome.size();
            return QChar(entidade.caractere);
        }
    return QChar();
}

} // namespace

QString simples(const QString &texto) {
    if (!texto.contains(u'&') && !texto.contains(u'<') && !texto.contains(u'>'))
        return texto;
    QString escrito;
    escrito.reserve(texto.size() + 16);
    for (QChar c : texto) {
        if (c == u'&')
            escrito += u"&amp;";
        else if (c == u'<')
            escrito += u"&lt;";
        else if (c == u'>')
            escrito += u"&gt;";
        else
            escrito += c;
    }
    return escrito;
}

QString negrito(const QString &texto) {
    return u"<b>"_s + simples(texto) + u"</b>"_s;
}

QString italico(const QString &texto) {
    return u"<i>"_s + simples(texto) + u"</i>"_s;
}

QList<Trecho> analisar(const QString &texto) {
    QList<Trecho> trechos;
    if (texto.isEmpty())
        return trechos;
    if (!texto.contains(u'<') && !texto.contains(u'&')) {
        trechos.append(Trecho{texto, false, false});
        return trechos;
    }

    int negrito = 0;
    int italico = 0;
    QString atual;
    bool atualNegrito = false;
    bool atualItalico = false;
    auto fechar = [&] {
        if (atual.isEmpty())
            return;
        if (!trechos.isEmpty() && trechos.last().negrito == atualNegrito &&
            trechos.last().italico == atualItalico)
            trechos.last().texto += atual;
        else
            trechos.append(Trecho{atual, atualNegrito, atualItalico});
        atual.clear();
    };

    qsizetype i = 0;
    while (i < texto.size()) {
        qsizetype comprimento = 0;
        if (texto[i] == u'&') {
            const QChar caractere = entidadeEm(texto, i, comprimento);
            if (!caractere.isNull()) {
                atual += caractere;
                i += comprimento;
                continue;
            }
        }
        const Marca marca = texto[i] == u'<' ? marcaEm(texto, i, comprimento) : Marca::Nenhuma;
        if (marca == Marca::Nenhuma) {
            // Text as written up to the next tag or entity.
            qsizetype fim = i + 1;
            while (fim < texto.size() && texto[fim] != u'<' && texto[fim] != u'&')
                ++fim;
            atual += QStringView(texto).mid(i, fim - i);
            i = fim;
            continue;
        }
        switch (marca) {
        case Marca::AbreNegrito:
            ++negrito;
            break;
        case Marca::FechaNegrito:
            negrito = std::max(0, negrito - 1);
            break;
        case Marca::AbreItalico:
            ++italico;
            break;
        case Marca::FechaItalico:
            italico = std::max(0, italico - 1);
            break;
        case Marca::Nenhuma:
            break;
        }
        i += comprimento;
        if ((negrito > 0) != atualNegrito || (italico > 0) != atualItalico) {
            fechar();
            atualNegrito = negrito > 0;
            atualItalico = italico > 0;
        }
    }
    fechar();
    for (Trecho &t : trechos)
        t.texto.squeeze();
    return trechos;
}

QString textoVisivel(const QList<Trecho> &trechos) {
    if (trechos.size() == 1)
        return trechos.first().texto;
    QString visivel;
    for (const Trecho &t : trechos)
        visivel += t.texto;
    return visivel;
}

QString textoVisivel(const QString &texto) {
    return textoVisivel(analisar(texto));
}

} // namespace grade_html
