#include "requestguard.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QLoggingCategory>
#include <QTcpSocket>

Q_DECLARE_LOGGING_CATEGORY(lcHttp)

namespace {

constexpr int kMaxHeaderBytes = 64 * 1024;

} // namespace

RequestGuard::RequestGuard(QTcpSocket *socket, qint64 maxBodyBytes)
    : QObject(socket)
    , m_socket(socket)
    , m_max(maxBodyBytes)
{
    connect(socket, &QTcpSocket::readyRead, this, &RequestGuard::inspect);
}

void RequestGuard::inspect()
{
    if (m_discard >= 0) {
        // Drop the refused body without keeping it, then close.
        const QByteArray dropped = m_socket->read(qMax<qint64>(1, qMin(m_socket->bytesAvailable(), m_discard)));
        m_discard -= dropped.size();
        m_socket->readAll();
        if (m_discard <= 0)
            m_socket->disconnectFromHost();
        return;
    }
    // The HTTP server reads everything after this slot, so these are the new bytes.
    const QByteArray data = m_socket->peek(m_socket->bytesAvailable());
    qsizetype pos = 0;
    while (pos < data.size()) {
        if (m_bodyLeft > 0) {
            const qint64 take = qMin<qint64>(m_bodyLeft, data.size() - pos);
            m_bodyLeft -= take;
            pos += take;
            continue;
        }
        const qsizetype before = m_headers.size();
        m_headers += data.mid(pos, kMaxHeaderBytes);
        const qsizetype end = m_headers.indexOf("\r\n\r\n");
        if (end < 0) {
            if (m_headers.size() > kMaxHeaderBytes)
                m_headers.clear(); // the HTTP server answers oversized headers itself
            return;
        }
        pos += end + 4 - before;
        qint64 length = 0;
        bool chunked = false;
        const QList<QByteArray> lines = m_headers.left(end).split('\n');
        for (const QByteArray &line : lines) {
            const qsizetype colon = line.indexOf(':');
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-length") {
                bool ok = false;
                length = value.toLongLong(&ok);
                if (!ok || length < 0)
                    length = m_max + 1;
            } else if (name == "transfer-encoding" && value.toLower() != "identity") {
                chunked = true;
            }
        }
        const QByteArray requestLine = lines.value(0).trimmed();
        m_headers.clear();
        if (length > m_max || chunked) {
            // Take this request's bytes away from the HTTP server and answer here.
            m_socket->read(pos);
            refuse(requestLine, chunked ? m_max : length);
            return;
        }
        m_bodyLeft = length;
    }
}

void RequestGuard::refuse(const QByteArray &requestLine, qint64 bodyBytes)
{
    const QByteArray body = QJsonDocument(QJsonObject{
        {QStringLiteral("error"), QStringLiteral("payload_too_large")},
        {QStringLiteral("message"), QStringLiteral("The request body exceeds %1 bytes or has no declared length.").arg(m_max)}})
                                .toJson(QJsonDocument::Compact);
    m_socket->write("HTTP/1.1 413 Payload Too Large\r\nContent-Type: application/json\r\nConnection: close\r\nContent-Length: "
                    + QByteArray::number(body.size()) + "\r\n\r\n" + body);
    const QList<QByteArray> parts = requestLine.split(' ');
    qCInfo(lcHttp).noquote() << QString::fromLatin1(parts.value(0)) << QString::fromLatin1(parts.value(1).split('?').value(0).left(200))
                             << 413 << QStringLiteral("0 ms");
    m_discard = bodyBytes;
    inspect();
}
