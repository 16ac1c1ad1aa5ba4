// The session's game table and what the Games pages and the shell window's installation hooks
// reach through the application object, the host, the file service and the store.
#pragma once

#include <memory>

class CGameTable;
class CGamesPages;
struct GamesPagesConfig;
struct ShellConfig;

std::unique_ptr<CGameTable> MakeSessionGameTable();
GamesPagesConfig SessionGamesPagesConfig(CGameTable* table);
// The game table, its pages and the installation hooks of the shell window.
void AddGamesToShellConfig(ShellConfig& config);
// The removal of games for other pages (the list of removable games, "remove this game"); null
// while the shell window has no Games pages.
std::shared_ptr<CGamesPages> SessionGamesPages();
