# Copies the game's data beside the executable.
#   DEST        the program's folder
#   WORD_LISTS  word lists: copied when the folder has none of that name in any
#               letter case; a list already there is brought up to the shipped
#               one by UPGRADE, which keeps the marks of the words both share
#   UPGRADE     the tesmo-upgrade-list program
#   DATA_FILES  voices and pages: copied when missing or different
file(GLOB present "${DEST}/*")
foreach(src IN LISTS WORD_LISTS)
  get_filename_component(name "${src}" NAME)
  string(TOLOWER "${name}" lower)
  set(found "")
  foreach(p IN LISTS present)
    get_filename_component(pn "${p}" NAME)
    string(TOLOWER "${pn}" pl)
    if(pl STREQUAL lower AND NOT IS_DIRECTORY "${p}")
      if(pn STREQUAL name OR NOT found)
        set(found "${p}")
      endif()
    endif()
  endforeach()
  if(NOT found)
    file(COPY "${src}" DESTINATION "${DEST}")
  else()
    execute_process(COMMAND "${UPGRADE}" "${src}" "${found}" RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0)
      message(WARNING "${found} was not brought up to the shipped list and is left as it was")
    endif()
  endif()
endforeach()
foreach(src IN LISTS DATA_FILES)
  get_filename_component(name "${src}" NAME)
  file(COPY_FILE "${src}" "${DEST}/${name}" ONLY_IF_DIFFERENT)
endforeach()
