#include "imagens.h"

#include "jpeg.h"

#include <QCoreApplication>
#include <QFile>
#include <QtDebug>
#include <map>

// The resource file is compiled into this static library; registering it from
// here, before the first picture is read, makes the linker keep it in every
// program that uses the pictures.
static void registrarArte() {
    Q_INIT_RESOURCE(arte);
}

using namespace Qt::StringLiterals;

namespace imagens {
namespace {

constexpr qreal escala = 2;
int contagem = 0;

// Decoded pictures by name. A std::map keeps the references handed out valid
// while it grows.
std::map<QString, QPixmap> &guardadas() {
    static std::map<QString, QPixmap> mapa;
    return mapa;
}

// Pixmaps must not outlive the application object: drop them when it goes.
void esquecerTodas() {
    guardadas().clear();
}

QPixmap carregar(const QString &nome) {
    QFile arquivo(u":/arte/"_s + nome + u".jpg"_s);
    if (!arquivo.open(QIODevice::ReadOnly)) {
        qWarning("imagens: não há a figura \"%s\"", qUtf8Printable(nome));
        return {};
    }
    const QImage imagem = jpeg::decodificar(arquivo.readAll());
    ++contagem;
    if (imagem.isNull()) {
        qWarning("imagens: a figura \"%s\" não pôde ser decodificada", qUtf8Printable(nome));
        return {};
    }
    QPixmap figura = QPixmap::fromImage(imagem);
    figura.setDevicePixelRatio(escala);
    return figura;
}

} // namespace

const QPixmap &pixmap(const QString &nome) {
    std::map<QString, QPixmap> &mapa = guardadas();
    if (const auto achada = mapa.find(nome); achada != mapa.end())
        return achada->second;
    if (mapa.empty()) {
        registrarArte();
        qAddPostRoutine(esquecerTodas);
    }
    return mapa.emplace(nome, carregar(nome)).first->second;
}

int decodificadas() {
    return contagem;
}

} // namespace imagens
