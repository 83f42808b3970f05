#pragma once

#include <QIODevice>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace quillon::cli {

// Reads up to `size` bytes of input into `data`, waiting only until some are there: the count
// read, 0 at the end of the input, -1 when reading failed.
using ReadFunction = std::function<qint64(char *data, qint64 size)>;

// Reads a device line by line through one fixed buffer, so memory stays flat however long the
// input is. A line longer than the buffer is skipped to its end and reported as too long.
class LineReader {
public:
    static constexpr qsizetype kMaxLine = 1 << 20;

    explicit LineReader(ReadFunction read);

    enum class Status { Line, TooLong, End, Failed };
    // The next line without its line break; `line` stays valid until the next call.
    Status next(std::string_view &line);
    // Whether the next line is already in the buffer, so reading it will not wait for input.
    bool lineBuffered() const;
    std::int64_t lineNumber() const { return m_lineNumber; }

private:
    bool fill();

    ReadFunction m_read;
    std::unique_ptr<char[]> m_buffer;
    qsizetype m_begin = 0;
    qsizetype m_end = 0;
    // 64 bits: a batch fed from a pipe may pass 2^31 lines.
    std::int64_t m_lineNumber = 0;
    bool m_atEnd = false;
};

// Collects answers and writes them to a device, checking every write. Once a write failed,
// everything after it is dropped and failed() stays true.
class AnswerWriter {
public:
    explicit AnswerWriter(QIODevice &device) : m_device(device) {}

    void line(std::string_view text);
    // Where an answer is written before line() ends it.
    std::string &pending() { return m_pending; }
    bool flush();
    bool failed() const { return m_failed; }
    QString errorString() const { return m_error; }

private:
    static constexpr std::size_t kFlushSize = 1 << 16;
    QIODevice &m_device;
    std::string m_pending;
    bool m_failed = false;
    QString m_error;
};

} // namespace quillon::cli
