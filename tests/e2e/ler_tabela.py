"""Reads, from the desktop's accessibility bus, the result grid that the
program with the given process id shows, as a screen reader would: prints
the table's name, then its column headers and its first row, tab-separated,
once the table holds rows. Exits with 1 when no such table shows within 20
seconds."""

import sys
import time

import pyatspi


def aplicacao(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def tabelas(raiz):
    pendentes = [raiz]
    while pendentes:
        atual = pendentes.pop()
        if atual is None:
            continue
        if atual.getRole() == pyatspi.ROLE_TABLE:
            yield atual
            continue
        pendentes.extend(atual[i] for i in range(atual.childCount))


def mostrada(tabela):
    estado = tabela.getState()
    return estado.contains(pyatspi.STATE_SHOWING) or estado.contains(pyatspi.STATE_VISIBLE)


def ler(pid):
    app = aplicacao(pid)
    if app is None:
        return None
    for tabela in tabelas(app):
        t = tabela.queryTable()
        if not mostrada(tabela) or t.nRows == 0:
            continue
        primeira = [t.getAccessibleAt(0, c).name for c in range(t.nColumns)]
        if not primeira[0]:
            continue
        cabecalho = [t.getColumnDescription(c) for c in range(t.nColumns)]
        return tabela.name, cabecalho, primeira
    return None


def main():
    pid = int(sys.argv[1])
    limite = time.monotonic() + 20
    while time.monotonic() < limite:
        try:
            lido = ler(pid)
        except Exception:  # the tree changes while it is read
            lido = None
        if lido:
            nome, cabecalho, primeira = lido
            print(nome)
            print("\t".join(cabecalho))
            print("\t".join(primeira))
            return 0
        time.sleep(0.2)
    return 1


sys.exit(main())
