// The session's link to the portal server: the server connection and the outbox made in their
// places in the session's order, the start-up messages, and the banner-definition document the
// server sends after the handshake. Messages carry the shell window's session identifier.
#pragma once

#include <memory>
#include <string>
#include <string_view>

class CMarkupDoc;
class CHttpRequest;

// The server connection (13th in the session's order).
void CreateServerConnection(std::string_view shellVersion);
// The outbox (14th); it takes over what the store queued.
void CreateSessionOutbox(std::string_view shellVersion);
void DestroySessionOutbox();
void DestroyServerConnection();

// Not installed: the session's new identifier is told to the server ("SetSessionGUID").
void TrackUninstalledSession(std::string_view shellVersion);
// Queues "UpdateShellVersion" when the version last reported is older than this shell's.
void ReportShellVersion(std::string_view shellVersion);

// The banner-definition reply: a document read from the reply after its 12-character marker.
void OnServerReply(CHttpRequest& request);
// The last document the server sent, or null.
CMarkupDoc* PendingBannerDefinitions();
// The same, handed over: it is pending no longer.
std::unique_ptr<CMarkupDoc> TakeBannerDefinitions();
