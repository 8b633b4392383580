#pragma once

#include "grade_html.h"

#include <QFont>
#include <QGlyphRun>
#include <QList>
#include <QRawFont>
#include <QRect>
#include <QString>
#include <array>

class QPainter;

// The cells of the result grid and how their texts are drawn, apart from the
// grid's rows, selection and input (grade.h).
//
// A cell's text is cut into styled runs once, when it is set; at its first
// drawing each run is turned into positioned glyphs (a QGlyphRun, with its
// width), which every later drawing only draws. No text document is built per
// cell or per paint, and no text is shaped again. A text that does not fit
// its room is cut and ended with "…" (elisao.h); the cut glyphs are kept for
// that room.
namespace grade_celulas {

// Text padding inside a cell.
constexpr int margemEsquerda = 2;
constexpr int margemTopo = 2;

struct Celula {
    QString texto;
    QList<grade_html::Trecho> trechos;
    // Made at the first drawing: the glyphs of the runs, positioned from
    // the start of the text on its baseline, and the text's width.
    mutable QList<QGlyphRun> glifos;
    mutable int largura = -1;
    // Made when the text does not fit: the glyphs of the cut runs, for the
    // room they were cut to.
    mutable QList<QGlyphRun> glifosCortados;
    mutable int espacoCorte = -1;
    mutable int larguraCortada = 0;
    mutable QString textoCortado;

    // The text and its runs; the glyphs are made again when next drawn.
    void definir(const QString &novo);
    bool vazia() const { return trechos.isEmpty(); }
};

// Where and how a cell's text is drawn.
struct Desenho {
    const QList<QGlyphRun> *glifos = nullptr;
    int x = 0;
    int largura = 0;
    bool cortado = false;
};

// Draws cells in the grid's font (Tahoma 8 pt, regular, bold, italic or
// both), made when first needed.
class Pintor {
public:
    // Where the text of `celula` is drawn in `retangulo` (a cell, its right
    // and bottom grid lines included): from the left margin, centred or
    // right-aligned as `alinhamento` says, ending before `direita`
    // (exclusive). A text wider than that room is cut to it and starts at
    // the left margin.
    Desenho desenho(const Celula &celula, const QRect &retangulo, int direita,
                    Qt::Alignment alinhamento) const;
    // Draws the text as `desenho` places it, clipped to the cell's area
    // without its grid lines when it would cross them.
    void pintar(QPainter &pintor, const QRect &retangulo, const Desenho &desenho) const;
    // Where the drawn text lies, in the coordinates of `retangulo`.
    QRect areaTexto(const QRect &retangulo, const Desenho &desenho) const;

private:
    enum Estilo { Regular = 0, Negrito = 1, Italico = 2 };

    void garantirFontes() const;
    int preparar(const Celula &celula) const; // makes the glyphs; returns the width
    // Glyphs of `trechos` positioned from the start of the text; returns the width.
    int montarGlifos(const QList<grade_html::Trecho> &trechos, QList<QGlyphRun> &glifos) const;

    mutable bool m_fontesProntas = false;
    mutable std::array<QFont, 4> m_fontes;
    mutable std::array<QRawFont, 4> m_fontesBrutas;
    mutable int m_ascendente = 0; // of the regular font
    mutable int m_descida = 0;
};

} // namespace grade_celulas
