#include "grade.h"

#include "acessivel.h"
#include "elisao.h"
#include "textos.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The look shared by the seven grids.
const QColor corFundo(0xFF, 0xF7, 0xDF);
const QColor corCabecalho(0xFE, 0xEE, 0xBD);
const QColor corTextoCabecalho(0x00, 0x00, 0xFF);
const QColor corSelecao(0xFF, 0xE0, 0xC0);
// The grid lines are white over the warm background; the palette has no role
// for grid lines, so the colour is written here.
const QColor corLinhas(0xFF, 0xFF, 0xFF);
const QColor corIndicador(0x80, 0x80, 0x80);

constexpr int larguraPadrao = 64;   // a column whose width was never set
constexpr int larguraIndicador = 7; // the sort triangle
constexpr int alturaIndicador = 4;
constexpr int reservaIndicador = larguraIndicador + 6;

// The name of a sort direction, as menus and assistive technology say it.
QString sentido(bool descendente) {
    return descendente ? u"decrescente"_s : u"crescente"_s;
}

} // namespace

Grade::Grade(QWidget *pai, const QRect &geometria, int colunas, bool cabecalho, int alturaLinha)
    : QAbstractScrollArea(pai), m_larguras(std::max(colunas, 1), larguraPadrao),
      m_cabecalho(cabecalho), m_alturaLinha(std::max(alturaLinha, 1)), m_corSelecionado(Qt::red) {
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAutoFillBackground(false);
    verticalScrollBar()->setSingleStep(1);
    setGeometry(geometria);
    // The state of a grid reset for filling: the header and one data row.
    m_linhas.fill(linhaVazia(), m_cabecalho ? 2 : 1);
    atualizarRolagem();
    acessivel::instalar();
}

Grade::Linha Grade::linhaVazia() const {
    Linha linha;
    linha.celulas.resize(m_larguras.size());
    return linha;
}

// ---------------------------------------------------------------- contents

void Grade::definirTotalLinhas(int n) {
    n = std::max(n, 0);
    if (n < m_linhas.size())
        m_linhas.resize(n);
    else
        while (m_linhas.size() < n)
            m_linhas.append(linhaVazia());
    limparSelecao();
    atualizarRolagem();
    viewport()->update();
    avisar(AvisoConteudo);
}

void Grade::limpar() {
    for (Linha &linha : m_linhas)
        for (Celula &celula : linha.celulas)
            celula = Celula();
    limparSelecao();
    viewport()->update();
    avisar(AvisoConteudo);
}

void Grade::adicionarLinha() {
    m_linhas.append(linhaVazia());
    atualizarRolagem();
    viewport()->update();
    avisar(AvisoConteudo);
}

void Grade::definirCelula(int coluna, int linha, const QString &texto) {
    if (linha < 0 || linha >= m_linhas.size() || coluna < 0 || coluna >= m_larguras.size())
        return;
    m_linhas[linha].celulas[coluna].definir(texto);
    viewport()->update();
    avisar(AvisoConteudo);
}

QString Grade::celula(int coluna, int linha) const {
    if (linha < 0 || linha >= m_linhas.size() || coluna < 0 || coluna >= m_larguras.size())
        return QString();
    return m_linhas[linha].celulas[coluna].texto;
}

QString Grade::textoVisivel(int coluna, int linha) const {
    if (linha < 0 || linha >= m_linhas.size() || coluna < 0 || coluna >= m_larguras.size())
        return QString();
    return grade_html::textoVisivel(m_linhas[linha].celulas[coluna].trechos);
}

void Grade::acrescentarNaLinha(int linha, const QStringList &textos) {
    if (linha < 0 || linha >= m_linhas.size())
        return;
    QList<Celula> &celulas = m_linhas[linha].celulas;
    qsizetype coluna = 0;
    for (const QString &texto : textos) {
        while (coluna < celulas.size() && !celulas[coluna].texto.isEmpty())
            ++coluna;
        if (coluna >= celulas.size())
            break; // no empty cell left: this text and the rest are dropped
        celulas[coluna].definir(texto.isEmpty() ? u" "_s : texto);
    }
    viewport()->update();
    avisar(AvisoConteudo);
}

void Grade::definirLarguraColuna(int coluna, int pixels) {
    if (coluna < 0 || coluna >= m_larguras.size())
        return;
    m_larguras[coluna] = std::max(pixels, 0);
    viewport()->update();
}

int Grade::larguraColuna(int coluna) const {
    if (coluna < 0 || coluna >= m_larguras.size())
        return 0;
    return m_larguras[coluna];
}

void Grade::definirAlinhamento(Alinhamento alinhamento) {
    m_alinhamento = std::move(alinhamento);
    viewport()->update();
}

void Grade::definirCorTextoSelecionado(const QColor &cor) {
    m_corSelecionado = cor;
    viewport()->update();
}

void Grade::definirBarraVertical(bool ligada) {
    setVerticalScrollBarPolicy(ligada ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    atualizarRolagem();
}

// ---------------------------------------------------------------- sorting

void Grade::definirColunaOrdenacaoInicial(int coluna) {
    m_colunaOrdenacao = std::clamp(coluna, 0, int(m_larguras.size()) - 1);
    m_descendente = false;
    viewport()->update();
}

bool Grade::ordenavel() const {
    return m_cabecalho && m_linhas.size() - 1 >= 2;
}

QString Grade::nomeOrdenacao(int coluna) const {
    const QString titulo = textoVisivel(coluna, 0).trimmed();
    const bool descendente = coluna == m_colunaOrdenacao && !m_descendente;
    return (titulo.isEmpty() ? u"Ordenar pela coluna %1"_s.arg(coluna + 1)
                             : u"Ordenar por "_s + titulo) +
           u", "_s + sentido(descendente);
}

QString Grade::ordemIndicada(int coluna) const {
    if (!m_cabecalho || coluna != m_colunaOrdenacao)
        return QString();
    return u"Ordem "_s + sentido(m_descendente);
}

bool Grade::ordenarPeloCabecalho(int coluna) {
    if (!ordenavel() || coluna < 0 || coluna >= m_larguras.size())
        return false;
    if (coluna == m_colunaOrdenacao) {
        m_descendente = !m_descendente;
    } else {
        m_colunaOrdenacao = coluna;
        m_descendente = false;
    }

    // The text shown (markup removed), in UTF-8 once per row, in the
    // Portuguese dictionary order; equal texts keep their order.
    struct Chave {
        std::string texto;
        int linha;
    };
    std::vector<Chave> chaves;
    chaves.reserve(m_linhas.size() - 1);
    for (int r = 1; r < m_linhas.size(); ++r)
        chaves.push_back(
            {grade_html::textoVisivel(m_linhas[r].celulas[coluna].trechos).toStdString(), r});
    const bool descendente = m_descendente;
    std::stable_sort(chaves.begin(), chaves.end(), [descendente](const Chave &a, const Chave &b) {
        const int c = textos::compararPortugues(a.texto, b.texto);
        return descendente ? c > 0 : c < 0;
    });

    QList<Linha> ordenadas;
    ordenadas.reserve(m_linhas.size());
    ordenadas.append(std::move(m_linhas[0]));
    std::vector<int> novaPosicao(m_linhas.size(), 0);
    for (const Chave &chave : chaves) {
        novaPosicao[chave.linha] = int(ordenadas.size());
        ordenadas.append(std::move(m_linhas[chave.linha]));
    }
    m_linhas = std::move(ordenadas);
    // Selected rows move with their texts, and so do the anchor and the
    // current row.
    if (m_ancora > 0)
        m_ancora = novaPosicao[m_ancora];
    if (m_atual > 0)
        m_atual = novaPosicao[m_atual];
    viewport()->update();
    avisar(AvisoConteudo);
    return true;
}

// ---------------------------------------------------------------- selection

QList<int> Grade::linhasSelecionadas() const {
    QList<int> linhas;
    for (int r = primeiraLinhaDados(); r < m_linhas.size(); ++r)
        if (m_linhas[r].selecionada)
            linhas.append(r);
    return linhas;
}

void Grade::limparSelecao() {
    for (Linha &linha : m_linhas)
        linha.selecionada = false;
    m_ancora = -1;
    m_atual = -1;
    viewport()->update();
    avisar(AvisoSelecao);
}

void Grade::selecionarLinhas(int de, int ate) {
    const int primeira = primeiraLinhaDados();
    const int ultima = int(m_linhas.size()) - 1;
    if (ultima < primeira)
        return;
    de = std::clamp(de, primeira, ultima);
    ate = std::clamp(ate, primeira, ultima);
    for (int r = 0; r < m_linhas.size(); ++r)
        m_linhas[r].selecionada = r >= std::min(de, ate) && r <= std::max(de, ate);
    m_ancora = de;
    m_atual = ate;
    viewport()->update();
    avisar(AvisoSelecao);
}

void Grade::estenderSelecao(int ate) {
    selecionarLinhas(m_ancora >= 0 ? m_ancora : ate, ate);
}

void Grade::moverAtual(int linha, bool estender) {
    const int primeira = primeiraLinhaDados();
    const int ultima = int(m_linhas.size()) - 1;
    if (ultima < primeira)
        return;
    linha = std::clamp(linha, primeira, ultima);
    if (estender)
        estenderSelecao(linha);
    else
        selecionarLinhas(linha, linha);
    rolarPara(linha);
}

// ---------------------------------------------------------------- geometry

int Grade::linhasVisiveis() const {
    const int fixas = m_cabecalho ? 1 : 0;
    // The widget's own height (no frame, no horizontal bar): right before the
    // first show too, when the viewport has not been laid out yet.
    return std::max(0, (contentsRect().height() - fixas * m_alturaLinha) / m_alturaLinha);
}

int Grade::larguraVisivel() const {
    // Until the grid is first shown its viewport is not laid out: the grid's
    // own width stands for it (no scroll bar is on view yet).
    return isVisible() ? viewport()->width() : contentsRect().width();
}

int Grade::primeiraLinhaVisivel() const {
    return primeiraLinhaDados() + verticalScrollBar()->value();
}

void Grade::atualizarRolagem() {
    const int dados = std::max(0, int(m_linhas.size()) - primeiraLinhaDados());
    const int visiveis = linhasVisiveis();
    QScrollBar *barra = verticalScrollBar();
    barra->setRange(0, std::max(0, dados - visiveis));
    barra->setPageStep(std::max(1, visiveis));
}

void Grade::rolarPara(int linha) {
    const int primeira = primeiraLinhaDados();
    if (linha < primeira || linha >= m_linhas.size())
        return;
    const int topo = primeiraLinhaVisivel();
    const int visiveis = std::max(1, linhasVisiveis());
    QScrollBar *barra = verticalScrollBar();
    if (linha < topo)
        barra->setValue(linha - primeira);
    else if (linha >= topo + visiveis)
        barra->setValue(linha - primeira - visiveis + 1);
}

int Grade::yLinha(int linha) const {
    if (linha < linhasFixas())
        return linha * m_alturaLinha;
    const int topo = primeiraLinhaVisivel();
    if (linha < topo)
        return -1;
    return (linhasFixas() + linha - topo) * m_alturaLinha;
}

int Grade::linhaEm(QPoint ponto) const {
    if (ponto.y() < 0)
        return -1;
    const int fixas = linhasFixas();
    int linha;
    if (ponto.y() < fixas * m_alturaLinha)
        linha = ponto.y() / m_alturaLinha;
    else
        linha = primeiraLinhaVisivel() + (ponto.y() - fixas * m_alturaLinha) / m_alturaLinha;
    return linha < m_linhas.size() ? linha : -1;
}

int Grade::colunaEm(QPoint ponto) const {
    if (ponto.x() < 0)
        return -1;
    int x = 0;
    for (int c = 0; c < m_larguras.size(); ++c) {
        x += m_larguras[c];
        if (ponto.x() < x)
            return c;
    }
    return -1;
}

QRect Grade::retanguloCelula(int coluna, int linha) const {
    if (coluna < 0 || coluna >= m_larguras.size() || linha < 0 || linha >= m_linhas.size())
        return QRect();
    const int y = yLinha(linha);
    if (y < 0)
        return QRect();
    const int x = std::accumulate(m_larguras.begin(), m_larguras.begin() + coluna, 0);
    return QRect(x, y, m_larguras[coluna], m_alturaLinha);
}

// ---------------------------------------------------------------- painting

grade_celulas::Desenho Grade::desenho(const Celula &celula, const QRect &retangulo, int linha,
                                      int coluna) const {
    const int reserva = linha < linhasFixas() && coluna == m_colunaOrdenacao ? reservaIndicador : 0;
    // Exclusive: the cell's right grid line, or the end of the visible area.
    const int direita = std::min(retangulo.right() - reserva, larguraVisivel());
    const Qt::Alignment alinhamento =
        m_alinhamento ? (m_alinhamento(linha, coluna) & Qt::AlignHorizontal_Mask) : Qt::AlignLeft;
    return m_pintor.desenho(celula, retangulo, direita, alinhamento);
}

QString Grade::textoMostrado(int coluna, int linha) const {
    const QRect retangulo = retanguloCelula(coluna, linha);
    if (retangulo.isNull())
        return QString();
    const Celula &celula = m_linhas[linha].celulas[coluna];
    if (desenho(celula, retangulo, linha, coluna).cortado)
        return celula.textoCortado;
    return grade_html::textoVisivel(celula.trechos);
}

QRect Grade::retanguloTexto(int coluna, int linha) const {
    const QRect retangulo = retanguloCelula(coluna, linha);
    if (retangulo.isNull() || m_linhas[linha].celulas[coluna].vazia())
        return QRect();
    const Celula &celula = m_linhas[linha].celulas[coluna];
    return m_pintor.areaTexto(retangulo, desenho(celula, retangulo, linha, coluna));
}

// The tooltip of a cell whose text is cut is its whole text; other cells
// have none.
void Grade::mostrarDicaCelula(QHelpEvent *evento) {
    const int linha = linhaEm(evento->pos());
    const int coluna = colunaEm(evento->pos());
    const QRect retangulo = retanguloCelula(coluna, linha);
    if (!retangulo.isNull()) {
        const Celula &celula = m_linhas[linha].celulas[coluna];
        if (!celula.vazia() && desenho(celula, retangulo, linha, coluna).cortado) {
            elisao::mostrarDica(evento->globalPos(), grade_html::textoVisivel(celula.trechos),
                                viewport(), retangulo);
            return;
        }
    }
    QToolTip::hideText();
    evento->ignore();
}

bool Grade::viewportEvent(QEvent *evento) {
    if (evento->type() == QEvent::ToolTip) {
        mostrarDicaCelula(static_cast<QHelpEvent *>(evento));
        return true;
    }
    return QAbstractScrollArea::viewportEvent(evento);
}

void Grade::pintarIndicador(QPainter &pintor, const QRect &retangulo) const {
    // A small triangle at the right of the header cell: point up when the
    // order is ascending, down when descending.
    const int x = retangulo.right() - 4 - larguraIndicador;
    const int y = retangulo.y() + (retangulo.height() - 1 - alturaIndicador) / 2;
    QPolygon triangulo;
    if (m_descendente)
        triangulo << QPoint(x, y) << QPoint(x + larguraIndicador - 1, y)
                  << QPoint(x + (larguraIndicador - 1) / 2, y + alturaIndicador - 1);
    else
        triangulo << QPoint(x + (larguraIndicador - 1) / 2, y)
                  << QPoint(x + larguraIndicador - 1, y + alturaIndicador - 1)
                  << QPoint(x, y + alturaIndicador - 1);
    pintor.setPen(corIndicador);
    pintor.setBrush(corIndicador);
    pintor.drawPolygon(triangulo);
    pintor.setBrush(Qt::NoBrush);
}

void Grade::pintar(QPainter &pintor, const QRect &area) const {
    pintor.fillRect(area, corFundo);
    if (m_linhas.isEmpty())
        return;

    const QColor corTexto = palette().color(QPalette::WindowText);
    const int alturaVista = viewport()->height();
    int larguraTotal = 0;
    for (int largura : m_larguras)
        larguraTotal += largura;

    // The rows to draw: the header, then the data rows from the scroll
    // position down to the first one that no longer shows.
    const int fixas = linhasFixas();
    QList<int> linhas;
    for (int r = 0; r < fixas; ++r)
        linhas.append(r);
    for (int r = primeiraLinhaVisivel(), y = fixas * m_alturaLinha;
         r < m_linhas.size() && y < alturaVista; ++r, y += m_alturaLinha)
        linhas.append(r);

    int fundoLinhas = 0; // bottom of the last drawn row
    for (int r : linhas) {
        const int y = yLinha(r);
        fundoLinhas = y + m_alturaLinha;
        if (y >= area.bottom() + 1 || y + m_alturaLinha <= area.top())
            continue;
        const Linha &linha = m_linhas[r];
        const bool cabecalho = r < fixas;
        const QColor *fundo =
            cabecalho ? &corCabecalho : (linha.selecionada ? &corSelecao : nullptr);
        pintor.setPen(cabecalho ? corTextoCabecalho
                                : (linha.selecionada ? m_corSelecionado : corTexto));
        int x = 0;
        for (int c = 0; c < m_larguras.size(); ++c) {
            const int largura = m_larguras[c];
            const QRect retangulo(x, y, largura, m_alturaLinha);
            x += largura;
            if (retangulo.right() < area.left() || largura <= 0)
                continue;
            if (retangulo.left() > area.right())
                break;
            if (fundo)
                pintor.fillRect(retangulo, *fundo);
            const Celula &celula = linha.celulas[c];
            if (!celula.vazia())
                m_pintor.pintar(pintor, retangulo, desenho(celula, retangulo, r, c));
            if (cabecalho && c == m_colunaOrdenacao) {
                pintarIndicador(pintor, retangulo);
                pintor.setPen(corTextoCabecalho);
            }
        }
    }

    // One-pixel grid lines at the right and at the bottom of every cell.
    pintor.setPen(corLinhas);
    const int direita = larguraTotal - 1;
    for (int r : linhas) {
        const int y = yLinha(r) + m_alturaLinha - 1;
        if (y >= area.top() && y <= area.bottom())
            pintor.drawLine(0, y, direita, y);
    }
    int x = 0;
    for (int largura : m_larguras) {
        x += largura;
        if (largura > 0 && x - 1 >= area.left() && x - 1 <= area.right())
            pintor.drawLine(x - 1, 0, x - 1, fundoLinhas - 1);
    }
}

void Grade::paintEvent(QPaintEvent *evento) {
    QPainter pintor(viewport());
    pintar(pintor, evento->rect());
    pintarMarcaFoco(pintor);
}

void Grade::resizeEvent(QResizeEvent *evento) {
    QAbstractScrollArea::resizeEvent(evento);
    atualizarRolagem();
}

void Grade::scrollContentsBy(int, int) {
    viewport()->update();
}

// ---------------------------------------------------------------- input

void Grade::mousePressEvent(QMouseEvent *evento) {
    m_cabecalhoPressionado = -1;
    m_arrastando = false;
    m_marcaFoco = false;
    if (evento->button() != Qt::LeftButton)
        return; // only the left button selects
    const QPoint ponto = evento->position().toPoint();
    const int linha = linhaEm(ponto);
    if (linha < 0)
        return; // the empty area below the last row
    if (linha < linhasFixas()) {
        m_cabecalhoPressionado = colunaEm(ponto);
        return;
    }
    if (evento->modifiers() & Qt::ShiftModifier)
        estenderSelecao(linha);
    else
        selecionarLinhas(linha, linha);
    m_arrastando = true;
}

void Grade::mouseMoveEvent(QMouseEvent *evento) {
    if (!m_arrastando || !(evento->buttons() & Qt::LeftButton) ||
        m_linhas.size() <= primeiraLinhaDados())
        return;
    const QPoint ponto = evento->position().toPoint();
    const int topoDados = linhasFixas() * m_alturaLinha;
    int linha;
    if (ponto.y() < topoDados) {
        linha = primeiraLinhaVisivel() - 1; // above the rows: scroll up
    } else {
        linha = primeiraLinhaVisivel() + (ponto.y() - topoDados) / m_alturaLinha;
        if (ponto.y() >= viewport()->height())
            linha = primeiraLinhaVisivel() + linhasVisiveis(); // below: scroll down
    }
    linha = std::clamp(linha, primeiraLinhaDados(), int(m_linhas.size()) - 1);
    if (linha != m_atual) {
        estenderSelecao(linha);
        rolarPara(linha);
    }
}

void Grade::mouseReleaseEvent(QMouseEvent *evento) {
    m_arrastando = false;
    const int coluna = m_cabecalhoPressionado;
    m_cabecalhoPressionado = -1;
    if (coluna < 0 || evento->button() != Qt::LeftButton)
        return;
    const QPoint ponto = evento->position().toPoint();
    if (linhaEm(ponto) == 0 && linhasFixas() == 1 && colunaEm(ponto) == coluna)
        ordenarPeloCabecalho(coluna);
}

void Grade::mouseDoubleClickEvent(QMouseEvent *evento) {
    m_arrastando = false;
    m_cabecalhoPressionado = -1;
    if (evento->button() != Qt::LeftButton) {
        evento->ignore();
        return;
    }
    const QPoint ponto = evento->position().toPoint();
    const int linha = linhaEm(ponto);
    emit duploClique(linha < 0 ? 0 : linha, colunaEm(ponto));
}

void Grade::wheelEvent(QWheelEvent *evento) {
    QScrollBar *barra = verticalScrollBar();
    if (barra->maximum() == 0) {
        evento->ignore();
        return;
    }
    m_restoRoda += evento->angleDelta().y();
    const int passos = m_restoRoda / 120; // one row per notch
    m_restoRoda -= passos * 120;
    barra->setValue(barra->value() - passos);
    evento->accept();
}

void Grade::keyPressEvent(QKeyEvent *evento) {
    if (teclaDeAcesso(evento))
        return;
    const int primeira = primeiraLinhaDados();
    const int ultima = int(m_linhas.size()) - 1;
    const int atual = m_atual >= primeira ? m_atual : primeiraLinhaVisivel() - 1;
    const int pagina = std::max(1, linhasVisiveis());
    int destino;
    switch (evento->key()) {
    case Qt::Key_Up:
        destino = atual - 1;
        break;
    case Qt::Key_Down:
        destino = atual + 1;
        break;
    case Qt::Key_PageUp:
        destino = atual - pagina;
        break;
    case Qt::Key_PageDown:
        destino = atual + pagina;
        break;
    case Qt::Key_Home:
        destino = primeira;
        break;
    case Qt::Key_End:
        destino = ultima;
        break;
    default:
        QAbstractScrollArea::keyPressEvent(evento);
        return;
    }
    if (ultima >= primeira)
        moverAtual(destino, evento->modifiers() & Qt::ShiftModifier);
    evento->accept();
}
