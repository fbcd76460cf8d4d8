#pragma once

class QUrl;

namespace VelmUpdate {

// Whether a link from the update channel may be opened or fetched: https, or
// plain http only to this machine (tests, self-hosting). file:, other schemes
// and plain http across the network are refused.
bool isAllowedLink(const QUrl &url);

} // namespace VelmUpdate
