// Qt's own texts that a user meets are in Portuguese, as the rest of the
// program, whatever the locale the program is started in: the context menus
// of the text boxes and of the pages.

#include "fixtures.h"
#include "programa.h"
#include "unit_FormBusca.h"
#include "unit_FormInicial.h"
#include "visualizador_html.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// An entry as read: without its shortcut mark and its keys.
QStringList entradas(QMenu *menu) {
    QStringList textos;
    for (QAction *acao : menu->actions())
        if (!acao->isSeparator())
            textos << acao->text().section(u'\t', 0, 0).remove(u'&');
    return textos;
}

} // namespace

class TesteTextosDoQt : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void menusDeContexto_data();
    void menusDeContexto();
};

void TesteTextosDoQt::initTestCase() {
    programa::instalar(fixtures::Classificacao(u"basica"_s).criar());
    programa::iniciar();
}

void TesteTextosDoQt::cleanup() {
    programa::encerrarTeste();
}

void TesteTextosDoQt::menusDeContexto_data() {
    QTest::addColumn<int>("qual");
    QTest::addColumn<QStringList>("esperadas");
    const QStringList caixa = {u"Desfazer"_s, u"Refazer"_s, u"Recortar"_s,       u"Copiar"_s,
                               u"Colar"_s,    u"Excluir"_s, u"Selecionar tudo"_s};
    QTest::newRow("caixa de título da tela inicial") << 0 << caixa;
    QTest::newRow("busca rápida") << 1 << caixa;
    QTest::newRow("página de boas-vindas")
        << 2 << QStringList{u"Copiar"_s, u"Copiar localização do link"_s, u"Selecionar tudo"_s};
}

void TesteTextosDoQt::menusDeContexto() {
    QFETCH(int, qual);
    QFETCH(QStringList, esperadas);
    std::unique_ptr<QMenu> menu;
    if (qual == 0)
        menu.reset(obj_Form_FormInicial->obj_Edit_BuscaTitulo->createStandardContextMenu());
    else if (qual == 1)
        menu.reset(obj_Form_FormBusca->obj_Edit_BuscaRapida->createStandardContextMenu());
    else
        menu.reset(obj_Form_FormInicial->obj_WebBrowser->createStandardContextMenu());
    QCOMPARE(entradas(menu.get()), esperadas);
}

QTEST_MAIN(TesteTextosDoQt)
#include "tst_textos_do_qt.moc"
