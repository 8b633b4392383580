#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>

// The palette of the artwork.
namespace cor {
constexpr QRgb creme = 0xFFF7DF;        // text areas, grid cells
constexpr QRgb ambar = 0xFEEEBD;        // grid headers, frames, light bands
constexpr QRgb papel = 0xFFFCF3;        // background of the screens
constexpr QRgb faixaClara = 0xFFF3D6;   // lower strip of the top band
constexpr QRgb linhaClara = 0xE6CB98;   // edges of light bands, thin rules
constexpr QRgb laranja = 0xCC6600;      // accents
constexpr QRgb laranjaClaro = 0xEE8A26; // top of orange gradients
constexpr QRgb laranjaEscuro = 0x9C4700;
constexpr QRgb telha = 0x8A4010;  // top of the dark bands
constexpr QRgb marrom = 0x5A2A08; // bottom of the dark bands
constexpr QRgb marromEscuro = 0x3A1B05;
constexpr QRgb tinta = 0x3C3228;   // frames and dark glyphs
constexpr QRgb grafite = 0x6E6258; // secondary text
constexpr QRgb vinho = 0x800000;   // version labels
constexpr QRgb azul = 0x0000FF;    // links
constexpr QRgb branco = 0xFFFFFF;
} // namespace cor

// Every picture is drawn in its designed (logical) coordinates; the painter is
// scaled by two. Lines one unit wide therefore cover exactly two device pixels
// when they lie on whole coordinates, so the picture stays sharp whether it is
// shown at twice its size or halved again.

QFont fonte(int pixels, bool negrito = false);

// Text with its left end and baseline at `base`.
void escrever(QPainter &p, QPointF base, const QString &texto, const QFont &letra, QRgb tom);

// Text centred in `caixa`.
void centrar(QPainter &p, const QRectF &caixa, const QString &texto, const QFont &letra, QRgb tom);

void degradeVertical(QPainter &p, const QRectF &area, QRgb topo, QRgb base);

// A frame one unit wide along the inside edge of `area`.
void moldura(QPainter &p, const QRectF &area, QRgb tom);

// Tiles: the face of every picture button, a framed rectangle filled with a
// vertical gradient and lit along its top edge.
struct Ladrilho {
    QRgb borda;
    QRgb topo;
    QRgb base;
    QRgb brilho;
    QRgb letra;  // words on the tile
    QRgb relevo; // drawn one device pixel lower right, under the words
};
extern const Ladrilho ladrilhoClaro;   // chrome and toolbar buttons
extern const Ladrilho ladrilhoLaranja; // buttons that start an action
extern const Ladrilho ladrilhoNeutro;  // buttons that decline

void pintarLadrilho(QPainter &p, const QRectF &area, const Ladrilho &estilo);

// A button with a word on it, covering the whole picture.
void botaoComTexto(QPainter &p, QSizeF tamanho, const Ladrilho &estilo, const QString &texto,
                   int pixels);

// The emblem of the classification: a tree of groups and families on an
// orange badge.
void emblema(QPainter &p, const QRectF &caixa);

// The tree of the emblem alone, in one colour.
void silhueta(QPainter &p, const QRectF &caixa, QRgb tom);

// "ZEL2002" with its left end and baseline at `base`.
void marca(QPainter &p, QPointF base, int pixels, QRgb tomZel, QRgb tomAno);

// The dark gradient of the bands, from `topo` to `base` of `area`, with a
// gloss over its upper half.
void faixaEscura(QPainter &p, const QRectF &area);
