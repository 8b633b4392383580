#!/usr/bin/env python3
"""Before and after a change, in Markdown: the benchmarks of two directories
that bench/rodar.sh filled (ZEL_BENCH_DADOS of the run before and of the run
after), one table for the statements and one for the screen actions, with the
median CPU time of the repetitions in milliseconds at 1x, 10x and 100x, the
factor after/before, and the rows found after.
    bench/antes_depois.py DIR_ANTES DIR_DEPOIS
Only the query object's runs of bench_consultas are compared (the direct ones
measure SQLite itself); a benchmark missing from one side shows "—".
"""
import os
import sys

import tabela_acoes

ESCALAS = (1, 10, 100)


def medianas(arquivo, sufixo):
    return tabela_acoes.medianas(arquivo, sufixo) if os.path.exists(arquivo) else {}


def numero(ms):
    if ms is None:
        return "—"
    return f"{ms:.3f}" if ms < 1 else f"{ms:.2f}" if ms < 10 else f"{ms:.1f}" if ms < 100 \
        else f"{ms:.0f}"


def tabela(antes, depois, tipo, sufixo):
    por_escala = [(medianas(os.path.join(antes, f"{tipo}-x{e}.json"), sufixo),
                   medianas(os.path.join(depois, f"{tipo}-x{e}.json"), sufixo)) for e in ESCALAS]
    nomes = list(dict.fromkeys(n for a, d in por_escala for n in list(d) + list(a)))
    cabecalho = ["Medida"]
    for e in ESCALAS:
        cabecalho += [f"{e}x antes", f"{e}x depois", "depois/antes", "linhas"]
    print("| " + " | ".join(cabecalho) + " |")
    print("|" + "---|" * len(cabecalho))
    for nome in nomes:
        celulas = [nome]
        for a, d in por_escala:
            ms_a = a.get(nome, (None, None))[0]
            ms_d, linhas = d.get(nome, (None, None))
            razao = f"{ms_d / ms_a:.3f}" if ms_a and ms_d is not None else "—"
            celulas += [numero(ms_a), numero(ms_d), razao,
                        "" if linhas is None else f"{linhas:,.0f}"]
        print("| " + " | ".join(celulas) + " |")


def main(antes, depois):
    print("Statements (query object, ms)\n")
    tabela(antes, depois, "consultas", "/consulta")
    print("\nScreen actions, event to painted window (ms)\n")
    tabela(antes, depois, "acoes", "")


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(*sys.argv[1:])
