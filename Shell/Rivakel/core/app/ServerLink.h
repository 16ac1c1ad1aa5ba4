// The session's link to the portal server: the server connection and the outbox made in their
// places in the session's order, the session identifier every message carries, the start-up
// messages, and the banner-definition document the server sends after the handshake.
#pragma once

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

// The identifier each message carries: the installation's, or the one a shell that is not
// installed makes for its session.
const std::string& SessionIdentifier();
void SetSessionIdentifier(std::string_view id);

// Not installed: a new session identifier, told to the server ("SetSessionGUID").
void StartUninstalledSession(std::string_view shellVersion);
// Queues "UpdateShellVersion" when the version last reported is older than this shell's.
void ReportShellVersion(std::string_view shellVersion);

// The banner-definition reply: a document read from the reply after its 12-character marker.
void OnServerReply(CHttpRequest& request);
// The last document the server sent, or null.
CMarkupDoc* PendingBannerDefinitions();
