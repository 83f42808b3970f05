#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

namespace quillon::shell {

// The start-up update check gives up after this long, however the server behaves.
inline constexpr int kUpdateDeadlineMs = 5000;

// The web number from a response body: only a plain decimal number ("1.9", "2", surrounded by
// white space at most) counts; anything else gives 0.
double parseWebNumber(const QByteArray &body);

// Fetches `address` synchronously and reads its body as the web number. Any failure (no
// connection, refused or unknown host, an HTTP error status, a body that is not a number, a
// server that does not answer or answers too slowly) gives 0 within `deadlineMs`.
double fetchWebNumber(const QString &address, int deadlineMs = kUpdateDeadlineMs);

// fetchWebNumber in the update check's own program (quillon-update-check), waited for on the
// calling thread: the desktop program never holds the networking libraries. 0 when the helper
// cannot be run or fails; ending the calling thread's event loops (QThread::quit) ends the wait
// at once and the helper with it.
double fetchWebNumberInHelper(const QString &address, int deadlineMs = kUpdateDeadlineMs);

// How start-up obtains the web number; tests put in their own.
using WebNumberFetcher = std::function<double(const QString &address)>;

} // namespace quillon::shell
