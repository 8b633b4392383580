#!/usr/bin/env python3
"""Prints the summary that `zel-dados converter --de ZEL94 --para ZEL2002
--completar-zeros` must write for a survey, counted apart from the program:
from the classification's CSV tables and the conversion rules alone, so that
the command's own summary can be checked against it.

    resumo.py CSV_DIR PESQUISA COLUNA

The rules: blanks around a code are ignored; a code of digits shorter than
every previous-edition code of some width gets zeros on its left up to the
narrowest such width; a code must then have 4 to 6 characters, each a digit,
X or x; its correspondences are the rows of TOcup_2000_94 with that very
code; an occupation the 2002 edition excluded is "excluída", more than one
2002 occupation "várias"."""
import csv
import sys

SITUACOES = ["convertido", "sem correspondência", "código inválido", "excluída", "várias"]


def ler(diretorio, tabela):
    with open(f"{diretorio}/{tabela}.csv", encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def main():
    diretorio, pesquisa, coluna = sys.argv[1], sys.argv[2], sys.argv[3]
    situacao94 = {o["Cod_Ocup_Zel94"]: o["Tp_Situacao"] for o in ler(diretorio, "TOcupacao94")}
    larguras = sorted({len(c) for c in situacao94})
    ocupacao = {o["cod_int_ocup"]: o["cod_familia"] + o["cod_ocup"]
                for o in ler(diretorio, "TOcupacao")}
    destinos = {}
    for ligacao in ler(diretorio, "TOcup_2000_94"):
        destinos.setdefault(ligacao["Cod_Ocup_Zel94"], set()).add(
            ocupacao[ligacao["cod_int_ocup"]])

    contagem = dict.fromkeys(SITUACOES, 0)
    completados = 0
    linhas = 0
    with open(pesquisa, encoding="utf-8-sig", newline="") as f:
        for registro in csv.DictReader(f):
            linhas += 1
            codigo = registro[coluna].strip()
            if codigo and all("0" <= c <= "9" for c in codigo):
                largura = next((l for l in larguras if l >= len(codigo)), len(codigo))
                if largura > len(codigo):
                    codigo = codigo.rjust(largura, "0")
                    completados += 1
            if not 4 <= len(codigo) <= 6 or any(c not in "0123456789Xx" for c in codigo):
                contagem["código inválido"] += 1
            elif codigo not in destinos:
                contagem["sem correspondência"] += 1
            elif situacao94[codigo] != "AT":
                contagem["excluída"] += 1
            elif len(destinos[codigo]) > 1:
                contagem["várias"] += 1
            else:
                contagem["convertido"] += 1

    print(f"linhas lidas: {linhas}")
    for situacao in SITUACOES:
        print(f"  {situacao}: {contagem[situacao]}")
    print(f"códigos completados com zeros: {completados}")


if __name__ == "__main__":
    main()
