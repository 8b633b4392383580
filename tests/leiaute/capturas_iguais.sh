# capturas_iguais A B MOTIVO: ends the test with a failure unless directory B
# holds every capture of directory A, byte for byte, and no other; MOTIVO
# says what made the captures of B ("com o tema da área de trabalho").
capturas_iguais() {
    local a="$1" b="$2" motivo="$3" arquivo nome total
    local diferentes=()
    for arquivo in "$a"/*.png; do
        nome=$(basename "$arquivo")
        cmp -s "$arquivo" "$b/$nome" || diferentes+=("$nome")
    done
    total=$(ls "$a" | wc -l)
    [ "$total" -gt 0 ] || { echo "nenhuma captura" >&2; exit 1; }
    [ "$(ls "$b" | wc -l)" -eq "$total" ] || { echo "o número de capturas mudou" >&2; exit 1; }
    if [ ${#diferentes[@]} -gt 0 ]; then
        echo "mudam $motivo: ${diferentes[*]}" >&2
        exit 1
    fi
    echo "ok: $total capturas iguais"
}
