# Copies the game's data beside the executable.
#   DEST   the program's folder
#   WORD_LISTS  word lists: copied only when the folder has none of that name in
#          any letter case, so the marks of past games are kept
#   DATA_FILES  voices and pages: copied when missing or different
foreach(src IN LISTS WORD_LISTS)
  get_filename_component(name "${src}" NAME)
  string(TOLOWER "${name}" lower)
  file(GLOB present "${DEST}/*")
  set(found FALSE)
  foreach(p IN LISTS present)
    get_filename_component(pn "${p}" NAME)
    string(TOLOWER "${pn}" pl)
    if(pl STREQUAL lower)
      set(found TRUE)
    endif()
  endforeach()
  if(NOT found)
    file(COPY "${src}" DESTINATION "${DEST}")
  endif()
endforeach()
foreach(src IN LISTS DATA_FILES)
  get_filename_component(name "${src}" NAME)
  file(COPY_FILE "${src}" "${DEST}/${name}" ONLY_IF_DIFFERENT)
endforeach()
