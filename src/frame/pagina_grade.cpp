#include "pagina_grade.h"

#include "consulta.h"
#include "grade.h"
#include "paginador.h"

int PaginaGrade::preencher(Consulta &consulta) const {
    const int primeiraLinha = grade.temCabecalho() ? 1 : 0;
    grade.definirTotalLinhas(primeiraLinha + 1);
    grade.limpar();
    const int total = consulta.totalLinhas();
    if (primeiraLinha > 0 && cabecalho) {
        const QStringList textos = cabecalho(total);
        for (int coluna = 0; coluna < textos.size(); ++coluna)
            grade.definirCelula(coluna, 0, textos[coluna]);
    }
    consulta.primeiro();
    consulta.moverPor(paginador.dispor(total));
    const EstadoPaginacao &estado = paginador.estado();
    grade.definirTotalLinhas(primeiraLinha + estado.linhasNaGrade(total));
    const int registros = estado.registrosNaPagina(total);
    for (int r = 0; r < registros && !consulta.fimDados(); ++r, consulta.proximo())
        grade.acrescentarNaLinha(primeiraLinha + r, celulas(consulta));
    consulta.primeiro();
    return total;
}
