#include "cli/LineStream.h"

#include <cstring>

namespace quillon::cli {

namespace {
constexpr qsizetype kChunk = 1 << 16;
constexpr qsizetype kBufferSize = LineReader::kMaxLine + kChunk;
} // namespace

// Left uninitialised: a short input touches only the pages it fills, not the whole megabyte.
LineReader::LineReader(ReadFunction read)
    : m_read(std::move(read)), m_buffer(new char[static_cast<std::size_t>(kBufferSize)]) {}

bool LineReader::lineBuffered() const {
    return std::memchr(m_buffer.get() + m_begin, '\n', static_cast<std::size_t>(m_end - m_begin)) !=
           nullptr;
}

bool LineReader::fill() {
    if (m_begin > 0) {
        std::memmove(m_buffer.get(), m_buffer.get() + m_begin,
                     static_cast<std::size_t>(m_end - m_begin));
        m_end -= m_begin;
        m_begin = 0;
    }
    const qsizetype room = kBufferSize - m_end;
    const qint64 n = m_read(m_buffer.get() + m_end, std::min(room, kChunk));
    if (n < 0)
        return false;
    m_atEnd = n == 0;
    m_end += n;
    return true;
}

LineReader::Status LineReader::next(std::string_view &line) {
    bool skipping = false;
    for (;;) {
        const char *start = m_buffer.get() + m_begin;
        const auto *newline = static_cast<const char *>(
            std::memchr(start, '\n', static_cast<std::size_t>(m_end - m_begin)));
        if (newline || (m_atEnd && m_end > m_begin)) {
            const qsizetype length = newline ? newline - start : m_end - m_begin;
            m_begin += length + (newline ? 1 : 0);
            ++m_lineNumber;
            if (skipping)
                return Status::TooLong;
            line = std::string_view(start, static_cast<std::size_t>(length));
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
            // A file saved by a Windows editor may open with a byte-order mark.
            if (m_lineNumber == 1 && line.starts_with("\xEF\xBB\xBF"))
                line.remove_prefix(3);
            return Status::Line;
        }
        if (m_atEnd) {
            if (!skipping)
                return Status::End;
            ++m_lineNumber;
            return Status::TooLong;
        }
        if (m_end - m_begin >= kMaxLine) {
            // Too long to hold: keep dropping it until its line break.
            skipping = true;
            m_begin = m_end;
        }
        if (!fill())
            return Status::Failed;
    }
}

void AnswerWriter::line(std::string_view text) {
    if (m_failed)
        return;
    m_pending.append(text);
    m_pending += '\n';
    // A batch read from a file would otherwise gather thousands of answers, megabytes that no
    // longer sit in the processor's cache, before its first write.
    if (m_pending.size() >= kFlushSize)
        flush();
}

bool AnswerWriter::flush() {
    if (m_failed)
        return false;
    const char *data = m_pending.data();
    qint64 left = static_cast<qint64>(m_pending.size());
    while (left > 0) {
        const qint64 n = m_device.write(data, left);
        if (n <= 0) {
            m_failed = true;
            m_error = m_device.errorString();
            break;
        }
        data += n;
        left -= n;
    }
    m_pending.clear();
    return !m_failed;
}

} // namespace quillon::cli
