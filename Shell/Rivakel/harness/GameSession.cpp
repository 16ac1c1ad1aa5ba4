#include "harness/GameSession.h"


GameSession::GameSession(std::string gameId, std::string gamePath, std::string folder, bool withUser)
    : gameId_(std::move(gameId)),
      gamePath_(std::move(gamePath)),
      folder_(folder.empty() ? own_.Path() : std::move(folder)),
      harness_({folder_, true, withUser}) {}

bool GameSession::Start() { return Start(gamePath_); }

bool GameSession::Start(const std::string& gamePath) { return harness_.StartGame(gamePath) == 0; }

void GameSession::AnswerBox(int answer) {
    if (auto* headless = harness_.Headless()) headless->QueueMessageBoxAnswer(answer);
}
