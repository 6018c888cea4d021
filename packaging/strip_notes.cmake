# SPDX-License-Identifier: GPL-3.0-or-later
# Run by CPack on the staged package before it is built: takes the compiler's notes (.comment,
# .note) and unneeded symbols out of the programs, as Debian's dh_strip does.
file(GLOB programs ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*)
if(NOT programs)
  message(FATAL_ERROR "no programs staged in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin")
endif()
foreach(program ${programs})
  execute_process(COMMAND ${CPACK_TEVARDIN_STRIP} --remove-section=.comment --remove-section=.note
                          --strip-unneeded ${program}
                  COMMAND_ERROR_IS_FATAL ANY)
endforeach()
