#!/usr/bin/env python3
"""The table of the statements' benchmark at 1x, 10x and 100x, in Markdown,
from the JSON files that bench/rodar.sh writes (one per scale, in that
order): for each statement the rows it finds and the median CPU time, in
milliseconds, of the query object (from the title index where it answers),
of the query object reading every title, and of the statement as written
stepped directly on SQLite.
    bench/tabela_consultas.py consultas-x1.json consultas-x10.json consultas-x100.json
"""
import sys

import tabela_acoes
from antes_depois import numero

FORMAS = ("/consulta", "/consulta_varrendo", "/direto")


def main(arquivos):
    escalas = [[tabela_acoes.medianas(a, forma) for forma in FORMAS] for a in arquivos]
    cabecalho = ["Comando"]
    for e in (1, 10, 100)[:len(arquivos)]:
        cabecalho += [f"{e}x linhas", f"{e}x índice", f"{e}x lendo tudo", f"{e}x direto"]
    print("| " + " | ".join(cabecalho) + " |")
    print("|" + "---|" * len(cabecalho))
    for nome in escalas[0][0]:
        celulas = [nome]
        for formas in escalas:
            linhas = formas[0].get(nome, (None, None))[1]
            celulas.append("" if linhas is None else f"{linhas:,.0f}")
            celulas += [numero(forma.get(nome, (None, None))[0]) for forma in formas]
        print("| " + " | ".join(celulas) + " |")


if __name__ == "__main__":
    if not 1 <= len(sys.argv) - 1 <= 3:
        sys.exit(__doc__)
    main(sys.argv[1:])
