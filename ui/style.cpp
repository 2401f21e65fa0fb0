#include "ui/style.h"

#include <QFile>
#include <QWidget>

namespace ui {

namespace {
const char *const kStyledProperty = "quizoraProgramStyle";
}

QString programStyleSheet()
{
    static const QString sheet = [] {
        QFile file(QStringLiteral(":/style/quizora.qss"));
        if (!file.open(QIODevice::ReadOnly))
            return QString();
        return QString::fromUtf8(file.readAll());
    }();
    return sheet;
}

void applyProgramStyle(QWidget *window)
{
    if (!window || window->property(kStyledProperty).toBool())
        return;
    const QString sheet = programStyleSheet();
    if (sheet.isEmpty())
        return;
    const QString own = window->styleSheet();
    window->setStyleSheet(own.isEmpty() ? sheet : sheet + QLatin1Char('\n') + own);
    window->setProperty(kStyledProperty, true);
}

QFont pixelFont(const QStringList &families, int pixels, bool bold)
{
    QFont f;
    if (!families.isEmpty())
        f.setFamilies(families);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

} // namespace ui
