# Run by cpack on the staged package before it is packed: Debian keeps the
# programs of games in /usr/games, and the menu entry names the program there,
# where a session without /usr/games in its PATH still finds it. The program
# finds its share folder and its module from its own folder; games and bin lie
# side by side, so the paths it holds fit either place.
set(usr "${CPACK_TEMPORARY_DIRECTORY}/usr")
if(NOT EXISTS "${usr}/bin/kvidrel")
  message(FATAL_ERROR "games.cmake: no usr/bin/kvidrel in ${CPACK_TEMPORARY_DIRECTORY}")
endif()
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/kvidrel" "${usr}/games/kvidrel")
file(GLOB rest "${usr}/bin/*")
if(NOT rest)
  file(REMOVE_RECURSE "${usr}/bin")
endif()
set(entry "${usr}/share/applications/dk.kvidrel.Kvidrel.desktop")
file(READ "${entry}" text)
string(REPLACE "\nExec=kvidrel\n" "\nExec=/usr/games/kvidrel\n" text "${text}")
string(REPLACE "\nTryExec=kvidrel\n" "\nTryExec=/usr/games/kvidrel\n" text "${text}")
file(WRITE "${entry}" "${text}")
