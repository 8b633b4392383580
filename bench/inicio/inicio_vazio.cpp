// The baseline of the start-up figures: a bare Qt program that shows one
// empty window of the same size, painted, then ends.

#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QWidget janela(nullptr, Qt::Window | Qt::FramelessWindowHint);
    janela.setFixedSize(713, 460);
    janela.show();
    janela.repaint();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
