// The layout check: every capture scene (each screen and dialog, with the
// longest texts of the classification and every notice) is put on view,
// and no label, link, caption, heading, list text or grid cell may be cut
// by its own box, by the edge of a box that holds it, by the window's edge
// or by a control drawn over it, unless it ends with "…" and shows its
// whole text as its tooltip. An open drop-down list stays below its box,
// as wide as it.

#include "cenas.h"
#include "figura.h"
#include "fixtures.h"
#include "grade.h"
#include "grade_html.h"
#include "lista_suspensa.h"
#include "programa.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QToolTip>

using namespace Qt::StringLiterals;

namespace {

constexpr QChar reticencias(0x2026);

QString nome(const QWidget *w) {
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className())
                                     : w->objectName();
}

// Whether `w` paints over what lies below it within `area` (window
// coordinates): a label only where its text is, a plain container or a
// group box only through its children.
bool pintaEm(const QWidget *w, const QRect &area, const QWidget *janela);

QRect naJanela(const QWidget *w, const QRect &r, const QWidget *janela) {
    return QRect(w->mapTo(janela, r.topLeft()), r.size());
}

// Where a label draws its text, in the label's coordinates.
QRect textoDoRotulo(const QLabel *rotulo) {
    const QSize preciso =
        rotulo->fontMetrics().boundingRect(QRect(), Qt::AlignLeft, rotulo->text()).size();
    return QStyle::alignedRect(rotulo->layoutDirection(), rotulo->alignment(), preciso,
                               rotulo->contentsRect());
}

bool conteinerSemPintura(const QWidget *w) {
    if (w->autoFillBackground())
        return false;
    return qobject_cast<const QGroupBox *>(w) ||
           QByteArray(w->metaObject()->className()) == "QWidget";
}

// Whether `w` paints the whole of its area: neither a label without a
// background nor a container without painting of its own.
bool pintaTudo(const QWidget *w) {
    if (qobject_cast<const QLabel *>(w) && !w->autoFillBackground())
        return false;
    return !conteinerSemPintura(w);
}

bool pintaEm(const QWidget *w, const QRect &area, const QWidget *janela) {
    if (!w->isVisibleTo(janela))
        return false;
    const QRect lugar = naJanela(w, w->rect(), janela);
    if (!lugar.intersects(area))
        return false;
    if (const auto *rotulo = qobject_cast<const QLabel *>(w); rotulo && !w->autoFillBackground())
        return !rotulo->text().isEmpty() &&
               naJanela(w, textoDoRotulo(rotulo), janela).intersects(area);
    if (conteinerSemPintura(w)) {
        for (const QObject *filho : w->children())
            if (filho->isWidgetType() && pintaEm(static_cast<const QWidget *>(filho), area, janela))
                return true;
        return false;
    }
    return true;
}

// The faults of one text of `w`, drawn at `texto` (in w's coordinates) with
// `mostrado` as its visible text and `dica` as the tooltip it shows.
QStringList verificarTexto(const QWidget *w, const QRect &texto, const QRect &caixa,
                           const QString &mostrado, const QString &dica, const QWidget *janela) {
    QStringList falhas;
    const QString quem = nome(w) + u" \""_s + mostrado + u"\""_s;
    if (!caixa.contains(texto))
        falhas << quem + u": cortado pela própria caixa"_s;
    if (mostrado.endsWith(reticencias) &&
        (dica.size() <= mostrado.size() - 1 || !dica.startsWith(mostrado.chopped(1))))
        falhas << quem + u": termina com … sem o texto inteiro na dica"_s;
    // Each box that holds it, up to the window; whatever is drawn over it at
    // each level; and the edge of a picture below it (a band of the frame),
    // which the text must not straddle, half on the picture and half off,
    // unless a box that holds the text paints its whole area over the
    // picture (a grid over the bottom band).
    const QRect area = naJanela(w, texto, janela);
    const QWidget *nivel = w;
    bool sobreFundoProprio = false;
    while (nivel != janela) {
        sobreFundoProprio = sobreFundoProprio || pintaTudo(nivel);
        const QWidget *pai = nivel->parentWidget();
        if (!naJanela(pai, pai->rect(), janela).contains(area))
            falhas << quem + u": cortado pela borda de "_s + nome(pai);
        const QObjectList irmaos = pai->children();
        const qsizetype lugar = irmaos.indexOf(nivel);
        for (qsizetype i = 0; i < irmaos.size(); ++i) {
            const auto *irmao = qobject_cast<const QWidget *>(irmaos[i]);
            if (!irmao || i == lugar)
                continue;
            if (i > lugar && pintaEm(irmao, area, janela))
                falhas << quem + u": coberto por "_s + nome(irmao);
            const QRect figura = naJanela(irmao, irmao->rect(), janela);
            if (i < lugar && !sobreFundoProprio && qobject_cast<const Figura *>(irmao) &&
                irmao->isVisibleTo(janela) && figura.intersects(area) && !figura.contains(area))
                falhas << quem + u": atravessa a borda de "_s + nome(irmao);
        }
        nivel = pai;
    }
    return falhas;
}

QString dicaDaGrade(Grade *grade, const QPoint &ponto) {
    QToolTip::hideText();
    QHelpEvent evento(QEvent::ToolTip, ponto, grade->viewport()->mapToGlobal(ponto));
    QApplication::sendEvent(grade->viewport(), &evento);
    const QString dica = QToolTip::isVisible() ? QToolTip::text() : QString();
    QToolTip::hideText();
    return dica;
}

QStringList verificarGrade(Grade *grade, const QWidget *janela) {
    QStringList falhas;
    const QRect vista = grade->viewport()->rect();
    for (int r = 0; r < grade->totalLinhas(); ++r)
        for (int c = 0; c < grade->totalColunas(); ++c) {
            // A row only partly on view is reached by scrolling.
            const QRect texto = grade->retanguloTexto(c, r);
            const QRect celula = grade->retanguloCelula(c, r);
            if (texto.isEmpty() || celula.top() < vista.top() || celula.bottom() > vista.bottom())
                continue;
            const QString mostrado = grade->textoMostrado(c, r);
            const QString inteiro = grade_html::textoVisivel(grade->celula(c, r));
            const QString dica =
                mostrado == inteiro ? QString() : dicaDaGrade(grade, texto.center());
            const QRect caixa = celula.intersected(vista);
            for (const QString &falha :
                 verificarTexto(grade->viewport(), texto, caixa, mostrado, dica, janela))
                falhas << nome(grade) + u" ["_s + QString::number(r) + u","_s + QString::number(c) +
                              u"] "_s + falha;
            if (mostrado != inteiro && dica != inteiro)
                falhas << nome(grade) + u": a dica não é o texto inteiro: "_s + inteiro;
        }
    return falhas;
}

QStringList verificarLista(QComboBox *lista, const QWidget *janela) {
    QStringList falhas;
    auto *suspensa = qobject_cast<ListaSuspensa *>(lista);
    QStyleOptionComboBox opcao;
    opcao.initFrom(lista);
    opcao.editable = lista->isEditable();
    const QRect campo = lista->style()->subControlRect(QStyle::CC_ComboBox, &opcao,
                                                       QStyle::SC_ComboBoxEditField, lista);
    const QString mostrado = suspensa ? suspensa->textoMostrado() : lista->currentText();
    if (!mostrado.isEmpty()) {
        const QRect texto(
            campo.topLeft(),
            QSize(lista->fontMetrics().horizontalAdvance(mostrado) + 2, campo.height()));
        falhas << verificarTexto(lista, texto, campo, mostrado,
                                 suspensa && mostrado != lista->currentText() ? lista->currentText()
                                                                              : QString(),
                                 janela);
    }
    // The open list: below the box (or above it), exactly its width, each
    // entry fitting its row or cut with "…".
    QWidget *aberta = lista->view()->window();
    if (!aberta->isVisible())
        return falhas;
    const QRect caixa(lista->mapToGlobal(QPoint(0, 0)), lista->size());
    const QRect geometria = aberta->geometry();
    if (geometria.left() != caixa.left() || geometria.width() != caixa.width())
        falhas << nome(lista) + u": a lista aberta não tem a largura da caixa"_s;
    if (geometria.top() < caixa.bottom() && geometria.bottom() > caixa.top())
        falhas << nome(lista) + u": a lista aberta cobre a própria caixa"_s;
    if (suspensa)
        for (int i = 0; i < lista->count(); ++i) {
            const QString entrada = suspensa->textoMostradoEntrada(i);
            const QRect linha = lista->view()->visualRect(lista->model()->index(i, 0));
            if (lista->fontMetrics().horizontalAdvance(entrada) > linha.width() ||
                (entrada != lista->itemText(i) && !entrada.endsWith(reticencias)))
                falhas << nome(lista) + u": entrada cortada: "_s + entrada;
        }
    return falhas;
}

QStringList verificar(QWidget *janela) {
    QStringList falhas;
    // A tooltip shown and hidden on the way is a child that goes away.
    QList<QPointer<QWidget>> todos;
    for (QWidget *w : janela->findChildren<QWidget *>())
        todos << w;
    for (QWidget *w : std::as_const(todos)) {
        if (!w || !w->isVisibleTo(janela) || w->window() != janela)
            continue;
        if (auto *rotulo = qobject_cast<QLabel *>(w); rotulo && !rotulo->text().isEmpty())
            falhas << verificarTexto(rotulo, textoDoRotulo(rotulo), rotulo->contentsRect(),
                                     rotulo->text(), rotulo->toolTip(), janela);
        else if (auto *grupo = qobject_cast<QGroupBox *>(w)) {
            QStyleOptionGroupBox opcao;
            opcao.initFrom(grupo);
            opcao.text = grupo->title();
            opcao.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            const QRect titulo = grupo->style()->subControlRect(QStyle::CC_GroupBox, &opcao,
                                                                QStyle::SC_GroupBoxLabel, grupo);
            falhas << verificarTexto(grupo, titulo, grupo->rect(), grupo->title(), QString(),
                                     janela);
        } else if (auto *botao = qobject_cast<QAbstractButton *>(w);
                   botao && !botao->text().isEmpty()) {
            if (botao->sizeHint().width() > botao->width())
                falhas << nome(botao) + u" \""_s + botao->text() +
                              u"\": cortado pela própria caixa"_s;
            falhas << verificarTexto(
                botao, QRect(QPoint(0, 0), botao->sizeHint()).intersected(botao->rect()),
                botao->rect(), botao->text(), QString(), janela);
        } else if (auto *grade = qobject_cast<Grade *>(w))
            falhas << verificarGrade(grade, janela);
        else if (auto *lista = qobject_cast<QComboBox *>(w))
            falhas << verificarLista(lista, janela);
    }
    falhas.removeDuplicates();
    return falhas;
}

} // namespace

class TesteLeiaute : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void cena_data();
    void cena();

private:
    QList<cenas::Cena> m_cenas;
};

#ifdef TITULOS_LONGOS
// A small classification whose titles are as long as real ones (about 140
// characters) at every level; only the scenes that look up the longest
// titles apply to it.
QString classificacaoDeTitulosLongos() {
    const QString grande = u"Trabalhadores de manutenção, reparação e conservação de máquinas, "
                           u"equipamentos industriais, veículos automotores e instalações "
                           u"prediais urbanas"_s;
    const QString principal = u"Supervisores e técnicos de manutenção de sistemas "
                              u"eletromecânicos, hidráulicos e pneumáticos de plantas industriais "
                              u"de processamento contínuo"_s;
    const QString subgrupo = u"Mecânicos de manutenção de máquinas pesadas de terraplenagem, "
                             u"pavimentação, mineração a céu aberto e movimentação de cargas em "
                             u"terminais"_s;
    const QString familia = u"Técnicos em manutenção preditiva e preventiva de equipamentos "
                            u"rotativos, compressores, turbinas e bombas centrífugas de grande "
                            u"porte"_s;
    const QString afim = u"Mecânicos de manutenção de máquinas e equipamentos industriais, "
                         u"agrícolas e de construção civil, exceto veículos automotores e "
                         u"aeronaves"_s;
    const QString ocupacao = u"Mecânico de manutenção preditiva de compressores alternativos, "
                             u"turbinas a vapor e bombas centrífugas multiestágio de alta pressão "
                             u"industrial"_s;
    const QString base = u"Outros mecânicos de manutenção de máquinas e equipamentos "
                         u"industriais de processamento contínuo não classificados anteriormente "
                         u"em outra parte"_s;
    const QString anterior = u"Supervisor de manutenção de equipamentos de elevação, transporte "
                             u"vertical e movimentação de cargas em plataformas marítimas e portos "
                             u"fluviais"_s;
    fixtures::Classificacao c(u"basica"_s);
    c.linha(u"TGrande_Grupo"_s, {u"4"_s, grande})
        .linha(u"TSubgrupo_Principal"_s, {u"41"_s, principal, u"4"_s})
        .linha(u"TSubgrupo"_s, {u"411"_s, subgrupo, u"41"_s})
        .linha(u"TFamilia"_s, {u"4110"_s, familia, u"Fazem a manutenção de máquinas."_s, u"411"_s})
        .linha(u"TFamilia"_s, {u"4111"_s, afim, u"Consertam máquinas."_s, u"411"_s})
        .linha(u"TAfinidade"_s, {u"4110"_s, u"4111"_s})
        .linha(u"TGrupo_Base_CIUO88"_s, {u"7233"_s, base})
        .linha(u"TOcupacao"_s, {u"901"_s, u"4110"_s, u"05"_s, ocupacao, u"7233"_s})
        .linha(u"TOcupacao"_s, {u"902"_s, u"4111"_s, u"05"_s, afim.left(60), u"7233"_s})
        .linha(u"TSinonimo"_s, {u"901"_s, u"Técnico(a)"_s + ocupacao.mid(8), u"1"_s})
        .linha(u"TSinonimo"_s, {u"901"_s, u"Mecânica"_s + ocupacao.mid(8), u"2"_s})
        .linha(u"TOcupacao94"_s, {u"41910"_s, anterior, u"AT"_s})
        .linha(u"TOcupacao94"_s, {u"41990"_s, base, u"EX"_s})
        .linha(u"TOcup_2000_94"_s, {u"901"_s, u"41910"_s})
        .linha(u"TOcup_2000_94"_s, {u"901"_s, u"41990"_s});
    return c.criar();
}
#endif

void TesteLeiaute::initTestCase() {
#ifdef TITULOS_LONGOS
    programa::instalar(classificacaoDeTitulosLongos());
#else
    programa::instalar(QStringLiteral(ZEL_DIR_DADOS));
#endif
    programa::iniciar();
    for (const cenas::Cena &cena : cenas::todas())
#ifdef TITULOS_LONGOS
        if (cena.nome.startsWith(u"longos_"_s))
#endif
            m_cenas << cena;
}

void TesteLeiaute::cleanup() {
    programa::encerrarTeste();
}

void TesteLeiaute::cena_data() {
    QTest::addColumn<int>("indice");
    for (int i = 0; i < m_cenas.size(); ++i)
        QTest::newRow(qPrintable(m_cenas[i].nome)) << i;
}

// The scenes run in order: some go on from the state the one before left.
void TesteLeiaute::cena() {
    QFETCH(int, indice);
    QWidget *janela = m_cenas[indice].preparar();
    janela->show();
    QVERIFY(QTest::qWaitForWindowExposed(janela));
    programa::avisos();
    programa::erros();
    const QStringList falhas = verificar(janela);
    QVERIFY2(falhas.isEmpty(), qPrintable(falhas.join(u'\n')));
}

QTEST_MAIN(TesteLeiaute)
#include "tst_leiaute.moc"
