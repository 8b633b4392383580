// Runs a fuzz target over every file of the directories given: the inputs
// that once made a target fail are kept as regression tests.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *dados, size_t tamanho);

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    int entradas = 0;
    for (const QString &diretorio : app.arguments().mid(1)) {
        for (const QFileInfo &arquivo : QDir(diretorio).entryInfoList(QDir::Files)) {
            QFile entrada(arquivo.filePath());
            if (!entrada.open(QIODevice::ReadOnly))
                return 1;
            const QByteArray dados = entrada.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(dados.constData()),
                                   size_t(dados.size()));
            ++entradas;
        }
    }
    std::printf("%d entradas sem falha\n", entradas);
    return 0;
}
