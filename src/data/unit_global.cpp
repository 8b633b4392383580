#include "unit_global.h"

#include "consulta.h"

#include <QCoreApplication>

#include <climits>
#include <fcntl.h>
#include <string>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// An argument written into a statement between single quotes. Doubling every
// quote keeps a value that holds one from ending the literal early.
QString literal(const QString &valor) {
    QString texto = valor;
    return texto.replace(u'\'', u"''"_s);
}

QString familiaDoCodigo(const QString &codigo) {
    return literal(codigo.left(4));
}
QString ocupacaoDoCodigo(const QString &codigo) {
    return literal(codigo.mid(4, 2));
}

} // namespace

QStringList fncSqlBuscaTitulo(bool familias, bool ocupacoes, bool sinonimos, bool condicoes,
                              bool formacao, bool descricao) {
    const QList<QPair<bool, QStringList>> blocos = {
        {familias,
         {u"select tfamilia.tit_familia as titulo, tfamilia.cod_familia as codigo, 'Família  ' as tipo "_s,
          u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca)"_s}},
        {ocupacoes,
         {u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia as codigo, 'Ocupação ' as tipo "_s,
          u"from tocupacao where LOWER(tocupacao.nom_ocup) like lower(:busca)"_s}},
        {sinonimos,
         {u"select tsinonimo.nom_sin as titulo, tocupacao.cod_familia as codigo, 'Sinônimo ' as tipo from tsinonimo, tocupacao "_s,
          u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup"_s}},
        {condicoes,
         {u"select TTemplate.cond_exerc as titulo, "_s, u"TTemplate.cod_familia as codigo, "_s,
          u"'Condições' as tipo "_s, u"from TTemplate where "_s,
          u"TTemplate.cond_exerc like :busca"_s}},
        {formacao,
         {u"select TTemplate.form_exp as titulo, "_s, u"TTemplate.cod_familia as codigo, "_s,
          u"'Formação ' as tipo "_s, u"from TTemplate where "_s,
          u"TTemplate.form_exp like :busca"_s}},
        {descricao,
         {u"select TFamilia.descr_familia as titulo, "_s, u"TFamilia.cod_familia as codigo, "_s,
          u"'Descrição' as tipo "_s, u"from TFamilia where "_s,
          u"TFamilia.descr_familia like :busca"_s}},
    };
    QStringList linhas;
    for (const auto &[marcado, bloco] : blocos) {
        if (!marcado)
            continue;
        if (!linhas.isEmpty())
            linhas << u" union all "_s;
        linhas << bloco;
    }
    return linhas;
}

QStringList fncSqlBuscaRapida() {
    return {
        u"select tfamilia.tit_familia as titulo, tfamilia.cod_familia as codigo, 'Família ' as tipo "_s,
        u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca) union all "_s,
        u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia as codigo, 'Ocupação' as tipo "_s,
        u"from tocupacao where LOWER(tocupacao.nom_ocup) like lower(:busca) union all select tsinonimo.nom_sin as "_s,
        u"titulo, tocupacao.cod_familia as codigo, 'Sinônimo' as tipo from tsinonimo, tocupacao "_s,
        u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup order by titulo"_s,
    };
}

QStringList fncSqlTitulosAZ() {
    return {
        u"select upper(tfamilia.tit_familia) as titulo, tfamilia.cod_familia + '   ' as codigo, '  -  ' as zel94, 'F' as tipo "_s,
        u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca) union all "_s,
        u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia + '-' + tocupacao.cod_ocup as codigo, TOcup_2000_94.Cod_Ocup_ZEL94 as zel94, 'O' as tipo "_s,
        u"from tocupacao, tOcup_2000_94, TOcupacao94 where LOWER(tocupacao.nom_ocup) like lower(:busca) and tocupacao.cod_int_ocup = TOcup_2000_94.cod_int_ocup "_s,
        u" and substring(TOcup_2000_94.Cod_Ocup_ZEL94 from 4 for 2) <> '90' and TOcup_2000_94.cod_ocup_zel94 = TOcupacao94.cod_ocup_zel94 and TOcupacao94.Tp_Situacao = 'AT' union all select tsinonimo.nom_sin as "_s,
        u"titulo, tocupacao.cod_familia + '-' + cod_ocup as codigo, TOcup_2000_94.Cod_Ocup_ZEL94 as zel94, 'S' as tipo from tsinonimo, tocupacao, TOcup_2000_94, Tocupacao94 "_s,
        u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup and tsinonimo.cod_int_ocup = TOcup_2000_94.cod_int_ocup and substring(TOcup_2000_94.Cod_Ocup_ZEL94 from 4 for 2) <> '90'"_s,
        u" and TOcup_2000_94.cod_ocup_zel94 = TOcupacao94.cod_ocup_zel94 and TOcupacao94.Tp_Situacao = 'AT' order by titulo"_s,
    };
}

QStringList fncSqlBuscaCodigoFamilia() {
    return {
        u"select UPPER(tfamilia.tit_familia) as titulo, "_s,
        u"tfamilia.cod_familia + '   ' as codigo, 'F' as tipo from tfamilia "_s,
        u"where tfamilia.cod_familia = :busca "_s,
        u"union all "_s,
        u"select tocupacao.nom_ocup as titulo, "_s,
        u"tocupacao.cod_familia + '-' + tocupacao.cod_ocup "_s,
        u"as codigo, 'O' as tipo from tocupacao where "_s,
        u"tocupacao.cod_familia = :busca"_s,
        u" order by codigo"_s,
    };
}

QStringList fncSqlBuscaCodigoOcupacao(const QString &codigo) {
    return {
        u"select tocupacao.nom_ocup as titulo, "_s,
        u"tocupacao.cod_familia + '-' + tocupacao.cod_ocup as codigo, 'O' as tipo from tocupacao where "_s,
        u"tocupacao.cod_familia = '"_s + familiaDoCodigo(codigo) +
            u"' and tocupacao.cod_ocup = '"_s + literal(codigo.mid(4)) + u"'"_s,
        u" order by codigo"_s,
    };
}

QStringList fncSqlGrandesGrupos() {
    return {
        u"select TGrande_Grupo.Cod_Gde_Gp as codigo, TGrande_Grupo.Cod_Gde_Gp + ' - ' + TGrande_Grupo.Tit_Gde_Gp as titulo from TGrande_Grupo"_s,
        u"order by TGrande_Grupo.Cod_Gde_Gp"_s,
    };
}

QStringList fncSqlSubgruposPrincipais(const QString &codigoGrandeGrupo) {
    return {
        u"select TSubgrupo_Principal.Cod_Sgp_Pcp as codigo, TSubgrupo_Principal.Cod_Sgp_Pcp + ' - ' + TSubgrupo_Principal.Tit_Sgp_Pcp as titulo from TSubgrupo_Principal"_s,
        u"where TSubgrupo_Principal.Cod_Gde_Gp = '"_s + literal(codigoGrandeGrupo) +
            u"' order by TSubgrupo_Principal.Cod_Sgp_Pcp"_s,
    };
}

QStringList fncSqlSubgrupos(const QString &codigoSubgrupoPrincipal) {
    return {
        u"select TSubgrupo.Cod_Sgp as codigo, TSubgrupo.Cod_Sgp + ' - ' + TSubgrupo.Tit_Sgp as titulo from TSubgrupo"_s,
        u"where TSubgrupo.Cod_Sgp_Pcp = '"_s + literal(codigoSubgrupoPrincipal) +
            u"' order by TSubgrupo.Cod_Sgp"_s,
    };
}

QStringList fncSqlFamiliasDoSubgrupo(const QString &codigoSubgrupo) {
    return {
        u"select TFamilia.Cod_Familia as codigo, upper(TFamilia.Cod_Familia + ' - ' + TFamilia.Tit_Familia) as titulo from TFamilia"_s,
        u"where TFamilia.Cod_Sgp = '"_s + literal(codigoSubgrupo) +
            u"' order by TFamilia.Cod_Familia"_s,
    };
}

QStringList fncSqlDescricaoSumaria(const QString &codigoFamilia) {
    return {
        u"select TFamilia.descr_familia as descricao "_s,
        u"from Tfamilia where Tfamilia.cod_familia = '"_s + literal(codigoFamilia) + u"'"_s,
    };
}

QStringList fncSqlExcecoes(const QString &codigoFamilia) {
    return {
        u"select TTemplate.descr_excecao as excecao from TTemplate "_s,
        u"where TTemplate.cod_familia = '"_s + literal(codigoFamilia) + u"'"_s,
    };
}

QStringList fncSqlCondicoes(const QString &codigoFamilia) {
    return {
        u"select TTemplate.Cond_Exerc as condicoes "_s,
        u"from TTemplate where TTemplate.cod_familia = '"_s + literal(codigoFamilia) + u"'"_s,
    };
}

QStringList fncSqlFormacao(const QString &codigoFamilia) {
    return {
        u"select TTemplate.Form_Exp as formacao "_s,
        u"from TTemplate where TTemplate.cod_familia = '"_s + literal(codigoFamilia) + u"'"_s,
    };
}

QStringList fncSqlOcupacoesDaFamilia(const QString &codigoFamilia) {
    return {
        u"select TOcupacao.Cod_Familia + '-' + TOcupacao.cod_ocup + '  ' + TOcupacao.nom_ocup as Cod_Tit_Familia, "_s,
        u"TOcupacao.cod_int_ocup as interno from TOcupacao where TOcupacao.cod_familia = '"_s +
            literal(codigoFamilia) + u"' order by Cod_Tit_Familia"_s,
    };
}

QStringList fncSqlFamiliasAfins(const QString &codigoFamilia) {
    const QString codigo = literal(codigoFamilia);
    return {
        u"select TAfinidade.cod_familia_afim + ' - ' + TFamilia.Tit_Familia as Cod_Familia_Afim, "_s,
        u"TAfinidade.cod_familia as Cod_Familia from Tfamilia, TAfinidade where TAfinidade.cod_familia = '"_s +
            codigo + u"' and TFamilia.cod_Familia = TAfinidade.cod_familia_afim "_s,
        u"union all "_s,
        u"select TAfinidade.cod_familia + ' - ' + TFamilia.Tit_Familia as Cod_Familia_Afim, "_s,
        u"TAfinidade.cod_familia_afim as Cod_Familia from Tfamilia, TAfinidade where TAfinidade.cod_familia_afim = '"_s +
            codigo + u"' and TFamilia.cod_Familia = TAfinidade.cod_familia "_s,
    };
}

QStringList fncSqlSinonimos(const QString &codigoFamilia, const QString &codigoInterno) {
    const QString onde =
        u"from TSinonimo where TSinonimo.cod_int_ocup = '"_s + literal(codigoInterno) + u"'"_s;
    if (codigoFamilia.startsWith(u'0'))
        return {u"select TSinonimo.nom_sin as sinonimo, cod_sin "_s, onde,
                u"Order by TSinonimo.cod_sin"_s};
    return {u"select TSinonimo.nom_sin as sinonimo "_s, onde, u"Order by TSinonimo.nom_sin"_s};
}

QStringList fncSqlConversao(const QString &baseDe, const QString &basePara, const QString &codigo) {
    if (baseDe == baseZel2002 && basePara == baseZel94) {
        const QString ocupacoes =
            codigo.size() == 4
                ? u"(select TOcupacao.cod_int_ocup from TOcupacao where TOcupacao.cod_familia = :busca)"_s
                : u"(select TOcupacao.cod_int_ocup from TOcupacao where TOcupacao.cod_familia = '"_s +
                      familiaDoCodigo(codigo) + u"' and tocupacao.cod_ocup = '"_s +
                      ocupacaoDoCodigo(codigo) + u"')"_s;
        return {
            u"select distinct TOcupacao94.Cod_Ocup_Zel94 as codigo, TOcupacao94.Nom_ocup94 as nome "_s,
            u"from TOcupacao94, TOcup_2000_94 "_s,
            u"where TOcup_2000_94.cod_int_ocup in "_s,
            ocupacoes,
            u"and TOcupacao94.Cod_Ocup_Zel94 = TOcup_2000_94.Cod_Ocup_Zel94 and TOcupacao94.Tp_situacao = 'AT' order by TOcupacao94.Cod_Ocup_Zel94"_s,
        };
    }
    if (baseDe == baseZel2002 && basePara == baseCiuo88)
        return {
            u"select distinct TOcupacao.Cod_Gp_Base_CIUO88 as codigo, UPPER(TGrupo_Base_CIUO88.Tit_grp_Base_CIUO88) as nome "_s,
            u"from TOcupacao, TGrupo_Base_CIUO88 where TOcupacao.cod_int_ocup in "_s,
            u"(select TOcupacao.cod_int_ocup from TOcupacao where TOcupacao.cod_familia = :busca) "_s,
            u"and TOcupacao.Cod_Gp_Base_CIUO88 = TGrupo_Base_CIUO88.Cod_Gp_Base_CIUO88 order by TOcupacao.Cod_Gp_Base_CIUO88 "_s,
        };
    if (baseDe == baseZel94 && basePara == baseZel2002)
        return {
            u"select TFamilia.cod_familia as codigo_Familia, TFamilia.tit_familia as titulo_Familia, TOcupacao.cod_familia + '-' + TOcupacao.Cod_Ocup as codigo,  "_s,
            u"TOcupacao.Nom_ocup as nome, TOcup_2000_94.cod_ocup_zel94 as zel94, Tocupacao94.tp_situacao "_s,
            u"from TFamilia, TOcupacao, TOcup_2000_94, TOcupacao94  "_s,
            u"where TOcupacao94.cod_ocup_zel94 = TOcup_2000_94.cod_ocup_zel94 and TOcupacao.cod_int_ocup = TOcup_2000_94.cod_int_ocup "_s,
            u"and TOcup_2000_94.cod_ocup_zel94 = :busca and TFamilia.Cod_Familia = TOcupacao.Cod_Familia order by codigo "_s,
        };
    if (baseDe == baseCiuo88 && basePara == baseZel2002)
        return {
            u"select TOcupacao.cod_familia + '-' + TOcupacao.Cod_Ocup as codigo, "_s,
            u"TOcupacao.Nom_ocup as nome from TOcupacao where TOcupacao.Cod_Gp_Base_CIUO88 = :busca order by codigo "_s,
        };
    return {};
}

QStringList fncSqlTabuaOrigem(const QString &codigo, const QString &base) {
    if (base == baseZel2002 && codigo.size() == 4)
        return {
            u"Select tfamilia.cod_familia as codigo, tfamilia.tit_familia as titulo from tfamilia where cod_familia = '"_s +
            literal(codigo) + u"'"_s};
    if (base == baseZel2002)
        return {
            u"Select tocupacao.cod_familia + '-' + tocupacao.cod_ocup as codigo, tfamilia.tit_familia as titulo from tocupacao, tfamilia where tocupacao.cod_familia = '"_s +
            familiaDoCodigo(codigo) + u"' and tocupacao.cod_ocup = '"_s + ocupacaoDoCodigo(codigo) +
            u"' and tocupacao.cod_familia = tfamilia.cod_familia"_s};
    if (base == baseZel94)
        return {
            u"Select tocupacao94.cod_ocup_zel94 as codigo, tocupacao94.nom_ocup94 as titulo from tocupacao94 where tocupacao94.cod_ocup_zel94 = '"_s +
            literal(codigo) + u"'"_s};
    return {
        u"Select tgrupo_base_ciuo88.cod_gp_base_ciuo88 as codigo, tgrupo_base_ciuo88.tit_grp_base_ciuo88 as titulo from tgrupo_base_ciuo88 where tgrupo_base_ciuo88.cod_gp_base_ciuo88 = '"_s +
        literal(codigo) + u"'"_s};
}

QStringList fncSqlTabuaTituloBase2002() {
    return {
        u"select UPPER(tfamilia.tit_familia) as titulo, tfamilia.cod_familia as codigo, 'F' as tipo "_s,
        u"from tfamilia where LOWER(tfamilia.tit_familia) like lower(:busca) union all "_s,
        u"select tocupacao.nom_ocup as titulo, tocupacao.cod_familia as codigo, 'O' as tipo "_s,
        u"from tocupacao where LOWER(tocupacao.nom_ocup) like lower(:busca) union all select tsinonimo.nom_sin as "_s,
        u"titulo, tocupacao.cod_familia as codigo, 'S' as tipo from tsinonimo, tocupacao "_s,
        u"where LOWER(tsinonimo.nom_sin) like lower(:busca) and tocupacao.cod_int_ocup = tsinonimo.cod_int_ocup order by titulo"_s,
    };
}

QStringList fncSqlTabuaTituloBase94() {
    return {
        u"select TOcupacao94.Nom_Ocup94 as titulo, TOcupacao94.Cod_Ocup_Zel94 as codigo, 'O' as tipo"_s,
        u"from TOcupacao94 where LOWER(TOcupacao94.Nom_Ocup94) like lower(:busca) order by TOcupacao94.Nom_Ocup94"_s,
    };
}

QStringList fncSqlTabuaTituloCiuo88() {
    return {
        u"select UPPER(TGrupo_Base_CIUO88.Tit_Grp_Base_CIUO88) as titulo, TGrupo_Base_CIUO88.Cod_Gp_Base_CIUO88 as codigo, "_s,
        u"'F' as tipo from TGrupo_Base_CIUO88 where LOWER(TGrupo_Base_CIUO88.Tit_Grp_Base_CIUO88) like lower(:busca) order by titulo"_s,
    };
}

namespace {
QString diretorioDefinido;
}

void abrirConsulta(Consulta &consulta, const QStringList &sql, const std::optional<QString> &busca,
                   const QString &diretorio) {
    consulta.definirSql(sql);
    consulta.definirBanco(diretorio);
    consulta.fechar();
    if (busca)
        consulta.definirBusca(*busca);
    consulta.abrir();
}

namespace {

// Qt reads the program's path as UTF-8 and gives nothing for a directory
// whose name is not (one copied from an older system, in Latin-1). That
// directory is then reached through a descriptor the process keeps open.
QString diretorioDoExecutavel() {
    const QString caminho = QCoreApplication::applicationDirPath();
    if (!caminho.isEmpty())
        return caminho;
    static const QString peloDescritor = [] {
        char bytes[PATH_MAX];
        const ssize_t tamanho = readlink("/proc/self/exe", bytes, sizeof bytes);
        if (tamanho <= 0 || tamanho == ssize_t(sizeof bytes))
            return QString();
        const std::string programa(bytes, size_t(tamanho));
        const size_t barra = programa.rfind('/');
        if (barra == std::string::npos)
            return QString();
        const std::string diretorio = barra == 0 ? std::string("/") : programa.substr(0, barra);
        const int descritor = open(diretorio.c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        return descritor < 0 ? QString() : u"/proc/self/fd/"_s + QString::number(descritor);
    }();
    return peloDescritor;
}

} // namespace

QString diretorioPrograma() {
    return diretorioDefinido.isEmpty() ? diretorioDoExecutavel() : diretorioDefinido;
}

void definirDiretorioPrograma(const QString &diretorio) {
    diretorioDefinido = diretorio;
}

QString caminhoPagina(const QString &arquivo) {
    return diretorioPrograma() + u"/html/"_s + arquivo;
}

QString fncCaminhoDados() {
    return diretorioPrograma() + u"/dados"_s;
}
