#pragma once

#include "controls/OutputDialogs.h"

#include <QPrinter>
#include <QStringList>

namespace quillon::test {

// Answers the save dialog with a given path (empty: cancelled), sends prints to a PDF file
// (none: cancelled) and records what was offered and what failed.
class RecordingOutputDialogs final : public OutputDialogs {
public:
    QString savePath;
    QString printFile;
    QString offeredPath;
    QStringList failures;

    QString saveFile(QWidget *, const QString &, const QString &path, const QString &) override {
        offeredPath = path;
        return savePath;
    }
    bool choosePrinter(QWidget *, QPrinter &printer) override {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printFile);
        return !printFile.isEmpty();
    }
    void failed(QWidget *, const QString &text) override { failures << text; }
};

} // namespace quillon::test
