#include "paginador.h"

#include "botao_figura.h"
#include "fontes.h"
#include "fronteira.h"
#include "grade.h"
#include "rotulo_link.h"

#include <QLabel>
#include <algorithm>
#include <iterator>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The gap on each side of a separator placed at run time.
constexpr int afastamento = 5;
constexpr int maximoRotulos = 10;
constexpr QSize tamanhoSeta(11, 10);

// Page label k: its member, its object's name and its click handler.
struct RotuloNomeado {
    RotuloLink *Paginador::*membro;
    QStringView nome;
    void (Paginador::*clique)();
};

const RotuloNomeado rotulosNomeados[maximoRotulos] = {
    {&Paginador::obj_Bt_Pagina_Primeiro, u"obj_Bt_Pagina_Primeiro",
     &Paginador::prcMudaPagina_Primeira},
    {&Paginador::obj_Bt_Pagina_Segundo, u"obj_Bt_Pagina_Segundo",
     &Paginador::prcMudaPagina_Segundo},
    {&Paginador::obj_Bt_Pagina_Terceiro, u"obj_Bt_Pagina_Terceiro",
     &Paginador::prcMudaPagina_Terceira},
    {&Paginador::obj_Bt_Pagina_Quarto, u"obj_Bt_Pagina_Quarto", &Paginador::prcMudaPagina_Quarto},
    {&Paginador::obj_Bt_Pagina_Quinto, u"obj_Bt_Pagina_Quinto", &Paginador::prcMudaPagina_Quinto},
    {&Paginador::obj_Bt_Pagina_Sexto, u"obj_Bt_Pagina_Sexto", &Paginador::prcMudaPagina_Sexto},
    {&Paginador::obj_Bt_Pagina_Setimo, u"obj_Bt_Pagina_Setimo", &Paginador::prcMudaPagina_Setimo},
    {&Paginador::obj_Bt_Pagina_Oitavo, u"obj_Bt_Pagina_Oitavo", &Paginador::prcMudaPagina_Oitavo},
    {&Paginador::obj_Bt_Pagina_Nono, u"obj_Bt_Pagina_Nono", &Paginador::prcMudaPagina_Nono},
    {&Paginador::obj_Bt_Pagina_Decimo, u"obj_Bt_Pagina_Decimo", &Paginador::prcMudaPagina_Decimo},
};

// Separator k stands between page labels k and k + 1.
QLabel *Paginador::*const separadores[maximoRotulos - 1] = {
    &Paginador::obj_Bt_Pagina_Separador1, &Paginador::obj_Bt_Pagina_Separador2,
    &Paginador::obj_Bt_Pagina_Separador3, &Paginador::obj_Bt_Pagina_Separador4,
    &Paginador::obj_Bt_Pagina_Separador5, &Paginador::obj_Bt_Pagina_Separador6,
    &Paginador::obj_Bt_Pagina_Separador7, &Paginador::obj_Bt_Pagina_Separador8,
    &Paginador::obj_Bt_Pagina_Separador9,
};

int direita(const QWidget *controle) {
    return controle->x() + controle->width();
}

void colocarApos(QWidget *controle, const QWidget *anterior) {
    controle->move(direita(anterior) + afastamento, controle->y());
}

// The design places leave room for two digits. A control stays at its
// place unless the control shown before it has grown so wide (a page number
// of three digits or more) that they would come closer than this; it then
// moves right just enough.
constexpr int afastamentoMinimo = 3;

void colocarNoLugar(QWidget *controle, int lugar, const QWidget *anterior) {
    controle->move(std::max(lugar, direita(anterior) + afastamentoMinimo), controle->y());
}

// What a fill leaves of a control that the focus can rest on: "-", a page
// label or "+".
struct Situacao {
    RotuloLink *controle;
    bool visivel;
    bool habilitado;
};

Qt::CursorShape formaSeta(bool leva) {
    return leva ? Qt::PointingHandCursor : Qt::ForbiddenCursor;
}

QString nomePagina(int numero) {
    return u"Página "_s + QString::number(numero);
}

void aplicar(const Situacao &situacao) {
    situacao.controle->setEnabled(situacao.habilitado);
    situacao.controle->setVisible(situacao.visivel);
}

bool levaFoco(const Situacao &situacao) {
    return situacao.visivel && situacao.habilitado;
}

// Hiding or disabling the control that holds the focus makes Qt pass the
// focus to the next control of the tab chain that takes it: with the page
// labels that a fill hides or disables one after another, the focus would run
// through each of them, every step announced to a screen reader, and come to
// rest past the page labels. So every other control gets its state first;
// then the focus goes, in one step, to the nearest control after the focused
// one that still takes it (the next page's label, or "+" after the last label
// of the block), else to the nearest one before it; only then does the
// focused control change.
void aplicarSemPerderOFoco(const std::vector<Situacao> &situacoes) {
    const auto focada = std::find_if(situacoes.begin(), situacoes.end(), [](const Situacao &s) {
        return s.controle->window()->focusWidget() == s.controle;
    });
    for (auto s = situacoes.begin(); s != situacoes.end(); ++s)
        if (s != focada)
            aplicar(*s);
    if (focada == situacoes.end())
        return;
    if (!levaFoco(*focada)) {
        const auto seguinte = std::find_if(std::next(focada), situacoes.end(), levaFoco);
        const auto anterior =
            std::find_if(std::make_reverse_iterator(focada), situacoes.rend(), levaFoco);
        if (seguinte != situacoes.end())
            seguinte->controle->setFocus(Qt::OtherFocusReason);
        else if (anterior != situacoes.rend())
            anterior->controle->setFocus(Qt::OtherFocusReason);
    }
    aplicar(*focada);
}

} // namespace

Paginador::Paginador(QWidget *pai, const ConfiguracaoPaginador &configuracao, Acao alimentar,
                     Acao larguras)
    : QObject(pai), m_configuracao(configuracao),
      m_estado(configuracao.linhasPorPagina, configuracao.paginasPorBloco),
      m_alimentar(std::move(alimentar)), m_larguras(std::move(larguras)) {
    Q_ASSERT(m_estado.intPaginasPorBloco <= maximoRotulos);
    criarControles(pai);
    conectar();
}

int Paginador::quantidadeRotulos() const {
    return m_estado.reduzido() ? 2 : m_estado.intPaginasPorBloco;
}

RotuloLink *Paginador::rotulo(int k) const {
    return this->*rotulosNomeados[k - 1].membro;
}
QLabel *Paginador::separador(int k) const {
    return this->*separadores[k - 1];
}

void Paginador::criarControles(QWidget *pai) {
    const QFont fonte = fontes::verdana(11);
    const int topo = m_configuracao.topo;
    const auto &fixos = m_configuracao.lugaresFixos;
    // Without fixed places, the other page labels, the separators and "+"
    // stand where the first label does until a fill places them.
    const int semLugar = m_configuracao.esquerdaPrimeiro;
    const auto link = [&](QStringView nome, const QString &texto, QPoint posicao) {
        auto *controle = new RotuloLink(pai, texto, posicao, fonte, RotuloLink::Destaque::Cor);
        controle->setObjectName(nome.toString());
        controle->hide();
        return controle;
    };

    obj_Lb_Paginas = new QLabel(u"Páginas:"_s, pai);
    obj_Lb_Paginas->setObjectName(u"obj_Lb_Paginas"_s);
    obj_Lb_Paginas->setFont(fonte);
    obj_Lb_Paginas->move(m_configuracao.paginas);
    obj_Lb_Paginas->adjustSize();

    for (int k = 1; k <= quantidadeRotulos(); ++k) {
        const int esquerda = fixos && k >= 2 ? fixos->rotulos.at(k - 2) : semLugar;
        RotuloLink *rotulo =
            link(rotulosNomeados[k - 1].nome, QString::number(k), QPoint(esquerda, topo));
        rotulo->marcarComoPagina();
        rotulo->setAccessibleName(nomePagina(k));
        this->*rotulosNomeados[k - 1].membro = rotulo;
        if (k == 1)
            continue;
        auto *barra = new QLabel(u"|"_s, pai);
        barra->setObjectName(u"obj_Bt_Pagina_Separador"_s + QString::number(k - 1));
        barra->setFont(fonte);
        barra->move(fixos ? fixos->separadores.at(k - 2) : semLugar, topo);
        barra->adjustSize();
        barra->hide();
        this->*separadores[k - 2] = barra;
    }
    if (!m_estado.reduzido()) {
        obj_Bt_Pagina_Menos =
            link(u"obj_Bt_Pagina_Menos", u"-"_s, QPoint(m_configuracao.esquerdaMenos, topo));
        obj_Bt_Pagina_Menos->setAccessibleName(u"Páginas anteriores"_s);
        obj_Bt_Pagina_Mais =
            link(u"obj_Bt_Pagina_Mais", u"+"_s, QPoint(fixos ? fixos->mais : semLugar, topo));
        obj_Bt_Pagina_Mais->setAccessibleName(u"Páginas seguintes"_s);
    }

    obj_Bt_RespostaBusca_Menos =
        new BotaoFigura(pai, u"seta_anterior"_s, QRect(m_configuracao.setaAnterior, tamanhoSeta));
    obj_Bt_RespostaBusca_Menos->setObjectName(u"obj_Bt_RespostaBusca_Menos"_s);
    obj_Bt_RespostaBusca_Menos->setAccessibleName(u"Página anterior"_s);
    obj_Bt_RespostaBusca_Mais =
        new BotaoFigura(pai, u"seta_proxima"_s, QRect(m_configuracao.setaProxima, tamanhoSeta));
    obj_Bt_RespostaBusca_Mais->setObjectName(u"obj_Bt_RespostaBusca_Mais"_s);
    obj_Bt_RespostaBusca_Mais->setAccessibleName(u"Página seguinte"_s);
}

void Paginador::conectar() {
    for (int k = 1; k <= quantidadeRotulos(); ++k)
        fronteira::conectar(rotulo(k), &RotuloLink::clicado, this,
                            [this, clique = rotulosNomeados[k - 1].clique] { (this->*clique)(); });
    if (!m_estado.reduzido()) {
        fronteira::conectar(obj_Bt_Pagina_Menos, &RotuloLink::clicado, this,
                            [this] { prcMudaPagina_Menos(); });
        fronteira::conectar(obj_Bt_Pagina_Mais, &RotuloLink::clicado, this,
                            [this] { prcMudaPagina_Mais(); });
    }
    fronteira::conectar(obj_Bt_RespostaBusca_Menos, &BotaoFigura::clicado, this,
                        [this] { prcMoverPaginaAnterior(); });
    fronteira::conectar(obj_Bt_RespostaBusca_Mais, &BotaoFigura::clicado, this,
                        [this] { prcMoverProximaPagina(); });
    fronteira::conectar(obj_Bt_RespostaBusca_Menos, &Figura::movida, this,
                        [this](QPoint) { prcCursorPaginaAnterior(); });
    fronteira::conectar(obj_Bt_RespostaBusca_Mais, &Figura::movida, this,
                        [this](QPoint) { prcCursorProximaPagina(); });
}

int Paginador::dispor(int total) {
    const Disposicao disposicao = m_estado.dispor(total);
    const int mostrados = int(disposicao.rotulos.size());
    const auto &fixos = m_configuracao.lugaresFixos;
    std::vector<Situacao> situacoes;
    if (obj_Bt_Pagina_Menos)
        situacoes.push_back({obj_Bt_Pagina_Menos, disposicao.menos, true});
    RotuloLink *ultimo = nullptr;
    for (int k = 1; k <= quantidadeRotulos(); ++k) {
        RotuloLink *atual = rotulo(k);
        QLabel *barra = k >= 2 ? separador(k - 1) : nullptr;
        if (k > mostrados) {
            situacoes.push_back({atual, false, atual->isEnabled()});
            if (barra)
                barra->hide();
            continue;
        }
        const RotuloPagina &pagina = disposicao.rotulos[k - 1];
        atual->setText(QString::number(pagina.numero));
        atual->setAccessibleName(nomePagina(pagina.numero));
        atual->adjustSize();
        if (barra) {
            if (fixos) {
                colocarNoLugar(barra, fixos->separadores.at(k - 2), ultimo);
                colocarNoLugar(atual, fixos->rotulos.at(k - 2),
                               disposicao.separadores ? barra : ultimo);
            } else {
                colocarApos(barra, ultimo);
                colocarApos(atual, barra);
            }
            barra->setVisible(disposicao.separadores);
        }
        situacoes.push_back({atual, true, pagina.habilitado});
        ultimo = atual;
    }
    if (obj_Bt_Pagina_Mais) {
        if (ultimo && fixos)
            colocarNoLugar(obj_Bt_Pagina_Mais, fixos->mais, ultimo);
        else if (ultimo)
            colocarApos(obj_Bt_Pagina_Mais, ultimo);
        situacoes.push_back({obj_Bt_Pagina_Mais, disposicao.mais, true});
    }
    aplicarSemPerderOFoco(situacoes);
    return disposicao.linhasAPular;
}

void Paginador::ligarGrade(Grade *grade) {
    grade->definirPaginacao([this](int sentido) {
        if (sentido > 0 ? !m_estado.haProximaPagina() : !m_estado.haPaginaAnterior())
            return false;
        if (sentido > 0)
            prcMoverProximaPagina();
        else
            prcMoverPaginaAnterior();
        return true;
    });
}

// Without blocks the two labels keep the captions "1" and "2": they lead to
// those pages.
void Paginador::mudarParaRotulo(int k) {
    m_estado.irParaPagina(rotulo(k)->text().toInt());
    m_alimentar();
}

void Paginador::prcMudaPagina_Primeira() {
    mudarParaRotulo(1);
}
void Paginador::prcMudaPagina_Segundo() {
    mudarParaRotulo(2);
}
void Paginador::prcMudaPagina_Terceira() {
    mudarParaRotulo(3);
}
void Paginador::prcMudaPagina_Quarto() {
    mudarParaRotulo(4);
}
void Paginador::prcMudaPagina_Quinto() {
    mudarParaRotulo(5);
}
void Paginador::prcMudaPagina_Sexto() {
    mudarParaRotulo(6);
}
void Paginador::prcMudaPagina_Setimo() {
    mudarParaRotulo(7);
}
void Paginador::prcMudaPagina_Oitavo() {
    mudarParaRotulo(8);
}
void Paginador::prcMudaPagina_Nono() {
    mudarParaRotulo(9);
}
void Paginador::prcMudaPagina_Decimo() {
    mudarParaRotulo(10);
}

void Paginador::alimentarSe(bool mudou) {
    if (mudou)
        m_alimentar();
}

// An arrow that moved the page also sets the screen's column widths again.
void Paginador::alimentarComLargurasSe(bool mudou) {
    if (!mudou)
        return;
    m_alimentar();
    if (m_larguras)
        m_larguras();
}

void Paginador::prcMudaPagina_Menos() {
    alimentarSe(m_estado.blocoAnterior());
}
void Paginador::prcMudaPagina_Mais() {
    alimentarSe(m_estado.proximoBloco());
}
void Paginador::prcMoverProximaPagina() {
    alimentarComLargurasSe(m_estado.proximaPagina());
}
void Paginador::prcMoverPaginaAnterior() {
    alimentarComLargurasSe(m_estado.paginaAnterior());
}

void Paginador::prcCursorProximaPagina() {
    obj_Bt_RespostaBusca_Mais->setCursor(formaSeta(m_estado.haProximaPagina()));
}

void Paginador::prcCursorPaginaAnterior() {
    obj_Bt_RespostaBusca_Menos->setCursor(formaSeta(m_estado.haPaginaAnterior()));
}
