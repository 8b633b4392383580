#pragma once

#include "consulta.h"

#include <QString>

// A search whose rows the search results screen lists: the title searches of
// the home and title search screens, and the quick search of every main
// screen. The screen that searched hands its origin to the results screen,
// which reads the origin's open query and records its tag.
class OrigemBusca {
public:
    virtual Consulta &resultadoBusca() = 0;
    virtual QString tagBusca() const = 0;

protected:
    ~OrigemBusca() = default;
};

// The quick search of one main screen, as an origin: a query of its own and
// the screen's quick search tag.
class BuscaRapida final : public OrigemBusca {
public:
    explicit BuscaRapida(QString tag) : m_tag(std::move(tag)) {}

    // Looks for the titles holding `palavra` on a query of its own. When it
    // finds rows they become this search's query and true is returned; when
    // it finds none the notice "Não foi encontrado\rnenhum registro para
    // busca" is shown and the query is kept: the search results screen may be
    // listing its rows right now.
    bool buscar(const QString &palavra);

    Consulta &resultadoBusca() override { return obj_DB_QUERY_BuscaRapida; }
    QString tagBusca() const override { return m_tag; }

    Consulta obj_DB_QUERY_BuscaRapida;

private:
    QString m_tag;
};
