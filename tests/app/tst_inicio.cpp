// Start-up over a database that the structure browser cannot use: the
// screens are still all created, in order, the problem is reported, and the
// program goes on. Built once per situation (the screens exist once per
// process): CENARIO_SEM_GRUPOS or CENARIO_SEM_DADOS. And the end: the
// application object's destruction destroys the twenty screens first.

#include "fixtures.h"
#include "navegacao.h"
#include "programa.h"
#include "registro.h"
#include "unit_FormBuscaEstrutura.h"
#include "unit_FormInicial.h"
#include "unit_FormMODALAviso.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTest>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

class TesteInicio : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void telasCriadasEProblemaRelatado();
};

void TesteInicio::cleanup() {
    programa::encerrarTeste();
}

void TesteInicio::telasCriadasEProblemaRelatado() {
#ifdef CENARIO_SEM_GRUPOS
    fixtures::Classificacao vazia; // every table empty
    programa::instalar(vazia.criar());
#else
    const QString instalacao = programa::instalar(u"/nao/existe/dados"_s);
#endif
    programa::iniciar();
    QCOMPARE(registro::telas().size(), 20);
    QCOMPARE(registro::telas().at(12), static_cast<QWidget *>(obj_Form_Aviso_MODAL));
    QCOMPARE(navegacao::telaAtual(), obj_Form_FormInicial);
    QVERIFY(obj_Form_FormInicial->isVisible());
    QCOMPARE(obj_Form_FormBuscaEstrutura->obj_ComboBoxGrandeGrupo->count(), 0);
#ifdef CENARIO_SEM_GRUPOS
    QCOMPARE(programa::avisos(), QStringList{u"Nenhum Grande Grupo encontrado"_s});
    QVERIFY(programa::erros().isEmpty());
#else
    QCOMPARE(programa::erros(), QStringList{u"O diretório de dados não foi encontrado: "_s +
                                            instalacao + u"/dados"_s});
    QVERIFY(programa::avisos().isEmpty());
#endif
}

int main(int argc, char **argv) {
    QList<QPointer<QWidget>> telas;
    int resultado = 0;
    {
        QApplication app(argc, argv);
        TesteInicio teste;
        resultado = QTest::qExec(&teste, argc, argv);
        for (QWidget *tela : registro::telas())
            telas << tela;
    }
    const auto vivas = std::count_if(telas.begin(), telas.end(),
                                     [](const QPointer<QWidget> &tela) { return !tela.isNull(); });
    if (telas.size() != 20 || vivas > 0 || obj_Form_FormInicial || obj_Form_Aviso_MODAL ||
        !registro::telas().isEmpty()) {
        std::fprintf(stderr, "FAIL: %lld de %lld telas sobreviveram ao objeto da aplicação\n",
                     static_cast<long long>(vivas), static_cast<long long>(telas.size()));
        return 1;
    }
    return resultado;
}
#include "tst_inicio.moc"
