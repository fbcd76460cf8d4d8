#include "tokensigner.h"

#include <QJsonDocument>
#include <QList>

#include <sodium.h>

namespace {

constexpr auto kBase64Url = QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals;

} // namespace

TokenSigner::TokenSigner(const QByteArray &secret)
    : m_secret(secret)
{
}

QByteArray TokenSigner::mac(const QByteArray &signingInput) const
{
    unsigned char out[crypto_auth_hmacsha256_BYTES];
    crypto_auth_hmacsha256_state state;
    crypto_auth_hmacsha256_init(&state, reinterpret_cast<const unsigned char *>(m_secret.constData()),
                                size_t(m_secret.size()));
    crypto_auth_hmacsha256_update(&state, reinterpret_cast<const unsigned char *>(signingInput.constData()),
                                  quint64(signingInput.size()));
    crypto_auth_hmacsha256_final(&state, out);
    return QByteArray(reinterpret_cast<const char *>(out), sizeof out);
}

QByteArray TokenSigner::sign(const QJsonObject &claims) const
{
    const QJsonObject header{{QStringLiteral("alg"), QStringLiteral("HS256")}, {QStringLiteral("typ"), QStringLiteral("JWT")}};
    const QByteArray input = QJsonDocument(header).toJson(QJsonDocument::Compact).toBase64(kBase64Url) + '.'
        + QJsonDocument(claims).toJson(QJsonDocument::Compact).toBase64(kBase64Url);
    return input + '.' + mac(input).toBase64(kBase64Url);
}

std::optional<QJsonObject> TokenSigner::verify(const QByteArray &token, qint64 nowSeconds) const
{
    const QList<QByteArray> parts = token.split('.');
    if (parts.size() != 3 || token.size() > 8192)
        return std::nullopt;
    const auto decoded = [](const QByteArray &part) {
        return QByteArray::fromBase64Encoding(part, kBase64Url | QByteArray::AbortOnBase64DecodingErrors);
    };
    const auto signature = decoded(parts.at(2));
    const QByteArray expected = mac(parts.at(0) + '.' + parts.at(1));
    if (!signature || signature.decoded.size() != expected.size()
        || sodium_memcmp(signature.decoded.constData(), expected.constData(), size_t(expected.size())) != 0)
        return std::nullopt;
    const auto header = decoded(parts.at(0));
    const auto payload = decoded(parts.at(1));
    if (!header || !payload)
        return std::nullopt;
    // The algorithm is fixed: a token naming another one is refused even when signed.
    if (QJsonDocument::fromJson(header.decoded).object().value(QStringLiteral("alg")).toString() != QLatin1String("HS256"))
        return std::nullopt;
    const QJsonDocument doc = QJsonDocument::fromJson(payload.decoded);
    if (!doc.isObject())
        return std::nullopt;
    const QJsonObject claims = doc.object();
    if (qint64(claims.value(QStringLiteral("exp")).toDouble()) <= nowSeconds)
        return std::nullopt;
    return claims;
}
