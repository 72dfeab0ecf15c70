# Writes the package's changelog, in Debian's format, from the project's own history: one entry
# for this version, one item per commit subject, signed with the maintainer and the date of the
# newest commit (so that the same history always gives the same file).
# Run as: cmake -DGIT=... -DSOURCE=... -DPACKAGE=... -DVERSION=... -DMAINTAINER=... -DOUTPUT=...
#               -P Changelog.cmake

set(changes "")
set(date "")
if(GIT)
  # git wraps each subject at 78 columns itself, continued under its first word.
  execute_process(COMMAND ${GIT} -C ${SOURCE} log --no-merges --reverse "--format=%w(78,2,4)* %s"
                  OUTPUT_VARIABLE changes RESULT_VARIABLE log_status ERROR_QUIET)
  execute_process(COMMAND ${GIT} -C ${SOURCE} log -1 --format=%cD
                  OUTPUT_VARIABLE date RESULT_VARIABLE date_status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT log_status EQUAL 0 OR NOT date_status EQUAL 0 OR NOT changes)
    set(date "")
  endif()
endif()
if(NOT date)
  # A source tree without its history: the release alone.
  set(changes "  * Release ${VERSION}.\n")
  string(TIMESTAMP date "%a, %d %b %Y %H:%M:%S +0000" UTC)
endif()
string(REGEX REPLACE "\n+$" "\n" changes "${changes}")
set(text "${PACKAGE} (${VERSION}) unstable; urgency=medium\n\n${changes}\n -- ${MAINTAINER}  ${date}\n")

# Rewritten only when the history changed, so that a build with nothing new does nothing.
set(plain ${OUTPUT}.txt)
if(EXISTS ${plain} AND EXISTS ${OUTPUT})
  file(READ ${plain} old)
  if(old STREQUAL text)
    return()
  endif()
endif()
file(WRITE ${plain} "${text}")
execute_process(COMMAND gzip -9n -c ${plain} OUTPUT_FILE ${OUTPUT} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "gzip of the changelog failed: ${status}")
endif()
