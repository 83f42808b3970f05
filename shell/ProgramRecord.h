#pragma once

#include <QString>

#include <cstdint>

namespace quillon::shell {

// The single record of the program-state database (bcdv.mdb, table ProgramState): the two
// start-up preferences and the two web addresses the program is configured with.
struct ProgramRecord {
    bool viewAbout = false; // ViewAbout: show the about window at start-up
    std::int16_t var1 = 0;  // VAR1: disclaimer number last accepted
    QString updateAddress;  // UpdateAddress: body is the published program number
    QString videoAddress;   // VideoAddress: the video lectures page
};

// What a read gave: the record, or the safe values (about not shown, disclaimer not yet
// accepted, no addresses) with the reason it could not be read.
struct ProgramRecordRead {
    ProgramRecord record;
    QString error; // empty when read
};

// Reading and writing the record. The file is never created: a missing or unreadable file, a
// missing table or an empty table is an error the caller tells the user about.
class ProgramRecordStore {
public:
    explicit ProgramRecordStore(QString path) : m_path(std::move(path)) {}

    ProgramRecordRead read() const;
    // Each writes one field of the record; the text says why it failed, empty on success.
    QString writeViewAbout(bool viewAbout) const;
    QString writeVar1(std::int16_t var1) const;

    const QString &path() const { return m_path; }

private:
    QString writeField(const QString &field, int value) const;

    QString m_path;
};

} // namespace quillon::shell
