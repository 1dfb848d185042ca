# SPDX-FileCopyrightText: 2026 Tesmo developers <autore@tesmo.example>
# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the game's data beside the executable.
#   DEST        the program's folder
#   WORD_LISTS  word lists, placed by UPGRADE: copied when the folder has none
#               of that name in any letter case; a list already there is brought
#               up to the shipped one, keeping the marks of the words both share
#   UPGRADE     the tesmo-upgrade-list program
#   DATA_FILES  voices and pages: copied when missing or different
foreach(src IN LISTS WORD_LISTS)
  # On failure the program says why, and the list there is left as it was.
  execute_process(COMMAND "${UPGRADE}" "${src}" "${DEST}")
endforeach()
foreach(src IN LISTS DATA_FILES)
  get_filename_component(name "${src}" NAME)
  file(COPY_FILE "${src}" "${DEST}/${name}" ONLY_IF_DIFFERENT)
endforeach()
