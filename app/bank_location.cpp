#include "app/bank_location.h"

#include <QDir>
#include <QFileInfo>

namespace app {

QString locateBank(const QString &bankOption, const QString &workingDir, const QString &programDir)
{
    if (!bankOption.isEmpty())
        return QFileInfo(QDir(workingDir), bankOption).absoluteFilePath();
    const QString relative = QStringLiteral("gdiplus/aqks.dll");
    const QFileInfo inWorkingDir(QDir(workingDir), relative);
    if (inWorkingDir.exists())
        return inWorkingDir.absoluteFilePath();
    return QFileInfo(QDir(programDir), relative).absoluteFilePath();
}

} // namespace app
