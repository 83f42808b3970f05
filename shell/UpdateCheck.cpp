#include "shell/UpdateCheck.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRegularExpression>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace quillon::shell {

namespace {

// A program number is a few characters; a longer body is not one.
constexpr qint64 kMaxBody = 256;

} // namespace

double parseWebNumber(const QByteArray &body) {
    static const QRegularExpression plainDecimal(QStringLiteral("^[0-9]+(\\.[0-9]+)?$"));
    const QString text = QString::fromLatin1(body).trimmed();
    if (!plainDecimal.match(text).hasMatch())
        return 0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? value : 0;
}

double fetchWebNumber(const QString &address, int deadlineMs) {
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        return 0;

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    // The transfer timeout only catches silence; the deadline below catches a slow drip.
    request.setTransferTimeout(deadlineMs);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    // Without a bound the reply buffers all a server sends: an endless chunked body grew the
    // program by gigabytes before any progress signal or the deadline got a turn.
    reply->setReadBufferSize(kMaxBody + 1);

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, reply.get(), &QNetworkReply::abort);
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // The body is taken as it comes and counted, so a long one is stopped whatever its encoding.
    QByteArray body;
    bool tooLong = false;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&, r = reply.get()] {
        body += r->read(kMaxBody + 1 - body.size());
        if (body.size() > kMaxBody) {
            tooLong = true;
            r->abort();
        }
    });
    deadline.start(deadlineMs);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    if (tooLong || reply->error() != QNetworkReply::NoError)
        return 0;
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && (status.toInt() < 200 || status.toInt() > 299))
        return 0;
    body += reply->read(kMaxBody + 1 - body.size());
    return body.size() > kMaxBody ? 0 : parseWebNumber(body);
}

} // namespace quillon::shell
