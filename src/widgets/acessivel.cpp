#include "acessivel.h"

#include "botao_figura.h"
#include "grade.h"
#include "grade_acessivel.h"
#include "rotulo_link.h"
#include "visualizador_html.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// A press from assistive technology runs once the bus's call has returned: a
// click may open a modal dialog, whose loop must not hold the caller.
void acionarDepois(QObject *alvo, std::function<void()> acao) {
    QMetaObject::invokeMethod(alvo, std::move(acao), Qt::QueuedConnection);
}

// A picture button: the name given to it, else its tooltip.
class BotaoAcessivel : public QAccessibleWidget {
public:
    explicit BotaoAcessivel(BotaoFigura *botao) : QAccessibleWidget(botao, QAccessible::Button) {}

    QString text(QAccessible::Text tipo) const override {
        if (tipo != QAccessible::Name)
            return QAccessibleWidget::text(tipo);
        const QString nome = acessivel::nomeDado(widget());
        return nome.isEmpty() ? widget()->toolTip() : nome;
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &acao) override {
        if (acao != pressAction()) {
            QAccessibleWidget::doAction(acao);
            return;
        }
        auto *botao = static_cast<BotaoFigura *>(widget());
        if (botao->isEnabled())
            acionarDepois(botao, [botao] { botao->acionar(); });
    }
    QStringList keyBindingsForAction(const QString &acao) const override {
        if (acao == pressAction())
            return {u"Return"_s, u"Space"_s};
        return QAccessibleWidget::keyBindingsForAction(acao);
    }
};

// A link label: a link; a pager's page label: a button, checked on the page
// on view; the family menu's label of the view on show: plain text.
class RotuloAcessivel : public QAccessibleWidget {
public:
    explicit RotuloAcessivel(RotuloLink *rotulo) : QAccessibleWidget(rotulo) {}

    RotuloLink *rotulo() const { return static_cast<RotuloLink *>(widget()); }

    QAccessible::Role role() const override {
        if (rotulo()->atual())
            return QAccessible::StaticText;
        return rotulo()->pagina() ? QAccessible::Button : QAccessible::Link;
    }
    // Named as given, else by its own text.
    QString text(QAccessible::Text tipo) const override {
        if (tipo == QAccessible::Name) {
            const QString nome = acessivel::nomeDado(widget());
            return nome.isEmpty() ? rotulo()->text() : nome;
        }
        const QString texto = QAccessibleWidget::text(tipo);
        if (tipo == QAccessible::Description && texto.isEmpty() && paginaAtual())
            return u"Página atual"_s;
        return texto;
    }
    QAccessible::State state() const override {
        QAccessible::State estado = QAccessibleWidget::state();
        estado.linked = role() == QAccessible::Link;
        estado.checkable = rotulo()->pagina();
        estado.checked = paginaAtual();
        return estado;
    }
    QStringList actionNames() const override {
        if (role() == QAccessible::StaticText)
            return QAccessibleWidget::actionNames();
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString &acao) override {
        if (acao != pressAction() || role() == QAccessible::StaticText) {
            QAccessibleWidget::doAction(acao);
            return;
        }
        RotuloLink *alvo = rotulo();
        if (alvo->isEnabled())
            acionarDepois(alvo, [alvo] { emit alvo->clicado(); });
    }
    QStringList keyBindingsForAction(const QString &acao) const override {
        if (acao == pressAction())
            return {u"Return"_s, u"Space"_s};
        return QAccessibleWidget::keyBindingsForAction(acao);
    }

private:
    bool paginaAtual() const { return rotulo()->pagina() && !rotulo()->isEnabled(); }
};

QAccessibleInterface *fabrica(const QString &classe, QObject *objeto) {
    if (!objeto || !objeto->isWidgetType())
        return nullptr;
    if (classe == u"BotaoFigura"_s)
        return new BotaoAcessivel(static_cast<BotaoFigura *>(objeto));
    if (classe == u"RotuloLink"_s)
        return new RotuloAcessivel(static_cast<RotuloLink *>(objeto));
    if (classe == u"Grade"_s)
        return new TabelaAcessivel(static_cast<Grade *>(objeto));
    if (classe == u"VisualizadorHtml"_s)
        return paginaAcessivel(static_cast<VisualizadorHtml *>(objeto));
    return nullptr;
}

} // namespace

namespace acessivel {

void instalar() {
    static const bool instalada = [] {
        QAccessible::installFactory(fabrica);
        return true;
    }();
    Q_UNUSED(instalada);
}

namespace {
std::function<void(QAccessibleEvent &)> &observador() {
    static std::function<void(QAccessibleEvent &)> funcao;
    return funcao;
}
} // namespace

void anunciar(QAccessibleEvent &evento) {
    if (observador())
        observador()(evento);
    QAccessible::updateAccessibility(&evento);
}

void observar(std::function<void(QAccessibleEvent &)> funcao) {
    observador() = std::move(funcao);
}

bool teclaDeClique(const QKeyEvent &evento) {
    const Qt::KeyboardModifiers outras =
        evento.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const int tecla = evento.key();
    return outras == Qt::NoModifier &&
           (tecla == Qt::Key_Return || tecla == Qt::Key_Enter || tecla == Qt::Key_Space);
}

namespace {
// "Código:" names a control "Código".
QString semDoisPontos(const QString &rotulo) {
    QString texto = rotulo.trimmed();
    while (texto.endsWith(u':'))
        texto.chop(1);
    return texto;
}
} // namespace

void nomearPeloRotulo(QLabel *rotulo, QWidget *controle) {
    // A label still empty names nothing here: the buddy relation carries its
    // text as it changes.
    const QString texto = semDoisPontos(rotulo->text());
    if (!texto.isEmpty())
        controle->setAccessibleName(texto);
    if (rotulo->parentWidget() == controle->parentWidget())
        rotulo->setBuddy(controle);
}

QString nomeDado(const QWidget *controle) {
    if (!controle->accessibleName().isEmpty())
        return controle->accessibleName();
    if (const QWidget *pai = controle->parentWidget())
        for (const QLabel *rotulo : pai->findChildren<QLabel *>(Qt::FindDirectChildrenOnly))
            if (rotulo->buddy() == controle)
                return semDoisPontos(rotulo->text());
    return QString();
}

} // namespace acessivel
