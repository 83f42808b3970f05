#include "controls/OutputDialogs.h"

#include "controls/MessageService.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QStandardPaths>

namespace quillon {

namespace {

class StandardDialogs final : public OutputDialogs {
public:
    QString saveFile(QWidget *parent, const QString &title, const QString &path,
                     const QString &filters) override {
        return QFileDialog::getSaveFileName(parent, title, path, filters);
    }
    bool choosePrinter(QWidget *parent, QPrinter &printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
    void failed(QWidget *parent, const QString &text) override {
        m_messages.inform(parent, text, {}, MessageService::Icon::Warning);
    }

private:
    QtMessageService m_messages;
};

} // namespace

OutputDialogs &OutputDialogs::standard() {
    static StandardDialogs dialogs;
    return dialogs;
}

QString documentsPath(const QString &fileName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(fileName);
}

} // namespace quillon
