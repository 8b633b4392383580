// capturar-telas OUT_DIR: renders every screen, the dialogs and the About
// screen to PNG files without a display, each in a representative state.

#include "aplicacao.h"
#include "cenas.h"
#include "fronteira.h"
#include "unit_FormMODALAviso.h"

#include <QApplication>
#include <QDir>
#include <QPainter>
#include <QTextStream>
#include <QWidget>

namespace {

// The window, with an open drop-down list drawn where it lies over it.
QPixmap retrato(QWidget *janela) {
    QPixmap imagem = janela->grab();
    QPainter pintor(&imagem);
    for (QWidget *outra : QApplication::topLevelWidgets())
        if (outra->isVisible() && outra->windowType() == Qt::Popup)
            pintor.drawPixmap(outra->pos() - janela->pos(), outra->grab());
    return imagem;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    fronteira::Aplicacao app(argc, argv);
    QTextStream erros(stderr);
    // An option such as --help is not taken for a directory to create.
    if (argc != 2 || argv[1][0] == '-') {
        erros << "uso: capturar-telas OUT_DIR\n";
        return 1;
    }
    const QString saida = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(saida);
    QStringList avisos; // notices are recorded, never waited for
    aviso::gravarAvisos(&avisos);
    aplicacao::configurar(app);
    aplicacao::iniciar();

    for (const cenas::Cena &cena : cenas::todas()) {
        QWidget *janela = cena.preparar();
        janela->show();
        QApplication::processEvents();
        const QString arquivo = QDir(saida).filePath(cena.nome + QStringLiteral(".png"));
        if (!retrato(janela).save(arquivo)) {
            erros << "não foi possível gravar " << arquivo << "\n";
            return 1;
        }
    }
    return 0;
}
