#pragma once

#include <QString>
#include <QStringList>

namespace app {

// Where the question bank is: the file given with --bank; otherwise gdiplus/aqks.dll under the
// working directory; otherwise gdiplus/aqks.dll beside the program (also when it is missing
// there, so that the report names the place the bank is expected).
QString locateBank(const QString &bankOption, const QString &workingDir, const QString &programDir);

} // namespace app
