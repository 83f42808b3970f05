#include "controls/TableCopy.h"
#include "common/RecordingOutputDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace quillon;

namespace {

// A cell shown with group spaces whose edit value is the plain figure, as in the loan grids.
struct Figure : QStandardItem {
    using QStandardItem::QStandardItem;
    QVariant data(int role) const override {
        const QVariant shown = QStandardItem::data(Qt::DisplayRole);
        return role == Qt::EditRole ? shown.toString().remove(u' ') : QStandardItem::data(role);
    }
};

struct Table {
    QStandardItemModel model{2, 3};
    QTableView view;
    TableCopy copy{&view, QStringLiteral("table.csv")};
    test::RecordingOutputDialogs dialogs;

    Table() {
        model.setHorizontalHeaderLabels({QStringLiteral(" Month "), QStringLiteral("Capital, paid"),
                                         QStringLiteral("Balance")});
        const char *texts[2][3] = {{"1", "2 874.81", "97 125.19"}, {"2", "2 903.56", "94 221.63"}};
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                model.setItem(r, c, new Figure(QString::fromLatin1(texts[r][c])));
        view.setModel(&model);
        copy.setDialogs(dialogs);
    }
};

TEST(TableCopy, CtrlCCopiesTheSelectionOrTheWholeTableWithHeadings) {
    struct Row {
        const char *name;
        std::vector<std::pair<int, int>> selected;
        const char *clipboard;
    };
    const Row rows[] = {
        {"nothing selected: the whole table",
         {},
         "Month\tCapital, paid\tBalance\n1\t2874.81\t97125.19\n2\t2903.56\t94221.63\n"},
        {"one cell", {{1, 2}}, "Balance\n94221.63\n"},
        {"a ragged selection keeps its columns",
         {{0, 0}, {1, 2}},
         "Month\tBalance\n1\t\n\t94221.63\n"},
    };
    Table t;
    t.view.show();
    t.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&t.view));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        t.view.clearSelection();
        for (auto [r, c] : row.selected)
            t.view.selectionModel()->select(t.model.index(r, c), QItemSelectionModel::Select);
        QApplication::clipboard()->clear();
        QTest::keyClick(&t.view, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QString::fromLatin1(row.clipboard));
    }
    EXPECT_TRUE(t.view.actions().contains(t.copy.exportAction()));
    EXPECT_EQ(t.view.contextMenuPolicy(), Qt::ActionsContextMenu);
}

TEST(TableCopy, ExportWritesCsvWhereTheDialogSays) {
    QTemporaryDir dir;
    struct Row {
        const char *name;
        QString path;
        bool written;
        bool failed;
    };
    const Row rows[] = {
        {"chosen", dir.filePath(QStringLiteral("out.csv")), true, false},
        {"cancelled", QString(), false, false},
        {"unwritable", dir.filePath(QStringLiteral("no/such/folder.csv")), false, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Table t;
        t.dialogs.savePath = row.path;
        t.copy.exportAction()->trigger();
        EXPECT_TRUE(t.dialogs.offeredPath.endsWith(QStringLiteral("/table.csv")));
        QFile file(row.path);
        EXPECT_EQ(file.open(QIODevice::ReadOnly), row.written);
        if (row.written) {
            EXPECT_EQ(file.readAll(), QByteArray("Month,\"Capital, paid\",Balance\n"
                                                 "1,2874.81,97125.19\n2,2903.56,94221.63\n"));
        }
        EXPECT_EQ(t.dialogs.failures.size(), row.failed ? 1 : 0);
    }
}

} // namespace
