#include "imagens.h"
#include "jpeg.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QRegularExpression>
#include <QTest>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QByteArray lerRecurso(const QString &caminho) {
    QFile arquivo(caminho);
    if (!arquivo.open(QIODevice::ReadOnly))
        return {};
    return arquivo.readAll();
}

QByteArray codificarJpeg(const QImage &imagem) {
    QBuffer saida;
    saida.open(QIODevice::WriteOnly);
    QImageWriter escritor(&saida, "jpeg");
    escritor.setQuality(100);
    escritor.write(imagem);
    return saida.data();
}

bool parecida(QRgb a, QRgb b) {
    const int tolerancia = 40;
    return std::abs(qRed(a) - qRed(b)) <= tolerancia &&
           std::abs(qGreen(a) - qGreen(b)) <= tolerancia &&
           std::abs(qBlue(a) - qBlue(b)) <= tolerancia;
}

void linha(const QString &nome, int largura, int altura) {
    QTest::newRow(qPrintable(nome)) << nome << QSize(largura, altura);
}

} // namespace

class TstImagens : public QObject {
    Q_OBJECT

private slots:
    void nadaDecodificadoAntesDoPrimeiroPedido();
    void recursoLigadoAoPrograma();
    void tamanhoDeCadaFigura_data();
    void tamanhoDeCadaFigura();
    void figuraDecodificadaUmaSoVez();
    void decodificaCoresLinhaALinha();
    void dadosCorrompidosDaoImagemNula_data();
    void dadosCorrompidosDaoImagemNula();
    void nomeDesconhecidoDaPixmapNula();
};

void TstImagens::nadaDecodificadoAntesDoPrimeiroPedido() {
    QCOMPARE(imagens::decodificadas(), 0);
}

// A program that links only the widget library reads the artwork directly.
void TstImagens::recursoLigadoAoPrograma() {
    const QImage fundo = jpeg::decodificar(lerRecurso(u":/arte/fundo.jpg"_s));
    QCOMPARE(fundo.size(), QSize(1426, 920));
}

void TstImagens::tamanhoDeCadaFigura_data() {
    QTest::addColumn<QString>("nome");
    QTest::addColumn<QSize>("tamanho");
    linha(u"fundo"_s, 713, 460);
    linha(u"faixa_topo"_s, 711, 61);
    linha(u"faixa_base"_s, 709, 61);
    linha(u"bt_about"_s, 10, 10);
    linha(u"bt_minimizar"_s, 10, 10);
    linha(u"bt_fechar"_s, 10, 10);
    linha(u"bt_home"_s, 14, 14);
    linha(u"bt_busca"_s, 14, 14);
    linha(u"bt_info"_s, 14, 14);
    linha(u"bt_regula"_s, 14, 14);
    linha(u"bt_tabua"_s, 14, 14);
    linha(u"bt_ok"_s, 26, 17);
    linha(u"bt_procurar"_s, 61, 19);
    linha(u"bt_nova_busca"_s, 73, 17);
    linha(u"bt_voltar"_s, 36, 18);
    linha(u"seta_anterior"_s, 11, 10);
    linha(u"seta_proxima"_s, 11, 10);
    linha(u"capa"_s, 180, 210);
    linha(u"menu_familia"_s, 190, 147);
    linha(u"linha_menu"_s, 172, 2);
    linha(u"divisoria"_s, 685, 2);
    linha(u"fundo_tabela"_s, 644, 75);
    linha(u"fundo_conversao"_s, 481, 92);
    linha(u"faixa_titulos"_s, 643, 23);
    linha(u"bt_imprimir"_s, 11, 11);
    linha(u"aviso_fundo"_s, 212, 107);
    linha(u"bt_ok_dialogo"_s, 61, 19);
    linha(u"sair_fundo"_s, 212, 94);
    linha(u"bt_sim"_s, 61, 19);
    linha(u"bt_nao"_s, 61, 19);
    linha(u"about"_s, 483, 330);
    linha(u"leg_topo"_s, 711, 61);
    linha(u"leg_bt_about"_s, 15, 15);
    linha(u"leg_bt_minimizar"_s, 15, 15);
    linha(u"leg_bt_fechar"_s, 15, 15);
    linha(u"leg_logo"_s, 129, 40);
    linha(u"leg_barra"_s, 711, 23);
    linha(u"leg_home_off"_s, 16, 10);
    linha(u"leg_home_on"_s, 16, 10);
    linha(u"icone"_s, 128, 128);
}

void TstImagens::tamanhoDeCadaFigura() {
    QFETCH(QString, nome);
    QFETCH(QSize, tamanho);
    const QPixmap &figura = imagens::pixmap(nome);
    QVERIFY(!figura.isNull());
    QCOMPARE(figura.devicePixelRatio(), 2.0);
    QCOMPARE(figura.deviceIndependentSize(), QSizeF(tamanho));
    QCOMPARE(figura.size(), tamanho * 2);
}

// Each picture is decoded once; later calls give the very same pixmap, even
// after other pictures were added to the cache in between.
void TstImagens::figuraDecodificadaUmaSoVez() {
    const QStringList nomes{u"capa"_s, u"about"_s, u"bt_ok"_s, u"leg_topo"_s};
    std::vector<const QPixmap *> primeiras;
    std::vector<qint64> chaves;
    for (const QString &nome : nomes) {
        primeiras.push_back(&imagens::pixmap(nome));
        chaves.push_back(primeiras.back()->cacheKey());
    }
    const int decodificadas = imagens::decodificadas();
    for (qsizetype i = 0; i < nomes.size(); ++i) {
        const QPixmap &outraVez = imagens::pixmap(nomes[i]);
        QCOMPARE(&outraVez, primeiras[i]);
        QCOMPARE(outraVez.cacheKey(), chaves[i]);
    }
    QCOMPARE(imagens::decodificadas(), decodificadas);
}

// Halves of different colours, an odd width (rows are padded in memory) and a
// last row that must still hold the right colours.
void TstImagens::decodificaCoresLinhaALinha() {
    QImage original(13, 7, QImage::Format_RGB32);
    original.fill(Qt::blue);
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < 6; ++x)
            original.setPixel(x, y, qRgb(255, 0, 0));

    const QImage lida = jpeg::decodificar(codificarJpeg(original));
    QCOMPARE(lida.size(), original.size());
    for (int y : {0, 3, 6}) {
        QVERIFY2(parecida(lida.pixel(1, y), qRgb(255, 0, 0)), qPrintable(QString::number(y)));
        QVERIFY2(parecida(lida.pixel(11, y), qRgb(0, 0, 255)), qPrintable(QString::number(y)));
    }
}

void TstImagens::dadosCorrompidosDaoImagemNula_data() {
    QTest::addColumn<QByteArray>("dados");
    const QByteArray valida = lerRecurso(u":/arte/about.jpg"_s);
    QVERIFY(jpeg::decodificar(valida).width() > 0);
    QTest::newRow("vazio") << QByteArray();
    QTest::newRow("texto") << QByteArray("isto não é uma figura");
    QTest::newRow("só o cabeçalho") << valida.left(400);
    QTest::newRow("cortada ao meio") << valida.left(valida.size() / 2);
    QTest::newRow("início de JPEG e lixo") << QByteArray("\xFF\xD8\xFF\x01garbage", 12);
}

void TstImagens::dadosCorrompidosDaoImagemNula() {
    QFETCH(QByteArray, dados);
    QVERIFY(jpeg::decodificar(dados).isNull());
}

void TstImagens::nomeDesconhecidoDaPixmapNula() {
    const QString nome = u"nao_existe"_s;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"nao_existe"_s));
    QVERIFY(imagens::pixmap(nome).isNull());
    QTest::failOnWarning(QRegularExpression(u"nao_existe"_s));
    QVERIFY(imagens::pixmap(nome).isNull());
}

QTEST_MAIN(TstImagens)
#include "tst_imagens.moc"
