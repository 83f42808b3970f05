#include "ShellFixture.h"
#include "common/HotJournal.h"

#include "shell/MDIForm1.h"
#include "shell/ProgramRecord.h"
#include "shell/Startup.h"
#include "shell/frmDisclaimerYesNo.h"

#include <QCheckBox>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QSemaphore>
#include <QTest>

using namespace quillon;
using namespace quillon::shell;

namespace {

enum class Answer { Accept, Decline, CloseBox };

class StartupTest : public test::ShellFixture {
protected:
    // Start-up with a fixed web number; the disclaimer, when asked, is answered as given.
    StartupOutcome start(Answer answer, double webNumber = 0, QString userDataProblem = {}) {
        m_main = std::make_unique<MDIForm1>(context(), WindowCatalogue::standard());
        StartupHooks hooks;
        hooks.userDataProblem = std::move(userDataProblem);
        // The fetch runs on its own thread and may outlive the test: it holds its own gate.
        hooks.fetchWebNumber = [gate = m_answerGate, webNumber](const QString &) {
            gate->acquire();
            gate->release();
            return webNumber;
        };
        hooks.askDisclaimer = [this, answer](frmDisclaimerYesNo &dialog) {
            ++m_disclaimerShown;
            m_aboutOpenDuringDisclaimer =
                m_main->opener().window(QStringLiteral("frmAbout")) != nullptr;
            switch (answer) {
            case Answer::Accept:
                dialog.findChild<QCheckBox *>(QStringLiteral("chkDisclaimerYesNo"))->click();
                dialog.findChild<QPushButton *>(QStringLiteral("cmdOk"))->click();
                break;
            case Answer::Decline:
                dialog.findChild<QPushButton *>(QStringLiteral("cmdCancel"))->click();
                break;
            case Answer::CloseBox:
                dialog.close();
                break;
            }
        };
        return runStartup(*m_main, hooks);
    }

    bool isOpen(const char *window) const {
        return m_main->opener().window(QString::fromLatin1(window)) != nullptr;
    }

    std::unique_ptr<MDIForm1> m_main;
    // The update answer comes only while the gate is open.
    std::shared_ptr<QSemaphore> m_answerGate = std::make_shared<QSemaphore>(1);
    int m_disclaimerShown = 0;
    bool m_aboutOpenDuringDisclaimer = false;
};

TEST_F(StartupTest, AboutAndDisclaimerFollowTheProgramStateRecord) {
    struct Row {
        const char *name;
        int viewAbout;
        int var1;
        Answer answer;
        bool about;
        bool asked;
        StartupOutcome outcome;
        int storedVar1;
    };
    const Row rows[] = {
        {"new release accepted", -1, 170, Answer::Accept, true, true, StartupOutcome::Running, 180},
        {"already accepted", 0, 180, Answer::Decline, false, false, StartupOutcome::Running, 180},
        {"accepted for a later release", 0, 200, Answer::Decline, false, false,
         StartupOutcome::Running, 200},
        {"declined ends the program", 0, 0, Answer::Decline, false, true, StartupOutcome::Ended, 0},
        {"close box counts as declined", -1, 170, Answer::CloseBox, true, true,
         StartupOutcome::Ended, 170},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        m_messages.clear();
        m_disclaimerShown = 0;
        m_aboutOpenDuringDisclaimer = false;
        prepare();
        setRecord(r.viewAbout, r.var1);
        EXPECT_EQ(start(r.answer), r.outcome);
        EXPECT_EQ(m_disclaimerShown, r.asked ? 1 : 0);
        if (r.asked) {
            EXPECT_EQ(m_aboutOpenDuringDisclaimer, r.about);
        }
        if (r.outcome == StartupOutcome::Running) {
            EXPECT_EQ(isOpen("frmAbout"), r.about);
        }
        EXPECT_EQ(m_main->isVisible(), r.outcome == StartupOutcome::Running);
        EXPECT_EQ(stored(QStringLiteral("VAR1")).toInt(), r.storedVar1);
        EXPECT_TRUE(m_messages.messages().empty());
        m_main.reset();
    }
}

TEST_F(StartupTest, UpdateNoticeOnlyForANewerNumber) {
    prepare();
    setRecord(0, 180);
    // Start-up finishes while the answer is still awaited; the notice comes with it.
    m_answerGate->acquire();
    EXPECT_EQ(start(Answer::Accept, 1.9), StartupOutcome::Running);
    QCoreApplication::processEvents();
    EXPECT_FALSE(isOpen("frmWebExpiry"));
    m_answerGate->release();
    ASSERT_TRUE(QTest::qWaitFor([this] { return isOpen("frmWebExpiry"); }));
    m_main.reset();
    start(Answer::Accept, 1.09);
    ASSERT_TRUE(QTest::qWaitFor([this] { return m_main->values().webNumber == 1.09; }));
    EXPECT_FALSE(isOpen("frmWebExpiry"));
}

TEST_F(StartupTest, MissingProgramStateFileIsToldAndStartupGoesOnSafely) {
    prepare({.programState = false});
    EXPECT_EQ(start(Answer::Accept), StartupOutcome::Running);
    EXPECT_TRUE(saidSomething(QStringLiteral("bcdv.mdb")));
    EXPECT_FALSE(isOpen("frmAbout"));
    // VAR1 counts as 0, so the disclaimer is asked.
    EXPECT_EQ(m_disclaimerShown, 1);
    EXPECT_FALSE(QFileInfo::exists(m_paths.programStateDatabase));
}

TEST_F(StartupTest, AWriteKilledHalfwayDoesNotBringTheDisclaimerBack) {
    prepare();
    setRecord(0, 180);
    ASSERT_TRUE(test::leaveHotJournal(m_paths.programStateDatabase,
                                      QStringLiteral("UPDATE ProgramState SET VAR1 = 0")));
    EXPECT_EQ(start(Answer::Decline), StartupOutcome::Running);
    EXPECT_EQ(m_disclaimerShown, 0);
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(StartupTest, EmptyProgramStateTableIsToldLikeAMissingFile) {
    prepare();
    programStateSql(QStringLiteral("DELETE FROM ProgramState"));
    EXPECT_EQ(start(Answer::Accept), StartupOutcome::Running);
    EXPECT_TRUE(saidSomething(QStringLiteral("holds no record")));
    EXPECT_FALSE(isOpen("frmAbout"));
}

TEST_F(StartupTest, ProgramStateRecordIsReadAsStoredOrItsFaultTold) {
    struct Row {
        const char *name;
        const char *sql;  // run on the delivered file first
        const char *file; // else the file holds this text instead
        const char *error;
        bool viewAbout;
        int var1;
        const char *updateAddress;
    };
    const Row rows[] = {
        {"as stored",
         "UPDATE ProgramState SET ViewAbout = 5, VAR1 = -2, UpdateAddress = 'http://a.test/v'",
         nullptr, "", true, -2, "http://a.test/v"},
        {"numbers kept as text", "UPDATE ProgramState SET ViewAbout = '0', VAR1 = '181'", nullptr,
         "", false, 181, nullptr},
        {"no table", "DROP TABLE ProgramState", nullptr, "has no ProgramState table", false, 0,
         nullptr},
        {"not a database", nullptr, "plain text", "is not readable: file is not a database", false,
         0, nullptr},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.name);
        prepare();
        if (r.sql)
            programStateSql(QString::fromLatin1(r.sql));
        if (r.file) {
            QFile file(m_paths.programStateDatabase);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(r.file);
        }
        const ProgramRecordRead read = ProgramRecordStore(m_paths.programStateDatabase).read();
        EXPECT_TRUE(read.error.contains(QLatin1String(r.error))) << read.error.toStdString();
        EXPECT_EQ(read.error.isEmpty(), *r.error == 0);
        EXPECT_EQ(read.record.viewAbout, r.viewAbout);
        EXPECT_EQ(read.record.var1, r.var1);
        if (r.updateAddress) {
            EXPECT_EQ(read.record.updateAddress, QLatin1String(r.updateAddress));
        }
    }
}

TEST_F(StartupTest, MissingPictureAndDataFilesAreToldOnce) {
    prepare({.picture = false, .dataFiles = false});
    setRecord(0, 180);
    EXPECT_EQ(start(Answer::Accept), StartupOutcome::Running);
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(saidSomething(QStringLiteral("Quillon.jpg")));
    EXPECT_TRUE(saidSomething(QStringLiteral("Settings.mdb")));
    EXPECT_TRUE(saidSomething(QStringLiteral("Crysprin.mdb")));
    EXPECT_TRUE(m_main->isVisible());
}

TEST_F(StartupTest, AUserDataProblemIsToldOnceWithoutAdvisingReinstall) {
    prepare();
    setRecord(0, 180);
    start(Answer::Accept, 0,
          QStringLiteral("The data file /x/Settings.mdb could not be copied to "
                         "/home/u: the disk is full."));
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(saidSomething(QStringLiteral("the disk is full")));
    EXPECT_FALSE(saidSomething(QStringLiteral("Reinstalling")));
}

TEST_F(StartupTest, StartupRunsTheSharedReset) {
    prepare();
    setRecord(0, 180);
    m_state.taxLookup.TotalTax = 1234;
    start(Answer::Accept);
    EXPECT_EQ(m_state.taxLookup.TotalTax, 0);
}

TEST_F(StartupTest, AboutChoiceIsSavedWhenClosedByTheCloseBox) {
    prepare();
    setRecord(-1, 180);
    start(Answer::Accept);
    QMdiSubWindow *about = m_main->opener().subWindow(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    auto *check = about->widget()->findChild<QCheckBox *>(QStringLiteral("Check1"));
    EXPECT_FALSE(check->isChecked());
    check->click();
    about->close();
    EXPECT_EQ(stored(QStringLiteral("ViewAbout")).toInt(), 0);

    // Reopened from the menu and cleared again, it asks to be shown next time.
    m_main->showAbout();
    about = m_main->opener().subWindow(QStringLiteral("frmAbout"));
    ASSERT_NE(about, nullptr);
    check = about->widget()->findChild<QCheckBox *>(QStringLiteral("Check1"));
    EXPECT_TRUE(check->isChecked());
    check->click();
    about->widget()->findChild<QPushButton *>(QStringLiteral("Command1"))->click();
    EXPECT_EQ(stored(QStringLiteral("ViewAbout")).toInt(), -1);
}

} // namespace
