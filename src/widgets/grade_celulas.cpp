#include "grade_celulas.h"

#include "elisao.h"
#include "fontes.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace grade_celulas {
namespace {

// Text that needs no shaping: Latin letters (precomposed accents),
// punctuation, symbols. Anything else (combining marks, other scripts) goes
// through the text layout.
bool textoSimples(const QString &texto) {
    for (QChar c : texto) {
        const char16_t u = c.unicode();
        if (u >= 0x0300 && !(u >= 0x2000 && u < 0x20D0))
            return false;
    }
    return true;
}

} // namespace

void Celula::definir(const QString &novo) {
    texto = novo;
    trechos = grade_html::analisar(novo);
    glifos.clear();
    largura = -1;
    espacoCorte = -1;
}

void Pintor::garantirFontes() const {
    if (m_fontesProntas)
        return;
    for (int estilo = 0; estilo < 4; ++estilo) {
        m_fontes[estilo] =
            fontes::fonte(u"Tahoma"_s, fontes::pt8, estilo & Negrito, estilo & Italico);
        m_fontesBrutas[estilo] = QRawFont::fromFont(m_fontes[estilo]);
    }
    const QFontMetrics metricas(m_fontes[Regular]);
    m_ascendente = metricas.ascent();
    m_descida = metricas.descent();
    m_fontesProntas = true;
}

int Pintor::preparar(const Celula &celula) const {
    if (celula.largura < 0)
        celula.largura = montarGlifos(celula.trechos, celula.glifos);
    return celula.largura;
}

int Pintor::montarGlifos(const QList<grade_html::Trecho> &trechos, QList<QGlyphRun> &glifos) const {
    glifos.clear();
    qreal x = 0;
    for (const grade_html::Trecho &t : trechos) {
        const int estilo = (t.negrito ? Negrito : 0) | (t.italico ? Italico : 0);
        const QRawFont &bruta = m_fontesBrutas[estilo];
        if (bruta.isValid() && textoSimples(t.texto)) {
            const QList<quint32> indices = bruta.glyphIndexesForString(t.texto);
            if (indices.isEmpty())
                continue;
            if (!indices.contains(0u)) { // every glyph in the font: no fallback font needed
                const QList<QPointF> avancos =
                    bruta.advancesForGlyphIndexes(indices, QRawFont::KernedAdvances);
                QList<QPointF> posicoes;
                posicoes.reserve(indices.size());
                for (const QPointF &avanco : avancos) {
                    posicoes.append(QPointF(x, 0));
                    x += avanco.x();
                }
                QGlyphRun sequencia;
                sequencia.setRawFont(bruta);
                sequencia.setGlyphIndexes(indices);
                sequencia.setPositions(posicoes);
                glifos.append(sequencia);
                continue;
            }
        }
        // Shaping and font fallback by the text layout, once.
        QTextLayout leiaute(t.texto, m_fontes[estilo]);
        leiaute.beginLayout();
        QTextLine linha = leiaute.createLine();
        leiaute.endLayout();
        if (!linha.isValid())
            continue;
        for (QGlyphRun sequencia : linha.glyphRuns()) {
            if (sequencia.positions().isEmpty())
                continue;
            QList<QPointF> posicoes = sequencia.positions();
            for (QPointF &p : posicoes)
                p += QPointF(x, -linha.ascent());
            sequencia.setPositions(posicoes);
            glifos.append(sequencia);
        }
        x += linha.horizontalAdvance();
    }
    return int(std::ceil(x));
}

Desenho Pintor::desenho(const Celula &celula, const QRect &retangulo, int direita,
                        Qt::Alignment alinhamento) const {
    garantirFontes();
    Desenho d;
    const int largura = preparar(celula);
    const int esquerda = retangulo.x() + margemEsquerda;
    const int espaco = std::max(0, direita - esquerda);
    if (largura > espaco) {
        if (celula.espacoCorte != espaco) {
            const elisao::Medidor medir = [this](const QString &texto, bool negrito, bool italico) {
                QList<QGlyphRun> glifos;
                return qreal(montarGlifos({grade_html::Trecho{texto, negrito, italico}}, glifos));
            };
            const QList<grade_html::Trecho> cortados =
                elisao::cortar(celula.trechos, espaco, medir);
            celula.larguraCortada = montarGlifos(cortados, celula.glifosCortados);
            celula.textoCortado = grade_html::textoVisivel(cortados);
            celula.espacoCorte = espaco;
        }
        d.glifos = &celula.glifosCortados;
        d.x = esquerda;
        d.largura = celula.larguraCortada;
        d.cortado = true;
        return d;
    }
    d.glifos = &celula.glifos;
    d.largura = largura;
    if (alinhamento & Qt::AlignHCenter)
        d.x = retangulo.x() + (retangulo.width() - 1 - largura) / 2;
    else if (alinhamento & Qt::AlignRight)
        d.x = direita - margemEsquerda - largura;
    else
        d.x = esquerda;
    return d;
}

void Pintor::pintar(QPainter &pintor, const QRect &retangulo, const Desenho &desenho) const {
    garantirFontes();
    // The cell's own area, without its right and bottom grid lines.
    const QRect interior(retangulo.x(), retangulo.y(), retangulo.width() - 1,
                         retangulo.height() - 1);
    const int baseLinha = interior.y() + margemTopo + m_ascendente;
    const bool recortar = desenho.x < interior.x() || baseLinha + m_descida > interior.bottom() + 1;
    if (recortar) {
        pintor.save();
        pintor.setClipRect(interior, Qt::IntersectClip);
    }
    const QPointF origem(desenho.x, baseLinha);
    for (const QGlyphRun &glifos : *desenho.glifos)
        pintor.drawGlyphRun(origem, glifos);
    if (recortar)
        pintor.restore();
}

QRect Pintor::areaTexto(const QRect &retangulo, const Desenho &desenho) const {
    garantirFontes();
    return QRect(desenho.x, retangulo.y() + margemTopo, desenho.largura, m_ascendente + m_descida);
}

} // namespace grade_celulas
