# Writes the manual page of cadmira-cli with help2man: the tool's --help and --version, one
# section per command from that command's own --help, and the hand-written sections of INCLUDE.
# Run as: cmake -DCLI=... -DHELP2MAN=... -DINCLUDE=... -DOUTPUT=... -P CliManPage.cmake

execute_process(COMMAND ${CLI} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${CLI} --help failed: ${status}")
endif()

# The command names are the first words of the lines under "Subcommands:".
string(REGEX MATCH "\nSubcommands:\n(.*)" listing "${help}")
string(REGEX MATCHALL "\n  [a-z][a-z-]*" names "\n${CMAKE_MATCH_1}")
if(NOT names)
  message(FATAL_ERROR "no commands found in the help of ${CLI}")
endif()

file(READ ${INCLUDE} sections)
string(APPEND sections "\n[COMMANDS]\n")
foreach(name ${names})
  string(STRIP "${name}" name)
  execute_process(COMMAND ${CLI} ${name} --help OUTPUT_VARIABLE text RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${CLI} ${name} --help failed: ${status}")
  endif()
  # Roff: a backslash is \e, and a line may not start with a control character.
  string(REPLACE "\\" "\\e" text "${text}")
  string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
  string(APPEND sections ".SS ${name}\n.nf\n${text}.fi\n")
endforeach()

get_filename_component(folder ${OUTPUT} DIRECTORY)
set(combined ${folder}/cadmira-cli.h2m)
file(WRITE ${combined} "${sections}")
execute_process(
  COMMAND ${HELP2MAN} --no-info --section=1 --source=Cadmira
          "--name=check and write the configuration files of Zandor Reader and Zandor OrvantaPDF"
          --include=${combined} --output=${OUTPUT} ${CLI}
  RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "help2man failed: ${status}")
endif()
