cmake_minimum_required(VERSION 3.22)
# Refuses an include that reaches up the layers. Run at build time by
# kestrel_layer(): FOLDER is the layer's folder, ALLOWED the project folders
# its files may include (its own and those below), LAYERS every layer folder,
# FILES its sources; the lists are separated by commas.
foreach(_list ALLOWED LAYERS FILES)
  string(REPLACE "," ";" ${_list} "${${_list}}")
endforeach()
set(_bad "")
foreach(_f ${FILES})
  file(STRINGS "${_f}" _lines REGEX "^[ \t]*#[ \t]*include[ \t]*\"[a-z_]+/")
  foreach(_l ${_lines})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([a-z_]+)/.*" "\\1" _dir "${_l}")
    if(_dir IN_LIST LAYERS AND NOT _dir IN_LIST ALLOWED)
      string(APPEND _bad "\n  ${_f}: ${_l}")
    endif()
  endforeach()
endforeach()
if(_bad)
  message(FATAL_ERROR "${FOLDER}/ may include only ${ALLOWED}; these reach a layer above:${_bad}")
endif()
