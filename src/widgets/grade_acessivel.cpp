#include "grade_acessivel.h"

#include "acessivel.h"
#include "grade.h"
#include "grade_html.h"

#include <QAccessibleTableCellInterface>
#include <QScrollBar>
#include <QWindow>
#include <algorithm>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// One cell: a place of the grid. Its text tells bold and italic runs apart
// as text attributes. A header cell describes the order its indicator shows
// and, while the grid sorts, is pressed to sort by its column, as a click on
// it does.
class CelulaAcessivel : public QAccessibleInterface,
                        public QAccessibleTableCellInterface,
                        public QAccessibleTextInterface,
                        public QAccessibleActionInterface {
public:
    CelulaAcessivel(Grade *grade, int linha, int coluna)
        : m_grade(grade), m_linha(linha), m_coluna(coluna) {}

    bool isValid() const override {
        return m_grade && m_linha < m_grade->totalLinhas() && m_coluna < m_grade->totalColunas();
    }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override {
        return m_grade ? m_grade->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *parent() const override { return tabela(); }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }

    QString text(QAccessible::Text tipo) const override {
        if (!isValid())
            return QString();
        if (tipo == QAccessible::Name)
            return m_grade->textoVisivel(m_coluna, m_linha);
        if (tipo == QAccessible::Description && cabecalho())
            return m_grade->ordemIndicada(m_coluna);
        return QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override {
        if (!isValid())
            return QRect();
        const QRect area = m_grade->retanguloCelula(m_coluna, m_linha);
        if (area.isEmpty())
            return QRect();
        return QRect(m_grade->viewport()->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override {
        return cabecalho() ? QAccessible::ColumnHeader : QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State estado;
        if (!isValid()) {
            estado.invalid = true;
            return estado;
        }
        if (!m_grade->isVisible())
            estado.invisible = true;
        if (rect().isEmpty())
            estado.offscreen = true;
        if (cabecalho())
            return estado;
        estado.selectable = true;
        estado.multiSelectable = true;
        estado.extSelectable = true;
        estado.selected = isSelected();
        estado.focusable = true;
        estado.focused = m_grade->hasFocus() && m_grade->linhaAtual() == m_linha && m_coluna == 0;
        return estado;
    }
    void *interface_cast(QAccessible::InterfaceType tipo) override {
        if (tipo == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface *>(this);
        if (tipo == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        if (tipo == QAccessible::ActionInterface && cabecalho())
            return static_cast<QAccessibleActionInterface *>(this);
        return nullptr;
    }

    // QAccessibleActionInterface, on header cells: press sorts.
    QStringList actionNames() const override {
        if (!isValid() || !cabecalho() || !m_grade->ordenavel())
            return {};
        return {pressAction()};
    }
    QString localizedActionDescription(const QString &acao) const override {
        if (!actionNames().contains(acao))
            return QString();
        return m_grade->nomeOrdenacao(m_coluna);
    }
    void doAction(const QString &acao) override {
        if (actionNames().contains(acao))
            m_grade->ordenarPeloCabecalho(m_coluna);
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

    // QAccessibleTextInterface: the visible text, read only, no selection.
    void selection(int, int *inicio, int *fim) const override { *inicio = *fim = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int inicio, int fim) const override {
        return text(QAccessible::Name).mid(inicio, std::max(0, fim - inicio));
    }
    int characterCount() const override { return int(text(QAccessible::Name).size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int posicao, int *inicio, int *fim) const override {
        int comeco = 0;
        const QList<grade_html::Trecho> trechos =
            isValid() ? grade_html::analisar(m_grade->celula(m_coluna, m_linha))
                      : QList<grade_html::Trecho>();
        for (const grade_html::Trecho &trecho : trechos) {
            const int tamanho = int(trecho.texto.size());
            if (posicao < comeco + tamanho) {
                *inicio = comeco;
                *fim = comeco + tamanho;
                return QString(trecho.negrito ? u"font-weight:bold;"_s : QString()) +
                       (trecho.italico ? u"font-style:italic;"_s : QString());
            }
            comeco += tamanho;
        }
        *inicio = *fim = comeco;
        return QString();
    }

    bool isSelected() const override {
        return isValid() && m_grade->linhasSelecionadas().contains(m_linha);
    }
    QList<QAccessibleInterface *> columnHeaderCells() const override {
        if (!isValid() || !m_grade->temCabecalho() || cabecalho())
            return {};
        return {tabela()->celula(0, m_coluna)};
    }
    QList<QAccessibleInterface *> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return m_coluna; }
    int rowIndex() const override { return m_linha - (m_grade && m_grade->temCabecalho()); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface *table() const override { return tabela(); }

private:
    bool cabecalho() const { return m_grade && m_grade->temCabecalho() && m_linha == 0; }
    TabelaAcessivel *tabela() const {
        return static_cast<TabelaAcessivel *>(QAccessible::queryAccessibleInterface(m_grade));
    }

    QPointer<Grade> m_grade;
    int m_linha;
    int m_coluna;
};

} // namespace

TabelaAcessivel::TabelaAcessivel(Grade *grade) : QAccessibleWidget(grade, QAccessible::Table) {}

TabelaAcessivel::~TabelaAcessivel() {
    for (QAccessible::Id id : std::as_const(m_celulas))
        QAccessible::deleteAccessibleInterface(id);
}

Grade *TabelaAcessivel::grade() const {
    return static_cast<Grade *>(widget());
}

int TabelaAcessivel::linhasAntes() const {
    return grade()->temCabecalho() ? 1 : 0;
}

QAccessibleInterface *TabelaAcessivel::celula(int linha, int coluna) const {
    if (linha < 0 || coluna < 0 || linha >= grade()->totalLinhas() ||
        coluna >= grade()->totalColunas())
        return nullptr;
    const QPair<int, int> lugar(linha, coluna);
    auto achada = m_celulas.constFind(lugar);
    if (achada != m_celulas.constEnd())
        return QAccessible::accessibleInterface(*achada);
    auto *nova = new CelulaAcessivel(grade(), linha, coluna);
    m_celulas.insert(lugar, QAccessible::registerAccessibleInterface(nova));
    return nova;
}

// Named as given or as the label beside it names it or, without either, by
// its header texts (which say what the result lists and hold its count).
QString TabelaAcessivel::text(QAccessible::Text tipo) const {
    if (tipo != QAccessible::Name)
        return QAccessibleWidget::text(tipo);
    const QString nome = acessivel::nomeDado(grade());
    if (!nome.isEmpty() || !grade()->temCabecalho())
        return nome;
    QStringList cabecalho;
    for (int coluna = 0; coluna < columnCount(); ++coluna)
        cabecalho.append(grade()->textoVisivel(coluna, 0).trimmed());
    cabecalho.removeAll(QString());
    return cabecalho.join(u", "_s);
}

int TabelaAcessivel::childCount() const {
    return grade()->totalLinhas() * grade()->totalColunas();
}

QAccessibleInterface *TabelaAcessivel::child(int indice) const {
    const int colunas = grade()->totalColunas();
    if (indice < 0 || colunas == 0)
        return nullptr;
    return celula(indice / colunas, indice % colunas);
}

int TabelaAcessivel::indexOfChild(const QAccessibleInterface *filho) const {
    auto *outro = const_cast<QAccessibleInterface *>(filho);
    const QAccessibleTableCellInterface *celula = outro ? outro->tableCellInterface() : nullptr;
    if (!celula || celula->table() != this)
        return -1;
    return (celula->rowIndex() + linhasAntes()) * grade()->totalColunas() + celula->columnIndex();
}

QAccessibleInterface *TabelaAcessivel::childAt(int x, int y) const {
    const QPoint ponto = grade()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!grade()->viewport()->rect().contains(ponto))
        return nullptr;
    return celula(grade()->linhaEm(ponto), grade()->colunaEm(ponto));
}

QAccessibleInterface *TabelaAcessivel::focusChild() const {
    if (!grade()->hasFocus())
        return nullptr;
    return celula(grade()->linhaAtual(), 0);
}

void *TabelaAcessivel::interface_cast(QAccessible::InterfaceType tipo) {
    if (tipo == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(tipo);
}

QAccessibleInterface *TabelaAcessivel::cellAt(int linha, int coluna) const {
    return linha < 0 ? nullptr : celula(linha + linhasAntes(), coluna);
}

int TabelaAcessivel::selectedCellCount() const {
    return selectedRowCount() * columnCount();
}

QList<QAccessibleInterface *> TabelaAcessivel::selectedCells() const {
    QList<QAccessibleInterface *> celulas;
    for (int linha : grade()->linhasSelecionadas())
        for (int coluna = 0; coluna < columnCount(); ++coluna)
            celulas.append(celula(linha, coluna));
    return celulas;
}

QString TabelaAcessivel::columnDescription(int coluna) const {
    return grade()->temCabecalho() ? grade()->textoVisivel(coluna, 0) : QString();
}

int TabelaAcessivel::selectedRowCount() const {
    return int(grade()->linhasSelecionadas().size());
}

int TabelaAcessivel::columnCount() const {
    return grade()->totalColunas();
}

int TabelaAcessivel::rowCount() const {
    return std::max(0, grade()->totalLinhas() - linhasAntes());
}

QList<int> TabelaAcessivel::selectedRows() const {
    QList<int> linhas = grade()->linhasSelecionadas();
    for (int &linha : linhas)
        linha -= linhasAntes();
    return linhas;
}

bool TabelaAcessivel::isRowSelected(int linha) const {
    return grade()->linhasSelecionadas().contains(linha + linhasAntes());
}

// The grid selects one range of rows: selecting a row makes it the selection.
bool TabelaAcessivel::selectRow(int linha) {
    if (linha < 0 || linha >= rowCount())
        return false;
    grade()->selecionarLinhas(linha + linhasAntes(), linha + linhasAntes());
    return true;
}

bool TabelaAcessivel::unselectRow(int linha) {
    if (!isRowSelected(linha))
        return false;
    if (selectedRowCount() > 1)
        return false; // a range cannot lose a row in its middle
    grade()->limparSelecao();
    return true;
}

// ---------------------------------------------------------------- events

// Raised once the handler that changed the grid has ended: a fill writes
// many cells, and assistive technology should hear of it once.
void Grade::avisar(int avisos) {
    const bool agendar = m_avisosPendentes == 0;
    m_avisosPendentes |= avisos;
    if (agendar)
        QMetaObject::invokeMethod(this, &Grade::enviarAvisos, Qt::QueuedConnection);
}

void Grade::enviarAvisos() {
    const int avisos = std::exchange(m_avisosPendentes, 0);
    if (avisos & AvisoConteudo) {
        QAccessibleTableModelChangeEvent troca(this, QAccessibleTableModelChangeEvent::ModelReset);
        acessivel::anunciar(troca);
        QAccessibleEvent nome(this, QAccessible::NameChanged);
        acessivel::anunciar(nome);
    }
    if (avisos & AvisoSelecao) {
        const int atual = m_atual >= primeiraLinhaDados() && m_atual < totalLinhas() ? m_atual : -1;
        QAccessibleEvent selecao(this, QAccessible::Selection);
        if (atual >= 0)
            selecao.setChild(atual * totalColunas());
        acessivel::anunciar(selecao);
        if (atual >= 0 && hasFocus()) {
            QAccessibleEvent foco(this, QAccessible::Focus);
            foco.setChild(atual * totalColunas());
            acessivel::anunciar(foco);
        }
    }
}
