#include "grade.h"

#include "foco.h"
#include "fronteira.h"

#include <QActionGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>

using namespace Qt::StringLiterals;

void Grade::definirPaginacao(Paginacao paginacao) {
    m_paginacao = std::move(paginacao);
}

void Grade::definirColunaCodigo(int coluna) {
    m_colunaCodigo = std::clamp(coluna, 0, totalColunas() - 1);
}

bool Grade::teclaDeAcesso(QKeyEvent *evento) {
    m_marcaFoco = true;
    viewport()->update();
    if (evento->matches(QKeySequence::Copy)) {
        copiar();
        return true;
    }
    if (evento->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (evento->key() == Qt::Key_F10 && evento->modifiers() == Qt::ShiftModifier) {
        // The other key for the context menu, for keyboards without a menu
        // key: the platform turns the menu key into a context menu event,
        // but hands Shift+F10 over as a plain key.
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, QPoint(), QPoint());
        contextMenuEvent(&menu);
        return true;
    }
    switch (evento->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // What a double click on the current row does; nothing without one.
        if (m_atual >= primeiraLinhaDados() && m_atual < totalLinhas())
            emit duploClique(m_atual, 0);
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown: {
        if (!m_paginacao || (evento->modifiers() & Qt::ShiftModifier))
            return false;
        bool mudou = false;
        const int sentido = evento->key() == Qt::Key_PageDown ? 1 : -1;
        fronteira::executar([&] { mudou = m_paginacao(sentido); });
        if (mudou)
            moverAtual(primeiraLinhaDados(), false);
        return mudou;
    }
    default:
        return false;
    }
}

// The mark of the keyboard's focus: a dotted frame around the current row,
// or around the whole grid while no row is current. A click takes it away.
void Grade::pintarMarcaFoco(QPainter &pintor) const {
    if (!hasFocus() || !m_marcaFoco)
        return;
    QRect area = viewport()->rect();
    if (m_atual >= primeiraLinhaDados() && m_atual < totalLinhas()) {
        const QRect inicio = retanguloCelula(0, m_atual);
        const QRect fim = retanguloCelula(totalColunas() - 1, m_atual);
        if (inicio.isEmpty())
            return; // scrolled out of view
        area = inicio.united(fim).intersected(viewport()->rect());
    }
    foco::pintarMarca(pintor, area);
}

void Grade::focusInEvent(QFocusEvent *evento) {
    QAbstractScrollArea::focusInEvent(evento);
    m_marcaFoco = foco::peloTeclado(evento->reason());
    viewport()->update();
}

void Grade::focusOutEvent(QFocusEvent *evento) {
    QAbstractScrollArea::focusOutEvent(evento);
    viewport()->update();
}

// ---------------------------------------------------------------- clipboard

namespace {

// The first word of a code cell: "1234", "1234-56", or the code before
// " - " and a title.
QString primeiraPalavra(const QString &texto) {
    const QString limpo = texto.trimmed();
    const qsizetype espaco = limpo.indexOf(u' ');
    return espaco < 0 ? limpo : limpo.left(espaco);
}

} // namespace

QString Grade::textoSelecionado() const {
    QStringList linhas;
    for (int linha : linhasSelecionadas()) {
        QStringList celulas;
        for (int coluna = 0; coluna < totalColunas(); ++coluna)
            celulas.append(textoVisivel(coluna, linha).trimmed());
        linhas.append(celulas.join(u'\t'));
    }
    return linhas.join(u'\n');
}

QString Grade::codigosSelecionados() const {
    QStringList codigos;
    for (int linha : linhasSelecionadas())
        codigos.append(primeiraPalavra(textoVisivel(m_colunaCodigo, linha)));
    return codigos.join(u'\n');
}

void Grade::copiar() const {
    if (!linhasSelecionadas().isEmpty())
        QGuiApplication::clipboard()->setText(textoSelecionado());
}

void Grade::copiarCodigos() const {
    if (!linhasSelecionadas().isEmpty())
        QGuiApplication::clipboard()->setText(codigosSelecionados());
}

// One entry per column of the header: each sorts as a click on that header
// cell does, and names the order it gives. The entries are one choice, the
// sort column's checked, as its indicator marks it. While the grid does not
// sort (fewer than two data rows) they are shown disabled.
void Grade::adicionarOrdenacao(QMenu &menu) {
    if (!m_cabecalho)
        return;
    menu.addSeparator();
    auto *grupo = new QActionGroup(&menu);
    for (int coluna = 0; coluna < totalColunas(); ++coluna) {
        QString nome = nomeOrdenacao(coluna);
        QAction *acao = menu.addAction(nome.replace(u'&', u"&&"_s), this,
                                       [this, coluna] { ordenarPeloCabecalho(coluna); });
        acao->setCheckable(true);
        acao->setActionGroup(grupo);
        acao->setChecked(coluna == m_colunaOrdenacao);
        acao->setEnabled(ordenavel());
    }
}

// Opened by the right button or by the keyboard (the menu key or Shift+F10;
// then below the current row). It acts on the selection as it is: the right
// button selects nothing.
void Grade::contextMenuEvent(QContextMenuEvent *evento) {
    QMenu menu(this);
    menu.setObjectName(u"menuGrade"_s);
    QAction *copia = menu.addAction(u"Copiar"_s, this, &Grade::copiar);
    copia->setShortcut(QKeySequence::Copy);
    QAction *codigo = menu.addAction(u"Copiar código"_s, this, &Grade::copiarCodigos);
    const bool haSelecao = !linhasSelecionadas().isEmpty();
    copia->setEnabled(haSelecao);
    codigo->setEnabled(haSelecao);
    adicionarOrdenacao(menu);
    QPoint lugar = evento->globalPos();
    if (evento->reason() == QContextMenuEvent::Keyboard) {
        const QRect linha = retanguloCelula(0, m_atual);
        lugar = viewport()->mapToGlobal(linha.isEmpty() ? QPoint(0, 0) : linha.bottomLeft());
    }
    menu.exec(lugar);
}
