#pragma once

#include "common/TestData.h"

#include <QDir>
#include <QFile>
#include <QPdfDocument>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillon::test {

// A program folder of its own for each test: a fresh report database and the delivered layouts.
class ReportFolder {
public:
    ReportFolder() {
        const QString error =
            createDatabase(databasePath(), sourcePath(QStringLiteral("data/sql/Crysprin.sql")));
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        const QDir layouts(sourcePath(QStringLiteral("data/layouts")));
        for (const QString &name :
             layouts.entryList({QStringLiteral("*.rpt"), QStringLiteral("*.inc")}, QDir::Files))
            QFile::copy(layouts.filePath(name), path(name));
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QString folder() const { return m_dir.path(); }
    QString databasePath() const { return path(QStringLiteral("Crysprin.mdb")); }
    void writeFile(const QString &name, const QString &text) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
    }
    // Runs one statement on the report database (to break it on purpose).
    void exec(const QString &sql) const {
        const QString connection = QStringLiteral("report-test-exec");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(databasePath());
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        }
        QSqlDatabase::removeDatabase(connection);
    }

private:
    QTemporaryDir m_dir;
};

// All text of a PDF, page after page, and its page count.
struct PdfText {
    int pages = -1;
    QString text;
};
inline PdfText readPdf(const QString &path) {
    QPdfDocument doc;
    PdfText out;
    if (doc.load(path) != QPdfDocument::Error::None)
        return out;
    out.pages = doc.pageCount();
    for (int p = 0; p < doc.pageCount(); ++p)
        out.text += doc.getAllText(p).text() + u'\n';
    return out;
}

// The text layer as poppler's pdftotext reads it (test dependency poppler-utils).
inline QString popplerText(const QString &path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(30000))
        << "pdftotext: " << pdftotext.errorString().toStdString();
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

inline QString withoutBlanks(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text;
}

} // namespace quillon::test
