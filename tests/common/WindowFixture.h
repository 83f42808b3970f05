#pragma once

#include "common/TestData.h"
#include "controls/MessageService.h"
#include "controls/ResultField.h"
#include "forms/AppContext.h"
#include "report/ReportComponent.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QVariant>

#include <gtest/gtest.h>

#include <memory>

namespace quillon::test {

// A program folder of its own with the delivered settings and report databases and the
// layouts, and a calculator window opened on it as the shell opens one.
class WindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_paths = DataPaths::forFolder(m_folder.path());
        ASSERT_EQ(createDatabase(m_paths.settingsDatabase,
                                 sourcePath(QStringLiteral("data/sql/Settings.sql"))),
                  QString());
        ASSERT_EQ(createDatabase(m_paths.reportDatabase,
                                 sourcePath(QStringLiteral("data/sql/Crysprin.sql"))),
                  QString());
        m_reports = std::make_unique<report::ReportComponent>(m_paths.programFolder,
                                                              m_paths.reportDatabase, m_messages);
        m_context =
            std::make_unique<AppContext>(AppContext{m_paths, m_state, m_messages, *m_reports});
    }

    void copyLayout(const QString &name) {
        ASSERT_TRUE(
            QFile::copy(sourcePath(QStringLiteral("data/layouts/") + name), m_paths.file(name)));
    }

    template <class Window> Window &open() {
        auto *window = new Window(*m_context);
        m_window.reset(window);
        m_window->show();
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return *window;
    }

    template <class T = QWidget> T *control(const char *name) {
        auto *w = m_window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    void type(const char *name, const QString &keys) {
        auto *edit = control<QLineEdit>(name);
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    void click(const char *name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    double result(const char *name) { return control<ResultField>(name)->value(); }
    // Every typed or calculated figure of the window has a name a screen reader can say.
    void expectEveryFieldNamed() {
        for (QLineEdit *field : m_window->findChildren<QLineEdit *>()) {
            QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(field);
            ASSERT_NE(spoken, nullptr);
            EXPECT_FALSE(spoken->text(QAccessible::Name).trimmed().isEmpty())
                << m_window->objectName().toStdString() << " " << field->objectName().toStdString();
        }
    }
    QString shown(const char *name) { return control<QLineEdit>(name)->text(); }

    // A field of the single record of a report table.
    QVariant reportValue(const QString &table, const QString &field) {
        QVariant value;
        const QString connection = QStringLiteral("check");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(m_paths.reportDatabase);
            EXPECT_TRUE(db.open());
            QSqlQuery q(QStringLiteral("SELECT %1 FROM %2").arg(field, table), db);
            if (q.next())
                value = q.value(0);
        }
        QSqlDatabase::removeDatabase(connection);
        return value;
    }

    QTemporaryDir m_folder;
    DataPaths m_paths;
    ProgramState m_state;
    RecordingMessageService m_messages;
    std::unique_ptr<report::ReportComponent> m_reports;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<QWidget> m_window;
};

} // namespace quillon::test
