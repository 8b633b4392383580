// Draws every picture of the program and writes it, at twice its designed
// size, as a JPEG file named after it. Run it offscreen (desenhar.sh does):
//
//   desenhar-arte <pasta-jpeg> <icone.png> [folha.png]
//
// The icon is also written as a PNG with a transparent background, for the
// desktop entry. The optional contact sheet shows the written pictures.

#include "catalogo.h"
#include "folha.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int escala = 2;
constexpr int qualidade = 92;

QImage desenhar(const Quadro &quadro, const QColor &fundo) {
    QImage tela(quadro.tamanho * escala, QImage::Format_ARGB32_Premultiplied);
    tela.fill(fundo);
    QPainter p(&tela);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    p.scale(escala, escala);
    quadro.desenhar(p, QSizeF(quadro.tamanho));
    return tela;
}

bool gravar(const QImage &imagem, const QString &caminho) {
    QImageWriter escritor(caminho);
    if (caminho.endsWith(u".jpg"_s)) {
        escritor.setQuality(qualidade);
        escritor.setOptimizedWrite(true);
    }
    if (escritor.write(imagem))
        return true;
    std::fprintf(stderr, "desenhar-arte: %s: %s\n", qPrintable(caminho),
                 qPrintable(escritor.errorString()));
    return false;
}

const Quadro &quadro(const QString &nome) {
    const std::vector<Quadro> &todos = catalogo();
    return *std::find_if(todos.begin(), todos.end(),
                         [&](const Quadro &q) { return q.nome == nome; });
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication aplicacao(argc, argv);
    const QStringList argumentos = aplicacao.arguments();
    if (argumentos.size() != 3 && argumentos.size() != 4) {
        std::fprintf(stderr, "uso: desenhar-arte <pasta-jpeg> <icone.png> [folha.png]\n");
        return 2;
    }
    const QDir pasta(argumentos[1]);
    if (!pasta.mkpath(u"."_s)) {
        std::fprintf(stderr, "desenhar-arte: não foi possível criar %s\n",
                     qPrintable(pasta.path()));
        return 1;
    }
    for (const Quadro &q : catalogo()) {
        if (!gravar(desenhar(q, Qt::white), pasta.filePath(q.nome + u".jpg"_s)))
            return 1;
    }
    if (!gravar(desenhar(quadro(u"icone"_s), Qt::transparent), argumentos[2]))
        return 1;
    if (argumentos.size() == 4 && !gravar(folhaDeContato(pasta), argumentos[3]))
        return 1;
    return 0;
}
