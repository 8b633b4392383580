#include "fontes.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace fontes {

void registrarSubstituicoes() {
    QFont::insertSubstitutions(u"Verdana"_s, QStringList{u"DejaVu Sans"_s, u"Liberation Sans"_s});
    QFont::insertSubstitutions(u"Tahoma"_s, QStringList{u"DejaVu Sans Condensed"_s,
                                                        u"DejaVu Sans"_s, u"Liberation Sans"_s});
    QFont::insertSubstitutions(u"MS Sans Serif"_s,
                               QStringList{u"Liberation Sans"_s, u"DejaVu Sans"_s});
    QFont::insertSubstitutions(u"Times New Roman"_s,
                               QStringList{u"Liberation Serif"_s, u"DejaVu Serif"_s});
    QFont::insertSubstitutions(u"Courier New"_s,
                               QStringList{u"Liberation Mono"_s, u"DejaVu Sans Mono"_s});
}

QFont fonte(const QString &familia, int pixels, bool negrito, bool italico) {
    // The installed look-alike is asked for by name: looking up a family that
    // is not installed makes the font system search its fallbacks every time.
    QFont f(QFont::substitute(familia));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    f.setItalic(italico);
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

QFont verdana(int pixels, bool negrito) {
    return fonte(u"Verdana"_s, pixels, negrito);
}
QFont tahoma(int pixels, bool negrito) {
    return fonte(u"Tahoma"_s, pixels, negrito);
}
QFont sansSerif(int pixels, bool negrito) {
    return fonte(u"MS Sans Serif"_s, pixels, negrito);
}

} // namespace fontes
