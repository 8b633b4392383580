// Draws the pictures of the HTML pages and writes them as PNG files with a
// transparent background, so that they sit on any page colour. Each picture
// is written twice: `nome.png` at its size on the page and `nome@2x.png`
// drawn at twice that size, which the page viewer shows on screens whose
// display scaling is above 100 %. The buttons shown in the pages are the
// program's own artwork, which is drawn at twice its size on screen: the
// @2x picture is the artwork itself, the other one the artwork halved. Run
// it offscreen (desenhar.sh does):
//
//   desenhar-figuras <pasta-arte-jpeg> <pasta-imagens>

#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The palette of the program's artwork.
namespace cor {
constexpr QRgb creme = 0xFFF7DF;
constexpr QRgb ambar = 0xFEEEBD;
constexpr QRgb linhaClara = 0xE6CB98;
constexpr QRgb laranja = 0xCC6600;
constexpr QRgb laranjaClaro = 0xEE8A26;
constexpr QRgb laranjaEscuro = 0x9C4700;
constexpr QRgb telha = 0x8A4010;
constexpr QRgb marrom = 0x5A2A08;
constexpr QRgb tinta = 0x3C3228;
constexpr QRgb grafite = 0x6E6258;
constexpr QRgb branco = 0xFFFFFF;
} // namespace cor

QFont sans(int pixels, bool negrito = false, bool italico = false) {
    QFont letra(u"DejaVu Sans"_s);
    letra.setPixelSize(pixels);
    letra.setBold(negrito);
    letra.setItalic(italico);
    return letra;
}

QFont mono(int pixels) {
    QFont letra(u"DejaVu Sans Mono"_s);
    letra.setPixelSize(pixels);
    letra.setBold(true);
    return letra;
}

qreal largura(const QString &texto, const QFont &letra) {
    return QFontMetricsF(letra).horizontalAdvance(texto);
}

// Text with its left end and baseline at `base`.
void escrever(QPainter &p, QPointF base, const QString &texto, const QFont &letra, QRgb tom) {
    p.setFont(letra);
    p.setPen(QColor(tom));
    p.drawText(base, texto);
}

// Text centred on `meio` (baseline at its y), kept inside the picture.
void centrarEm(QPainter &p, QPointF meio, const QString &texto, const QFont &letra, QRgb tom) {
    const qreal w = largura(texto, letra);
    const qreal larguraDaFigura = p.device()->width() / p.device()->devicePixelRatio();
    const qreal limite = larguraDaFigura - 4 - w;
    escrever(p, QPointF(std::clamp(meio.x() - w / 2, 4.0, limite), meio.y()), texto, letra, tom);
}

void centrar(QPainter &p, const QRectF &caixa, const QString &texto, const QFont &letra, QRgb tom) {
    p.setFont(letra);
    p.setPen(QColor(tom));
    p.drawText(caixa, Qt::AlignCenter, texto);
}

// A rounded box filled with a vertical gradient.
void pastilha(QPainter &p, const QRectF &caixa, QRgb topo, QRgb base, QRgb borda, qreal raio = 5) {
    QLinearGradient degrade(caixa.topLeft(), caixa.bottomLeft());
    degrade.setColorAt(0, QColor(topo));
    degrade.setColorAt(1, QColor(base));
    p.setPen(QPen(QColor(borda), 1));
    p.setBrush(degrade);
    p.drawRoundedRect(caixa.adjusted(0.5, 0.5, -0.5, -0.5), raio, raio);
}

void pontaDeSeta(QPainter &p, QPointF ponta, QPointF direcao, QRgb tom) {
    const qreal comprimento = std::hypot(direcao.x(), direcao.y());
    const QPointF u = direcao / comprimento;
    const QPointF n(-u.y(), u.x());
    const QPointF base = ponta - u * 8;
    QPainterPath triangulo;
    triangulo.moveTo(ponta);
    triangulo.lineTo(base + n * 4);
    triangulo.lineTo(base - n * 4);
    triangulo.closeSubpath();
    p.fillPath(triangulo, QColor(tom));
}

void seta(QPainter &p, QPointF de, QPointF ate, QRgb tom) {
    p.setPen(QPen(QColor(tom), 1.6));
    p.drawLine(de, ate - (ate - de) / std::hypot(ate.x() - de.x(), ate.y() - de.y()) * 6);
    pontaDeSeta(p, ate, ate - de, tom);
}

// A picture of the pages: its file name, its size and how it is drawn.
struct Figura {
    QString nome;
    QSize tamanho;
    std::function<void(QPainter &, int largura)> desenhar;
};

// The picture drawn at `escala` times its size on the page: the painter
// works in the page's pixels, each `escala` pixels of the image wide.
QImage desenhar(const Figura &figura, int escala) {
    QImage imagem(figura.tamanho * escala, QImage::Format_ARGB32_Premultiplied);
    imagem.setDevicePixelRatio(escala);
    imagem.fill(Qt::transparent);
    QPainter p(&imagem);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    figura.desenhar(p, figura.tamanho.width());
    return imagem;
}

// --- The hierarchy of the classification -----------------------------------

struct Nivel {
    int recuo;      // depth in the tree
    QString codigo; // empty for the synonyms
    QString nome;
    QString tamanho;
    QRgb topo, base;
};

void hierarquia(QPainter &p, int w) {
    const std::vector<Nivel> niveis{
        {0, u"5"_s, u"Grande Grupo"_s, u"1 dígito"_s, cor::telha, cor::marrom},
        {1, u"51"_s, u"Subgrupo Principal"_s, u"2 dígitos"_s, cor::laranjaEscuro, cor::telha},
        {2, u"515"_s, u"Subgrupo"_s, u"3 dígitos"_s, cor::laranja, cor::laranjaEscuro},
        {3, u"5151"_s, u"Família ocupacional"_s, u"4 dígitos"_s, cor::laranjaClaro, cor::laranja},
        {4, u"5151-05"_s, u"Ocupação"_s, u"6 dígitos"_s, 0xF4A754, cor::laranjaClaro},
        {5, QString(), u"sinônimos: outros títulos da mesma ocupação"_s, u"sem código próprio"_s, 0,
         0},
        {4, u"5151-10"_s, u"Ocupação (outra da mesma família)"_s, u"6 dígitos"_s, 0xF4A754,
         cor::laranjaClaro},
    };
    const int topo = 26, passo = 34, recuo = 32, alturaChip = 24;

    escrever(p, QPointF(10, 14), u"Nível"_s, sans(11, true), cor::grafite);
    const QString cabecalho = u"Tamanho do código"_s;
    escrever(p, QPointF(w - 10 - largura(cabecalho, sans(11, true)), 14), cabecalho, sans(11, true),
             cor::grafite);
    p.fillRect(QRectF(10, 19, w - 20, 1), QColor(cor::linhaClara));

    // Where each depth's chip starts, to draw the connectors from the parent.
    std::vector<QPointF> ultimoPai(8);
    for (std::size_t i = 0; i < niveis.size(); ++i) {
        const Nivel &n = niveis[i];
        const qreal meio = topo + passo * qreal(i) + passo / 2.0;
        const qreal x = 10 + recuo * n.recuo;
        if (n.recuo > 0) {
            const QPointF pai = ultimoPai[n.recuo - 1];
            p.setPen(QPen(QColor(cor::grafite), 1.2));
            p.drawLine(QPointF(pai.x(), pai.y()), QPointF(pai.x(), meio));
            p.drawLine(QPointF(pai.x(), meio), QPointF(x - 2, meio));
        }
        QRectF chip;
        if (n.codigo.isEmpty()) {
            const QFont italico = sans(12, false, true);
            chip = QRectF(x, meio - alturaChip / 2.0, largura(n.nome, italico) + 20, alturaChip);
            p.setPen(QPen(QColor(cor::laranja), 1, Qt::DashLine));
            p.setBrush(QColor(cor::creme));
            p.drawRoundedRect(chip.adjusted(0.5, 0.5, -0.5, -0.5), 5, 5);
            centrar(p, chip, n.nome, italico, cor::tinta);
        } else {
            const QFont letraCodigo = mono(14);
            chip =
                QRectF(x, meio - alturaChip / 2.0, largura(n.codigo, letraCodigo) + 16, alturaChip);
            pastilha(p, chip, n.topo, n.base, cor::marrom);
            centrar(p, chip, n.codigo, letraCodigo, cor::branco);
            escrever(p, QPointF(chip.right() + 10, meio + 5), n.nome, sans(13, true), cor::tinta);
            ultimoPai[n.recuo] = QPointF(chip.left() + 10, chip.bottom());
        }
        const QFont letraTamanho = sans(12, false, n.codigo.isEmpty());
        const qreal wTamanho = largura(n.tamanho, letraTamanho);
        const qreal fimDoNome =
            n.codigo.isEmpty() ? chip.right() : chip.right() + 10 + largura(n.nome, sans(13, true));
        p.setPen(QPen(QColor(cor::linhaClara), 1, Qt::DotLine));
        p.drawLine(QPointF(fimDoNome + 8, meio + 1), QPointF(w - 18 - wTamanho, meio + 1));
        escrever(p, QPointF(w - 10 - wTamanho, meio + 4), n.tamanho, letraTamanho, cor::grafite);
    }
}

// --- How an occupation code reads ------------------------------------------

void codigo(QPainter &p, int) {
    const QString digitos = u"515105"_s;
    const qreal largo = 30, alto = 40, topo = 40, vao = 4, hifen = 18;
    std::vector<QRectF> caixas;
    qreal x = 16;
    for (int i = 0; i < digitos.size(); ++i) {
        if (i == 4) {
            centrar(p, QRectF(x, topo, hifen, alto), u"-"_s, mono(26), cor::grafite);
            x += hifen + vao;
        }
        caixas.emplace_back(x, topo, largo, alto);
        x += largo + vao;
    }
    for (int i = 0; i < digitos.size(); ++i) {
        const bool ocupacao = i >= 4;
        pastilha(p, caixas[i], ocupacao ? cor::laranjaClaro : cor::creme,
                 ocupacao ? cor::laranja : cor::ambar, ocupacao ? cor::laranjaEscuro : cor::laranja,
                 4);
        centrar(p, caixas[i], digitos.mid(i, 1), mono(26), ocupacao ? cor::branco : cor::marrom);
    }

    // Braces over the family and the occupation number.
    const auto chave = [&](qreal de, qreal ate, qreal y, qreal ponta) {
        p.setPen(QPen(QColor(cor::grafite), 1.2));
        p.drawLine(QPointF(de, y), QPointF(ate, y));
        p.drawLine(QPointF(de, y), QPointF(de, y + ponta));
        p.drawLine(QPointF(ate, y), QPointF(ate, y + ponta));
    };
    chave(caixas[0].left(), caixas[3].right(), topo - 8, 5);
    centrarEm(p, QPointF((caixas[0].left() + caixas[3].right()) / 2, topo - 14), u"Família 5151"_s,
              sans(12, true), cor::tinta);
    chave(caixas[4].left(), caixas[5].right(), topo - 8, 5);
    centrarEm(p, QPointF((caixas[4].left() + caixas[5].right()) / 2, topo - 14), u"Ocupação 05"_s,
              sans(12, true), cor::laranjaEscuro);

    // Nested braces under the digits: the levels above the family.
    const QStringList acima{u"Grande Grupo 5"_s, u"Subgrupo Principal 51"_s, u"Subgrupo 515"_s};
    for (int k = 0; k < acima.size(); ++k) {
        const qreal y = topo + alto + 14 + 20 * k;
        const qreal fim = caixas[k].right();
        chave(caixas[0].left(), fim, y, -5);
        escrever(p, QPointF(fim + 8, y + 4), acima[k], sans(12), cor::tinta);
    }
}

// --- The conversions between the three bases --------------------------------

void conversao(QPainter &p, int) {
    struct Base {
        QRectF caixa;
        QString nome, legenda;
        bool central;
    };
    const qreal topo = 16, alto = 58;
    const std::vector<Base> bases{
        {QRectF(10, topo, 170, alto), u"ZEL94"_s, u"edição anterior"_s, false},
        {QRectF(235, topo, 170, alto), u"ZEL2002"_s, u"edição de 2002"_s, true},
        {QRectF(460, topo, 170, alto), u"CIUO88"_s, u"classificação internacional"_s, false},
    };
    for (const Base &b : bases) {
        if (b.central)
            pastilha(p, b.caixa, cor::laranjaClaro, cor::laranjaEscuro, cor::marrom, 7);
        else
            pastilha(p, b.caixa, cor::creme, cor::ambar, cor::laranja, 7);
        const QRgb letra = b.central ? cor::branco : cor::marrom;
        centrar(p, QRectF(b.caixa.left(), b.caixa.top() + 6, b.caixa.width(), 26), b.nome,
                sans(17, true), letra);
        centrar(p, QRectF(b.caixa.left(), b.caixa.top() + 32, b.caixa.width(), 18), b.legenda,
                sans(11), b.central ? cor::ambar : cor::grafite);
    }

    // One arrow each way between ZEL2002 and each of the other two bases.
    const qreal alta = topo + alto * 0.33, baixa = topo + alto * 0.67;
    for (const auto &[esquerda, direita] :
         {std::pair{bases[0].caixa, bases[1].caixa}, std::pair{bases[1].caixa, bases[2].caixa}}) {
        seta(p, QPointF(esquerda.right() + 3, alta), QPointF(direita.left() - 3, alta),
             cor::laranjaEscuro);
        seta(p, QPointF(direita.left() - 3, baixa), QPointF(esquerda.right() + 3, baixa),
             cor::laranjaEscuro);
    }

    // No conversion goes straight from ZEL94 to CIUO88.
    const QPointF de(bases[0].caixa.center().x(), bases[0].caixa.bottom() + 4);
    const QPointF ate(bases[2].caixa.center().x(), bases[2].caixa.bottom() + 4);
    QPainterPath arco(de);
    arco.cubicTo(de + QPointF(0, 52), ate + QPointF(0, 52), ate);
    p.setPen(QPen(QColor(cor::grafite), 1.2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawPath(arco);
    const QPointF meio = arco.pointAtPercent(0.5);
    p.setPen(QPen(QColor(cor::laranjaEscuro), 1.5));
    p.setBrush(QColor(cor::creme));
    p.drawEllipse(meio, 9, 9);
    p.setPen(QPen(QColor(cor::laranjaEscuro), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(meio + QPointF(-4, -4), meio + QPointF(4, 4));
    p.drawLine(meio + QPointF(-4, 4), meio + QPointF(4, -4));
    centrarEm(p, QPointF(meio.x(), meio.y() + 26), u"sem conversão direta entre ZEL94 e CIUO88"_s,
              sans(11, false, true), cor::grafite);
}

// --- How an occupation is included, updated or excluded ---------------------

void ciclo(QPainter &p, int w) {
    struct Etapa {
        QString titulo, linha1, linha2;
    };
    const std::vector<Etapa> etapas{
        {u"Proposta"_s, u"setores, usuários"_s, u"e especialistas"_s},
        {u"Análise técnica"_s, u"comissões técnicas"_s, u"estudam o pedido"_s},
        {u"Decisão"_s, u"incluir, atualizar"_s, u"ou excluir"_s},
        {u"Publicação"_s, u"nova versão da"_s, u"classificação"_s},
    };
    const qreal largo = 132, alto = 64, topo = 8, vao = 30;
    std::vector<QRectF> caixas;
    for (std::size_t i = 0; i < etapas.size(); ++i) {
        const QRectF caixa(10 + (largo + vao) * qreal(i), topo, largo, alto);
        caixas.push_back(caixa);
        pastilha(p, caixa, cor::creme, cor::ambar, cor::laranja, 7);
        const QRectF faixa(caixa.left(), caixa.top(), caixa.width(), 22);
        centrar(p, faixa.translated(0, 3), etapas[i].titulo, sans(13, true), cor::marrom);
        centrar(p, QRectF(caixa.left(), caixa.top() + 27, caixa.width(), 16), etapas[i].linha1,
                sans(11), cor::tinta);
        centrar(p, QRectF(caixa.left(), caixa.top() + 43, caixa.width(), 16), etapas[i].linha2,
                sans(11), cor::tinta);
        if (i > 0)
            seta(p, QPointF(caixas[i - 1].right() + 3, caixa.center().y()),
                 QPointF(caixa.left() - 3, caixa.center().y()), cor::laranjaEscuro);
    }

    // The periodic review takes the classification back to new proposals.
    const qreal baixo = topo + alto + 32;
    const qreal xFim = caixas.back().center().x(), xInicio = caixas.front().center().x();
    p.setPen(QPen(QColor(cor::laranjaEscuro), 1.6));
    p.setBrush(Qt::NoBrush);
    QPainterPath volta(QPointF(xFim, caixas.back().bottom() + 3));
    volta.lineTo(xFim, baixo);
    volta.lineTo(xInicio, baixo);
    volta.lineTo(xInicio, caixas.front().bottom() + 9);
    p.drawPath(volta);
    pontaDeSeta(p, QPointF(xInicio, caixas.front().bottom() + 3), QPointF(0, -1),
                cor::laranjaEscuro);
    const QString rotulo = u"revisão periódica"_s;
    const QFont letra = sans(12, true, true);
    const QRectF etiqueta(w / 2.0 - largura(rotulo, letra) / 2 - 10, baixo - 11,
                          largura(rotulo, letra) + 20, 22);
    pastilha(p, etiqueta, cor::branco, cor::creme, cor::laranjaEscuro, 11);
    centrar(p, etiqueta, rotulo, letra, cor::laranjaEscuro);
}

// --- The acts that establish and update a classification --------------------

void linhaDoTempo(QPainter &p, int w) {
    const qreal eixo = 52;
    seta(p, QPointF(20, eixo), QPointF(w - 12, eixo), cor::grafite);

    struct Marco {
        qreal x;
        QString acima, abaixo;
        bool principal;
    };
    const std::vector<Marco> marcos{
        {100, u"Ato que institui"_s, u"a classificação (edição 2002)"_s, true},
        {250, u"atualização"_s, QString(), false},
        {380, u"atualização"_s, QString(), false},
        {530, u"Edição em vigor"_s, u"o ato inicial e todas as atualizações"_s, true},
    };
    for (const Marco &m : marcos) {
        const qreal raio = m.principal ? 9 : 6;
        p.setPen(QPen(QColor(cor::marrom), 1.2));
        p.setBrush(QColor(m.principal ? cor::laranja : cor::ambar));
        p.drawEllipse(QPointF(m.x, eixo), raio, raio);
        centrarEm(p, QPointF(m.x, eixo - 18), m.acima, sans(12, m.principal), cor::tinta);
        if (!m.abaixo.isEmpty())
            centrarEm(p, QPointF(m.x, eixo + 30), m.abaixo, sans(11), cor::grafite);
    }
    centrarEm(p, QPointF((marcos[1].x + marcos[2].x) / 2, eixo + 30),
              u"inclusões, alterações e exclusões"_s, sans(11), cor::grafite);
    centrarEm(p, QPointF((marcos[1].x + marcos[2].x) / 2, eixo + 46), u"de ocupações"_s, sans(11),
              cor::grafite);
}

// --- Buttons of the program, as the pages show them -------------------------

// A button at `escala` times its size on screen. The artwork is drawn at
// twice that size: at 2 it is the artwork as drawn, at 1 the artwork halved.
QImage botao(const QString &pastaArte, const QString &nome, int escala) {
    const QImage arte(QDir(pastaArte).filePath(nome + u".jpg"_s));
    if (arte.isNull() || escala == 2)
        return arte;
    return arte.scaled(arte.size() / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool gravar(const QImage &imagem, const QString &caminho) {
    if (!imagem.isNull() && imagem.save(caminho, "PNG", 0))
        return true;
    std::fprintf(stderr, "desenhar-figuras: não foi possível escrever %s\n", qPrintable(caminho));
    return false;
}

} // namespace

int main(int argc, char *argv[]) {
    QGuiApplication aplicacao(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: desenhar-figuras <pasta-arte-jpeg> <pasta-imagens>\n");
        return 2;
    }
    const QString arte = QString::fromLocal8Bit(argv[1]);
    const QDir saida(QString::fromLocal8Bit(argv[2]));

    const std::vector<Figura> figuras{
        {u"hierarquia"_s, QSize(600, 268), hierarquia},
        {u"codigo"_s, QSize(300, 150), codigo},
        {u"conversao"_s, QSize(640, 160), conversao},
        {u"ciclo"_s, QSize(640, 132), ciclo},
        {u"linha_do_tempo"_s, QSize(640, 112), linhaDoTempo},
    };
    const QStringList botoes{u"bt_home"_s,  u"bt_busca"_s,    u"bt_info"_s, u"bt_regula"_s,
                             u"bt_tabua"_s, u"bt_procurar"_s, u"bt_ok"_s};
    bool tudoCerto = true;
    for (const auto &[escala, sufixo] : {std::pair{1, u".png"_s}, std::pair{2, u"@2x.png"_s}}) {
        for (const Figura &figura : figuras)
            tudoCerto &= gravar(desenhar(figura, escala), saida.filePath(figura.nome + sufixo));
        for (const QString &nome : botoes)
            tudoCerto &= gravar(botao(arte, nome, escala), saida.filePath(nome + sufixo));
    }
    return tudoCerto ? 0 : 1;
}
