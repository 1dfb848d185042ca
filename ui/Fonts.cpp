#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace Fonts {

void install()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    const QStringList files = {
        QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"),
        QStringLiteral("/usr/share/wine/fonts/tahomabd.ttf"),
    };
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(file);
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

static QFont make(const QString &family, double points, bool bold)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont tahoma(double points, bool bold)
{
    return make(QStringLiteral("Tahoma"), points, bold);
}

QFont courierNew(double points, bool bold)
{
    QFont font = make(QStringLiteral("Courier New"), points, bold);
    font.setStyleHint(QFont::Monospace);
    return font;
}

} // namespace Fonts
