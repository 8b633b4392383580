#!/usr/bin/env python3
"""The table of the actions' benchmark at 1x, 10x and 100x, in Markdown, from
the JSON files that bench/rodar.sh writes (one per scale, in that order): the
median CPU time of the repetitions in milliseconds, its growth from 1x, the
rows of the outcome, and whether the action takes 16 ms or less at 1x.
    bench/tabela_acoes.py acoes-x1.json acoes-x10.json acoes-x100.json
"""
import json
import sys

ALVO_MS = 16.0


def medianas(arquivo, sufixo=""):
    """{benchmark: (CPU ms, rows)} of one scale, in the order of the run; with
    `sufixo`, only the benchmarks whose name ends with it, named without it."""
    with open(arquivo, encoding="utf-8") as f:
        dados = json.load(f)
    acoes = {}
    for b in dados["benchmarks"]:
        if b.get("aggregate_name") != "median" or b.get("error_occurred"):
            continue
        nome = b["run_name"].removesuffix("/process_time")
        if not nome.endswith(sufixo):
            continue
        fator = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
        acoes[nome.removesuffix(sufixo) if sufixo else nome] = (b["cpu_time"] * fator,
                                                                b.get("linhas"))
    return acoes


def numero(ms):
    return f"{ms:.2f}" if ms < 10 else f"{ms:.1f}" if ms < 100 else f"{ms:.0f}"


def linhas(n):
    return "" if n is None else f"{n:,.0f}"


def main(arquivos):
    escalas = [medianas(a) for a in arquivos]
    print("| Ação | 1x (ms) | linhas | 10x (ms) | ×10 | linhas | 100x (ms) | ×100 | linhas "
          "| ≤ 16 ms a 1x |")
    print("|---|---|---|---|---|---|---|---|---|---|")
    for acao, (base, n1) in escalas[0].items():
        celulas = [acao, numero(base), linhas(n1)]
        for escala in escalas[1:]:
            ms, n = escala.get(acao, (None, None))
            celulas += ["—", "—", ""] if ms is None else [numero(ms), f"{ms / base:.1f}",
                                                           linhas(n)]
        celulas.append("sim" if base <= ALVO_MS else "não")
        print("| " + " | ".join(celulas) + " |")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    main(sys.argv[1:])
