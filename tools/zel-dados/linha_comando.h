#pragma once

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <optional>

namespace linha_comando {

// The options of a command line: "--nome valor" or "--nome=valor" for those
// that take a value, "--nome" for flags, everything else (and "-", standard
// input) a positional argument. "--" ends the options.
struct Argumentos {
    QStringList posicionais;
    QHash<QString, QString> valores;
    QSet<QString> flags;

    QString valor(const QString &nome) const { return valores.value(nome); }
    bool tem(const QString &nome) const { return valores.contains(nome) || flags.contains(nome); }
};

// Nothing, and `erro` says why, for an unknown option, an option given twice
// or one whose value is missing.
std::optional<Argumentos> lerArgumentos(const QStringList &argumentos, const QStringList &comValor,
                                        const QStringList &flags, QString *erro);

// Qt reads a program's arguments as UTF-8 and turns each byte that is not
// into U+FFFD, so a name in another encoding (Latin-1 bytes from an old
// system) would reach the file classes as another name: not found, or
// created beside the real one. Empty when every argument of `argv` (after the
// program's name) is valid UTF-8; otherwise the message that refuses them,
// each named with its invalid bytes written as \xHH (and a backslash as \\).
QString argumentosForaDeUtf8(int argc, const char *const *argv);

} // namespace linha_comando
