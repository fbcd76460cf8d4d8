// The request line the browser sends to the sign-in listener, and the
// claims of the tokens an accepted redirect carries.

#include "account/tokenmanager.h"
#include "account/webauthhandler.h"

#include <QUrlQuery>
#include <cstddef>
#include <cstdint>

using namespace Qt::StringLiterals;
using VelmAccount::WebAuthHandler;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray line(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString state = u"fuzz-state"_s;
    for (const quint16 port : {quint16(0), WebAuthHandler::kPreferredPort}) {
        const WebAuthHandler::CallbackRequest request = WebAuthHandler::parseRequestLine(line, port, state);
        if (request.complete && !request.accepted)
            __builtin_trap();
        if (!request.accepted)
            continue;
        // Only the expected state is ever accepted.
        const QUrlQuery query(request.url);
        if (query.queryItemValue(u"state"_s, QUrl::FullyDecoded) != state)
            __builtin_trap();
        for (const QString &key : {u"access_token"_s, u"refresh_token"_s}) {
            const QString token = query.queryItemValue(key, QUrl::FullyDecoded);
            VelmAccount::TokenManager::claims(token);
            VelmAccount::TokenManager::isUsable(token, 1700000000);
        }
    }
    return 0;
}
