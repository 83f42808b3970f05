#include "report/PrintJob.h"

#include <QDir>

namespace quillon::report {

QString layoutPath(const QString &folder, QString layoutName) {
    while (layoutName.startsWith(u'\\') || layoutName.startsWith(u'/'))
        layoutName.remove(0, 1);
    return QDir(folder).filePath(layoutName);
}

} // namespace quillon::report
