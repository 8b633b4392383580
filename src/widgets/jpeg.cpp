#include "jpeg.h"

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace jpeg {
namespace {

// libjpeg reports errors through this manager; instead of ending the process
// it jumps back to the point saved in `retorno`.
struct GerenteErro {
    jpeg_error_mgr padrao;
    std::jmp_buf retorno;
};

[[noreturn]] void abandonar(j_common_ptr info) {
    std::longjmp(reinterpret_cast<GerenteErro *>(info->err)->retorno, 1);
}

// Level -1 is a warning about corrupt data (truncated stream, bad Huffman
// code...): libjpeg would go on and fill the rest with grey, which is refused
// like an error. Trace messages (level >= 0) are ignored.
void avisar(j_common_ptr info, int nivel) {
    if (nivel < 0)
        abandonar(info);
}

void calar(j_common_ptr) {}

// The libjpeg steps proper. Only trivially destructible objects live in this
// frame after setjmp, so the jump back skips no destructor. Returns false when
// libjpeg gave up or the picture could not be allocated.
bool descomprimir(jpeg_decompress_struct &info, GerenteErro &erro, const QByteArray &dados,
                  QImage &imagem) {
    if (setjmp(erro.retorno))
        return false;
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(dados.constData()),
                 static_cast<unsigned long>(dados.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    imagem = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
    if (imagem.isNull())
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW linha = imagem.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &linha, 1);
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage decodificar(const QByteArray &dados) {
    jpeg_decompress_struct info{};
    GerenteErro erro{};
    info.err = jpeg_std_error(&erro.padrao);
    erro.padrao.error_exit = abandonar;
    erro.padrao.emit_message = avisar;
    erro.padrao.output_message = calar;
    jpeg_create_decompress(&info);
    QImage imagem;
    const bool decodificou = descomprimir(info, erro, dados, imagem);
    jpeg_destroy_decompress(&info);
    return decodificou ? imagem : QImage();
}

} // namespace jpeg
