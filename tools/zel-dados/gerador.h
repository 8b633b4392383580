#pragma once

#include <QString>

namespace gerador {

// Writes the sample classification as one UTF-8 CSV file per table into `diretorio`
// (created if missing): TGrande_Grupo.csv, TSubgrupo_Principal.csv, TSubgrupo.csv, TFamilia.csv,
// TOcupacao.csv, TSinonimo.csv, TTemplate.csv, TAfinidade.csv, TOcupacao94.csv, TOcup_2000_94.csv,
// TGrupo_Base_CIUO88.csv. Header row = the column names of src/data/esquema.cpp, RFC 4180 quoting
// (quote fields containing comma, quote, CR or LF; double inner quotes), LF line ends.
// Deterministic: the same escala always writes the same bytes. Returns false and fills `erro` on
// failure.
bool gerarAmostra(const QString &diretorio, int escala, QString *erro);

} // namespace gerador
