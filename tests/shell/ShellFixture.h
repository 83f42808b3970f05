#pragma once

#include "common/TestData.h"
#include "controls/MessageService.h"
#include "forms/AppContext.h"
#include "forms/ProgramState.h"
#include "report/ReportComponent.h"
#include "taxengine/DataPaths.h"

#include <QFile>
#include <QImage>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUuid>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>

namespace quillon::test {

// A program folder of its own for each test, with the delivered files built from data/sql.
class ShellFixture : public ::testing::Test {
protected:
    struct Files {
        bool programState = true;
        bool picture = true;
        bool dataFiles = true;
    };

    void prepare(Files files) {
        ASSERT_TRUE(m_dir.isValid());
        m_paths = DataPaths::forFolder(m_dir.path());
        for (const QString &old :
             {m_paths.programStateDatabase, m_paths.settingsDatabase, m_paths.reportDatabase,
              m_paths.file(QStringLiteral("Quillon.jpg"))})
            QFile::remove(old);
        if (files.programState) {
            ASSERT_EQ(createDatabase(m_paths.programStateDatabase,
                                     sourcePath(QStringLiteral("data/sql/bcdv.sql"))),
                      QString());
        }
        if (files.dataFiles) {
            ASSERT_EQ(createDatabase(m_paths.settingsDatabase,
                                     sourcePath(QStringLiteral("data/sql/Settings.sql"))),
                      QString());
            QFile report(m_paths.reportDatabase);
            ASSERT_TRUE(report.open(QIODevice::WriteOnly));
        }
        if (files.picture) {
            QImage picture(64, 40, QImage::Format_RGB32);
            picture.fill(Qt::darkBlue);
            ASSERT_TRUE(picture.save(m_paths.file(QStringLiteral("Quillon.jpg")), "jpg"));
        }
        m_reports = std::make_unique<report::ReportComponent>(m_paths.programFolder,
                                                              m_paths.reportDatabase, m_messages);
        m_context =
            std::make_unique<AppContext>(AppContext{m_paths, m_state, m_messages, *m_reports});
    }

    void prepare() { prepare(Files{}); }

    // Runs one statement on the program-state file.
    void programStateSql(const QString &sql) {
        const QString name = QUuid::createUuid().toString();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_paths.programStateDatabase);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(sql)) << sql.toStdString();
        }
        QSqlDatabase::removeDatabase(name);
    }

    void setRecord(int viewAbout, int var1) {
        programStateSql(QStringLiteral("UPDATE ProgramState SET ViewAbout = %1, VAR1 = %2")
                            .arg(viewAbout)
                            .arg(var1));
    }

    // One field of the stored record.
    QVariant stored(const QString &field) {
        const QString name = QUuid::createUuid().toString();
        QVariant value;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(m_paths.programStateDatabase);
            if (db.open()) {
                QSqlQuery q(db);
                if (q.exec(QStringLiteral("SELECT %1 FROM ProgramState").arg(field)) && q.next())
                    value = q.value(0);
            }
        }
        QSqlDatabase::removeDatabase(name);
        return value;
    }

    bool saidSomething(const QString &part) const {
        for (const auto &m : m_messages.messages())
            if (m.text.contains(part))
                return true;
        return false;
    }

    const AppContext &context() const { return *m_context; }

    QTemporaryDir m_dir;
    DataPaths m_paths;
    ProgramState m_state;
    RecordingMessageService m_messages;
    std::unique_ptr<report::ReportComponent> m_reports;
    std::unique_ptr<AppContext> m_context;
};

} // namespace quillon::test
