# Checks that every #include of the program's sources points down the layers:
#
#   app -> games, linkguard, remote, settings -> player, net, ui, platform -> core
#
# A folder may include itself and the folders its row names below. The
# features never include one another (the window wires them); among the pieces
# below them the player fills its parent with a widget of ui/ and the desktop
# services hand out the player. Tests, benchmarks, fuzz targets and tools sit
# outside the program and may include what they exercise.
#
# Run as: cmake -DRAIZ=<tree> -P verificar_camadas.cmake
# Fails, listing every include that breaks the table, or when a folder of the
# tree is missing from it.

set(permitidos_core "")
set(permitidos_net core)
set(permitidos_ui core)
set(permitidos_player ui net core)
set(permitidos_platform player core)
set(permitidos_games player net ui platform core)
set(permitidos_linkguard player net ui platform core)
set(permitidos_remote player net ui platform core)
set(permitidos_settings player net ui platform core)
set(permitidos_app games linkguard remote settings player net ui platform core)
set(pastas core net ui player platform games linkguard remote settings app)

if(NOT RAIZ)
  message(FATAL_ERROR "RAIZ (the source tree to check) is not set")
endif()

set(violacoes "")
set(arquivos_lidos 0)
foreach(pasta IN LISTS pastas)
  file(GLOB_RECURSE fontes LIST_DIRECTORIES false "${RAIZ}/${pasta}/*.h" "${RAIZ}/${pasta}/*.cpp")
  foreach(fonte IN LISTS fontes)
    math(EXPR arquivos_lidos "${arquivos_lidos} + 1")
    file(STRINGS "${fonte}" inclusoes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
    foreach(inclusao IN LISTS inclusoes)
      string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" caminho "${inclusao}")
      if(NOT caminho MATCHES "/")
        file(RELATIVE_PATH relativo "${RAIZ}" "${fonte}")
        list(APPEND violacoes "${relativo}: \"${caminho}\" names no folder")
        continue()
      endif()
      string(REGEX REPLACE "/.*$" "" destino "${caminho}")
      if(destino STREQUAL pasta)
        continue()
      endif()
      list(FIND permitidos_${pasta} "${destino}" posicao)
      if(posicao EQUAL -1)
        file(RELATIVE_PATH relativo "${RAIZ}" "${fonte}")
        list(APPEND violacoes "${relativo}: ${pasta}/ may not include \"${caminho}\"")
      endif()
    endforeach()
  endforeach()
endforeach()

# A new folder of sources must take its place in the table.
file(GLOB entradas LIST_DIRECTORIES true RELATIVE "${RAIZ}" "${RAIZ}/*")
foreach(entrada IN LISTS entradas)
  if(NOT IS_DIRECTORY "${RAIZ}/${entrada}" OR entrada MATCHES "^(\\.|build)"
     OR entrada MATCHES "^(tests|bench|tools|third_party|resources|docs|scripts)$")
    continue()
  endif()
  list(FIND pastas "${entrada}" posicao)
  file(GLOB_RECURSE fontes LIST_DIRECTORIES false "${RAIZ}/${entrada}/*.h" "${RAIZ}/${entrada}/*.cpp")
  if(posicao EQUAL -1 AND fontes)
    list(APPEND violacoes "${entrada}/ holds sources but has no row in the table of layers")
  endif()
endforeach()

if(violacoes)
  list(JOIN violacoes "\n  " texto)
  message(FATAL_ERROR "Includes against the layers:\n  ${texto}")
endif()
if(arquivos_lidos EQUAL 0)
  message(FATAL_ERROR "No source was found under ${RAIZ}")
endif()
message(STATUS "${arquivos_lidos} sources include only down the layers")
