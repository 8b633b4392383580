#include "csv.h"

using namespace Qt::StringLiterals;

LeitorCsv::LeitorCsv(QByteArray dados) : m_dados(std::move(dados)) {
    if (m_dados.startsWith("\xEF\xBB\xBF"))
        m_pos = 3;
}

std::optional<QStringList> LeitorCsv::proximo() {
    if (m_pos >= m_dados.size() || !m_erro.isEmpty())
        return std::nullopt;
    m_linhaRegistro = m_linha;
    QStringList campos;
    QByteArray campo;
    bool entreAspas = false;
    bool campoComAspas = false;
    auto fecharCampo = [&] {
        campos << QString::fromUtf8(campo);
        campo.clear();
        campoComAspas = false;
    };
    while (m_pos < m_dados.size()) {
        const char c = m_dados[m_pos++];
        if (entreAspas) {
            if (c == '"') {
                if (m_pos < m_dados.size() && m_dados[m_pos] == '"') {
                    campo += '"';
                    ++m_pos;
                } else {
                    entreAspas = false;
                }
            } else {
                if (c == '\n')
                    ++m_linha;
                campo += c;
            }
            continue;
        }
        if (c == '"' && campo.isEmpty() && !campoComAspas) {
            entreAspas = true;
            campoComAspas = true;
        } else if (c == '"' || (campoComAspas && c != ',' && c != '\r' && c != '\n')) {
            m_erro = u"aspas fora do lugar"_s;
            return std::nullopt;
        } else if (c == ',') {
            fecharCampo();
        } else if (c == '\n' || (c == '\r' && m_pos < m_dados.size() && m_dados[m_pos] == '\n')) {
            if (c == '\r')
                ++m_pos;
            ++m_linha;
            fecharCampo();
            return campos;
        } else {
            campo += c;
        }
    }
    if (entreAspas) {
        m_erro = u"aspas abertas até o fim do arquivo"_s;
        return std::nullopt;
    }
    fecharCampo();
    return campos;
}
