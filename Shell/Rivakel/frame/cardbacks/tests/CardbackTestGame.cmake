# A card game for the cardback tests and screenshots: it draws "CardBack.gif" as a row of
# face-down cards and brings a cardback of its own.
set(CARDBACK_TEST_GAME_DIR ${CMAKE_CURRENT_LIST_DIR}/applets)
rivakel_art_module(cardbacktestgame SOURCES ${CARDBACK_TEST_GAME_DIR}/CardbackTestGameArt.cpp)
rivakel_game_module(CardbackTestGame SOURCE ${CARDBACK_TEST_GAME_DIR}/CardbackTestGame.cpp
  MANIFEST ${CARDBACK_TEST_GAME_DIR}/CardbackTestGame.manifest ART cardbacktestgame
  OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/testgames)
if(TARGET rivakel_frame_cardbacks_tests)
  add_dependencies(rivakel_frame_cardbacks_tests CardbackTestGame)
  target_compile_definitions(rivakel_frame_cardbacks_tests PRIVATE
    CARDBACK_TEST_GAME="$<TARGET_FILE:CardbackTestGame>")
endif()
