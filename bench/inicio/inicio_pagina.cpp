// A second baseline of the start-up figures: a bare Qt program that shows
// one window with the welcome page in a text browser, the one piece of text
// the home screen must lay out before it appears, then ends.

#include <QApplication>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

int main(int argc, char **argv) {
    QApplication app(argc, argv);
    QTextBrowser janela;
    janela.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    janela.setFixedSize(713, 460);
    janela.setSource(QUrl::fromLocalFile(QCoreApplication::applicationDirPath() +
                                         QStringLiteral("/html/inicial.htm")));
    janela.show();
    janela.repaint();
    QTimer::singleShot(0, &app, &QApplication::quit);
    return app.exec();
}
