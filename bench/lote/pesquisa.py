#!/usr/bin/env python3
"""Writes a survey-sized CSV whose occupations are previous-edition (ZEL94)
codes, as a file to be re-coded would be: codes in force and excluded, codes
a spreadsheet shortened (leading zeros lost), blanks, invalid and unknown
codes, mixed in at fixed shares. The same arguments write the same bytes.

    pesquisa.py CSV_DIR LINHAS SAIDA
CSV_DIR holds the classification's tables (zel-dados gerar)."""
import csv
import random
import sys


def main():
    diretorio, linhas, saida = sys.argv[1], int(sys.argv[2]), sys.argv[3]
    with open(f"{diretorio}/TOcupacao94.csv", encoding="utf-8") as f:
        ocupacoes = list(csv.DictReader(f))
    with open(f"{diretorio}/TOcup_2000_94.csv", encoding="utf-8") as f:
        ligadas = {r["Cod_Ocup_Zel94"] for r in csv.DictReader(f)}
    em_vigor = [o["Cod_Ocup_Zel94"] for o in ocupacoes
                if o["Tp_Situacao"] == "AT" and o["Cod_Ocup_Zel94"] in ligadas]
    excluidas = [o["Cod_Ocup_Zel94"] for o in ocupacoes
                 if o["Tp_Situacao"] != "AT" and o["Cod_Ocup_Zel94"] in ligadas]
    com_zeros = [c for c in em_vigor if c.startswith("0")]
    existentes = {o["Cod_Ocup_Zel94"] for o in ocupacoes}
    invalidos = ["12a4", "1", "ABCDE", "0010-1", "1234567", "n/d", "?"]
    gerador = random.Random(2002)

    def codigo():
        sorte = gerador.random()
        if sorte < 0.80:
            return gerador.choice(em_vigor)
        if sorte < 0.84:
            return gerador.choice(excluidas)
        if sorte < 0.89:
            return gerador.choice(com_zeros).lstrip("0")
        if sorte < 0.93:
            return ""
        if sorte < 0.97:
            return gerador.choice(invalidos)
        while True:
            desconhecido = f"{gerador.randrange(100000):05d}"
            if desconhecido not in existentes:
                return desconhecido

    with open(saida, "w", encoding="utf-8", newline="") as f:
        escrita = csv.writer(f, lineterminator="\n")
        escrita.writerow(["id", "idade", "ocupacao94", "horas_semanais"])
        for i in range(1, linhas + 1):
            escrita.writerow([i, gerador.randrange(16, 80), codigo(),
                              gerador.randrange(4, 60)])


if __name__ == "__main__":
    main()
