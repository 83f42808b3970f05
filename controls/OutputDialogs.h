#pragma once

#include <QString>

class QPrinter;
class QWidget;

namespace quillon {

// The dialogs that send a copy of a window's figures out of the program: the file an export
// writes and the printer a picture goes to, and the message when writing fails. Windows hold
// a pointer to one, so a test can put its own in place and no modal dialog opens.
class OutputDialogs {
public:
    virtual ~OutputDialogs() = default;

    // The file to write; `path` is offered first. Empty when the user cancels.
    virtual QString saveFile(QWidget *parent, const QString &title, const QString &path,
                             const QString &filters) = 0;
    // Lets the user choose the printer and its options; false when the user cancels.
    virtual bool choosePrinter(QWidget *parent, QPrinter &printer) = 0;
    // Tells the user that an export or a print failed.
    virtual void failed(QWidget *parent, const QString &text) = 0;

    // QFileDialog, QPrintDialog and the message box.
    static OutputDialogs &standard();
};

// `fileName` in the user's documents folder, or at home on a desktop without one.
QString documentsPath(const QString &fileName);

} // namespace quillon
