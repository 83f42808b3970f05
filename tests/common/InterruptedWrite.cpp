// Starts a write transaction on an SQLite file and waits to be killed in the middle of it,
// leaving a hot journal and a half-written file behind.
//   quillon_interrupted_write <file> <update statement>
#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>

#include <chrono>
#include <cstdio>
#include <thread>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(QString::fromLocal8Bit(argv[1]));
    if (!db.open())
        return 1;
    QSqlQuery q(db);
    // A small cache makes SQLite spill the changed pages into the file before the commit.
    for (const QString &sql :
         {QStringLiteral("PRAGMA cache_size = 2"), QStringLiteral("BEGIN"),
          QString::fromLocal8Bit(argv[2]), QStringLiteral("CREATE TABLE Padding(Bytes)"),
          QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n "
                         "WHERE i < 2000) INSERT INTO Padding SELECT randomblob(1000) FROM n")})
        if (!q.exec(sql))
            return 1;
    std::puts("ready");
    std::fflush(stdout);
    for (;;)
        std::this_thread::sleep_for(std::chrono::seconds(60));
}
