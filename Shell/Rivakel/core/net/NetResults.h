// Result codes of the server link, and the status a waiting form sees for "no connection".
#pragma once

inline constexpr int kNetOk = 0;              // sent and answered
inline constexpr int kNetBadArgument = 1;
inline constexpr int kNetUnavailable = 23;    // no socket layer
inline constexpr int kNetSocketError = 27;
inline constexpr int kNetNotConnected = 28;   // not connected or busy: queued
inline constexpr int kNetRefused = 29;        // refused, or no connection and the user declined one
inline constexpr int kNetPending = 30;        // sent, the reply comes later
inline constexpr int kNetUnrecognised = 31;   // the reply carried no readable marker
inline constexpr int kNoConnectionStatus = 128;
